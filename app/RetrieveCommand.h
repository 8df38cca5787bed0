#pragma once
// velmora retrieve: one retrieval without a person, through the main window,
// its connect and access code dialogs and the Data Retrieve page.

#include <QStringList>

namespace app {

// `arguments` starts with the command name. Returns the exit code: 0 when
// the retrieval ended in order and the file was written.
int runRetrieveCommand(int &argc, char **argv, const QStringList &arguments);

} // namespace app
