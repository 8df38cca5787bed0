#pragma once
// The language of the user interface: the program hands a two-letter code
// over at start and asks for the code in force at close.

#include <QByteArray>

namespace app {

// Selects the language; the code is used as given.
void useLanguage(const QByteArray &code);
// The code of the language in force.
QByteArray languageInForce();

} // namespace app
