#pragma once
// Plays scripts of keys and clicks (support/key_script.h) on a real main
// window, as a keyboard and a mouse send them (a key goes to the open menu
// when one is open), and runs the rows of a data file of such scripts.
//   Play(w, "3 ' 4 f 1 / 2 \" + 1 0 Enter") -> display 4'2-1/2"
#include <QString>

#include "support/main_window_fixture.h"

namespace spanwright::test {

void Play(frmMain& w, const QString& script);

// The history text with each CR LF written as "|": "5|+ 3|= 0'8\"".
QString HistoryLines(frmMain& w);

// Rows from a data file whose first row names the columns (support/rows.h).
void AddRows(const char* path);
// Plays the current row's keys on a new window and compares every other
// column: display, tag, picture (0 none, 1 + 2 - 3 * 4 /, 5 nothing pending),
// message (the message boxes' texts, " // " between), menu (the memory
// captions, "," between), clipboard ("(none)" without text) and history.
void RunRow();

}  // namespace spanwright::test
