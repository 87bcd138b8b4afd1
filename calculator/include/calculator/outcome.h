#pragma once
// What one act of the calculator raised, for the window (or the command
// line) to show; everything else is state, read after the act.
//   8 / 0 Enter  -> messages {11, "Error 11: Division by zero."},
//                   tape edits: append "0", append "\r\n= Error 11"
//   "+" then "-"  -> tape edits: append "\r\n+ ", remove "+ ", append "- "
//   Ctrl+C on 5  -> clipboard "5"
//   Tab          -> consumed false (it goes on to the focused control)
//   Ctrl+L       -> openLayoutTools (the calculation is left as it was)
//   a 16th digit -> refused "the entry already holds 15 characters" (nothing changed)
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace spanwright::calculator {

struct Message {
    int number = 0;
    std::string text;  // as the box shows it: "Error 13: Invalid input."
};

// One change of the history tape, which the calculator alone keeps: a view
// of it applies the edit to what it shows. Appends that follow each other
// come as one.
struct TapeEdit {
    enum class Kind { Append, RemoveLast, Clear };
    Kind kind = Kind::Append;
    // UTF-8, CR LF between lines: Append, what was added at the end;
    // RemoveLast, what was taken from the end (whole characters).
    std::string text;
};

struct Outcome {
    bool consumed = false;                 // a key of the keyboard map's table
    std::optional<std::string> clipboard;  // text to put on the clipboard
    std::vector<Message> messages;         // in the order they were raised
    std::vector<TapeEdit> tapeEdits;
    bool showLastLine = false;             // the history should show its last line
    bool openLayoutTools = false;          // Ctrl+L: the window opens its layout tools
    // An entry key that changed nothing because the entry cannot take it,
    // and why; the window says nothing, the command line reports it.
    std::optional<std::string> refused;
};

}  // namespace spanwright::calculator
