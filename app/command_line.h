#pragma once
// The command line: types text at a calculator with no window, no display
// connection and nothing written anywhere, and prints the display or the
// history tape; or solves a right triangle or lays out a stair.
//   spanwright --keys "3'4f1/2\"+10*2="    -> prints 8'5"                 status 0
//   spanwright --tape --keys "8/0="        -> prints 8 / "/ 0" / "= Error 11",
//                                            "Error 11: Division by zero." on
//                                            standard error               status 1
//   spanwright --keys "5@"                 -> spanwright: --keys: character 2 '@'
//                                            is not a key                 status 2
//   spanwright --triangle run=12\' pitch=4
//                                          -> rise 4'0" / run 12'0" / diagonal 12'7-13/16" /
//                                             pitch 4/12 / angle 18.43            status 0
//   spanwright --stair rise=9\' tread=10\" code=irc
//                                          -> risers 14 / riser 7-11/16" / ... /
//                                             check riser pass 7.714 <= 7.75      status 0
//   spanwright --triangle run=abc pitch=4  -> Run: Invalid input.                status 2
//   spanwright --triangle rise=5 diagonal=4 -> The diagonal must be longer than
//                                             the rise.                          status 1
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
