#pragma once
// The command line: types text at a calculator with no window, no display
// connection and nothing written anywhere, and prints the display or the
// history tape.
//   spanwright --keys "3'4f1/2\"+10*2="    -> prints 8'5"                 status 0
//   spanwright --tape --keys "8/0="        -> prints 8 / "/ 0" / "= Error 11",
//                                            "Error 11: Division by zero." on
//                                            standard error               status 1
//   spanwright --keys "5@"                 -> spanwright: --keys: character 2 '@'
//                                            is not a key                 status 2
//   spanwright --foo, spanwright -platform xcb
//                                          -> spanwright: unknown option '--foo' (see --help)
//                                                                         status 2
//   spanwright                             -> not a command line: the window starts
#include <optional>

namespace spanwright::app {

// The exit status when there is any argument (the window takes none, not
// even Qt's own: only the environment, QT_QPA_PLATFORM, QT_SCALE_FACTOR,
// reaches Qt), or nothing: start the window.
std::optional<int> RunCommandLine(int argc, char* argv[]);

}  // namespace spanwright::app
