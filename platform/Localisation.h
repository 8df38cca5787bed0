#pragma once
// Localisation by a two-letter language code. English texts are the source
// texts; a translation is the Qt Linguist file velmora_<code>.qm (code in
// lower case), looked up in the resource folder :/translations, then in the
// folder "translations" of the program directory (the current directory at
// start) and of the folder that holds the executable.

#include <QByteArray>

namespace platform {

// Installs the translation for `code` in place of the one in force and
// returns whether one was found. Without a translation the English texts
// apply; the code is kept all the same.
bool setLanguage(const QByteArray &code);

// The code last handed to setLanguage (empty before), as it was given.
QByteArray languageCode();

} // namespace platform
