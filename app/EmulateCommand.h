#pragma once
// velmora emulate: the remote front of one panel without a person, through
// the main window, its connect dialog and the Emulation page.

#include <QStringList>

namespace app {

// `arguments` starts with the command name. Returns the exit code: 0 when
// the panel's screen was written, 1 when the emulation failed, 2 for bad
// arguments.
int runEmulateCommand(int &argc, char **argv, const QStringList &arguments);

} // namespace app
