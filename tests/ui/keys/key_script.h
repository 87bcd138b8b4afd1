#pragma once
// Plays a script of keys and clicks on a real main window, as a keyboard and
// a mouse send them. Tokens are separated by blanks:
//   5 ' . f n / - + * " =  a character as a US keyboard types it (the key
//                          and its text; a Shift key-down first where the
//                          layout needs one: " * + !)
//   Enter Del Back Tab Down Shift Ctrl         keys with no character
//   Ctrl+f Ctrl+/ Ctrl+' Ctrl+Shift+c          Ctrl held (Qt key and text)
//   Kp7 Kp+ Kp- Kp* Kp/ Kp. Kp,                the numeric keypad
//   De:' De:" De:/ De:* De:+                   a German layout's events
//   Fr:1                                       Shift+& on a French layout
//   [7] [.] [+] [-] [*] [/] [=] [AC] [CE] [<-] [F] [N] [ft] [in] [History]
//                                              a mouse click on the button
//   {Decimal} {Fractional} {Square} {RoundOn} {Format=0} {Round=7}
//   {ClearHistory}                              the options panel, the history's Clear
//   Play(w, "3 ' 4 f 1 / 2 \" + 1 0 Enter") -> display 4'2-1/2"
#include <QString>

namespace spanwright {
class frmMain;
}

namespace spanwright::test {

void Play(frmMain& w, const QString& script);

// The history text with each CR LF written as "|": "5|+ 3|= 0'8\"".
QString HistoryLines(frmMain& w);

}  // namespace spanwright::test
