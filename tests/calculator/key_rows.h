#pragma once
// Plays a script of keys and clicks on the calculator core, as the window
// hands them over, and runs the rows of a data file of such scripts.
// Tokens are separated by blanks:
//   5 ' . f n / - + * " = !  a character as a US keyboard types it: its key
//                           event through the window's key translation (a
//                           Shift key first for " * + !, as a keyboard sends it)
//   Enter Del Back Tab Shift Ctrl          keys with no character
//   Ctrl+f Ctrl+/ Ctrl+' Ctrl+c Ctrl+v Ctrl+Shift+c    Ctrl held
//   Kp7 Kp+ Kp. Kp,         the numeric keypad
//   De:' De:" De:/ De:* De:+ Fr:1    a German or French layout's events
//   [7] [+] [=] [AC] [CE] [<-] [F] [N] [ft] [in] [Store] [Paste] [Copy]
//                           a click on the button
//   {Decimal} {Fractional} {Square} {RoundOn} {Format=0} {Round=7}
//   {ClearHistory}          the options panel, the history's Clear
//   recall:3                a choice of item 3 of the Recall menu (1 Clear)
//   fill:11                 stores 1 to 11, each keyed after a clear entry
//   clip:3'  clip:a\sb  clip:image  clip:none    the clipboard's content
//   set:ListCount=25        a saved setting (Output, Square, Format, Round, RoundOn,
//                           ListCount), only before the first other token
// In texts \s is a blank, \r \n \t are CR, LF and tab.
#include <QString>

namespace spanwright::test {

// Adds the rows of a data file (support/rows.h, AddNamedRows).
void AddKeyRows(const char* path);
// Plays the current row's keys on a new calculator and compares every other
// column: display, tag, picture (0 none, 1 + 2 - 3 * 4 /, 5 nothing pending),
// message (" // " between), menu ("Clear,-," and the stored texts),
// clipboard ("(none)" without text) and history (CR LF as "|").
void RunKeyRow();

}  // namespace spanwright::test
