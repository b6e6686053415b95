#pragma once
// The command line. The game takes no arguments: only --help and --version,
// answered before any display is opened, so that they need none.
#include <optional>

// Reads the arguments main() was given. Gives the exit status when the
// program ends here: 0 once the help or the version is printed, 2 for an
// unknown option or an argument, reported with the usage. Nothing when the
// game is to start.
std::optional<int> ReadCommandLine(int &argc, char **argv);
