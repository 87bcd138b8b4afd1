#pragma once
// Plays a script of keys and clicks on a real main window, as a keyboard and
// a mouse send them, and runs the rows of a data file of such scripts (the
// same tokens as the core's rows, tests/calculator/key_rows.h, plus the open
// menu's keys and [History] [Recall]).
// Tokens are separated by blanks:
//   5 ' . f n / - + * " = !  a character as a US keyboard types it (its key and
//                           text; a Shift key-down first for " * + !)
//   Enter Del Back Tab Down Esc Shift Ctrl    keys with no character (to the
//                                             open menu when one is open)
//   Ctrl+f Ctrl+/ Ctrl+' Ctrl+c Ctrl+v Ctrl+Shift+c    Ctrl held
//   Kp7 Kp+ Kp. Kp,         the numeric keypad
//   De:' De:" De:/ De:* De:+ Fr:1    a German or French layout's events
//   [7] [+] [=] [AC] [CE] [<-] [F] [N] [ft] [in] [History] [Store] [Recall]
//   [Paste] [Copy]          a mouse click on the button
//   {Decimal} {Fractional} {Square} {RoundOn} {Format=0} {Round=7}
//   {ClearHistory}          the options panel, the history's Clear
//   recall:3                Recall, then a click on item 3 of its menu
//   fill:11                 stores 1 to 11, each keyed after a clear entry
//   clip:3'  clip:a\sb  clip:image  clip:none    the clipboard's content
//   set:ListCount=25        a setting, only before the first other token
// In texts \s is a blank, \r \n \t are CR, LF and tab.
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
