// Copy and paste through the keyboard map, and the text that Recall and
// Paste put on the display.
//   Ctrl+C on a square-feet result 3 -> clipboard "3'" (the carry-over ran
//   first; the copy button copies "3")
//   Ctrl+V with "12 ft\n" -> display "12 ft\n", whole and untested
//   Ctrl+V with no text   -> nothing changes
#include "calculator/calculator.h"

namespace spanwright::calculator {

bool Calculator::KeyClipboard(int which) {
    if (which == 0) {
        outcome_.clipboard = display_.str();
    } else if (clipboard_ && *clipboard_) {
        if (const std::optional<std::string> text = (*clipboard_)()) PutOperand(*text);
    }
    return true;
}

// A recalled or pasted text is a new operand, as a keyed one is: a square
// tag does not glue its mark to it, and an operator key right after an
// operator uses it instead of only changing the operator. A pending new
// expression stays pending, so a digit still replaces the text.
void Calculator::PutOperand(const std::string& text) {
    squareTag_.clear();
    shiftCarriedTag_.clear();
    display_ = text;
    StartNewOperand();
}

}  // namespace spanwright::calculator
