#pragma once
// Plays scripts of keys and clicks (support/key_script.h) on the calculator
// core, as the window hands them over: a key event goes through the
// window's own key translation, a click or an option calls the core's act.
// The window's menu keys and [History] [Recall] have no meaning here.
namespace spanwright::test {

// Adds the rows of a data file (support/rows.h, AddNamedRows).
void AddKeyRows(const char* path);
// Plays the current row's keys on a new calculator and compares every other
// column: display, tag, picture (0 none, 1 + 2 - 3 * 4 /, 5 nothing pending),
// message (" // " between), menu ("Clear,-," and the stored texts),
// clipboard ("(none)" without text) and history (CR LF as "|"); the tape
// rebuilt from the edits the core handed out must be its tape.
void RunKeyRow();

}  // namespace spanwright::test
