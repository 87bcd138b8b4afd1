// The keyboard map: every key of the calculator, typed or clicked, passes
// through one pass and its one table, and the history is recorded here.
//   "3", "'", "4", "f", "1", "/", "2"  -> display 3'4-1/2 (the bar, not divide)
//   then "+", "1", "0", Enter          -> tape 3'4-1/2 / + 10 / = 4'2-1/2"
//   Shift+8 ("*") multiplies; "8" types 8; Shift+"=" ("+") adds; "=" does nothing
//   "1", "0", "m", "m"                 -> display 10mm (C and M type the metric units)
#include "calculator/calculator.h"

namespace spanwright::calculator {
namespace {

using namespace keys;

// Which Shift states a row of the key table accepts.
enum class Modifiers { None, ShiftOnly, NoneOrShift, CtrlOnly, Any };

// One row: the codes first..last with the modifiers; the action gets
// value + (code - first) and returns false when it refuses the key.
struct KeyRow {
    int first;
    int last;
    Modifiers modifiers;
    bool (Calculator::*action)(int value);
    int value;
};

}  // namespace

bool Calculator::KeyPass(int code, int shift) {
    static constexpr KeyRow kTable[] = {
        {kDigit0, kDigit0 + 9, Modifiers::None, &Calculator::KeyDigit, 0},
        {kKeypad0, kKeypad0 + 9, Modifiers::None, &Calculator::KeyDigit, 0},
        {kKeypadPoint, kKeypadPoint, Modifiers::Any, &Calculator::KeyDot, 0},
        {kPeriod, kPeriod, Modifiers::Any, &Calculator::KeyDot, 0},
        {kQuote, kQuote, Modifiers::ShiftOnly, &Calculator::KeyDirect, 1},  // "
        {kQuote, kQuote, Modifiers::Any, &Calculator::KeyDirect, 0},        // '
        {kLetterF, kLetterF, Modifiers::Any, &Calculator::KeyDirect, 2},
        {kLetterN, kLetterN, Modifiers::Any, &Calculator::KeyDirect, 3},
        {kLetterM, kLetterM, Modifiers::NoneOrShift, &Calculator::KeyUnit, 'm'},
        {kLetterC, kLetterC, Modifiers::NoneOrShift, &Calculator::KeyUnit, 'c'},
        {kBackspace, kBackspace, Modifiers::Any, &Calculator::KeyBack, 0},
        {kDelete, kDelete, Modifiers::Any, &Calculator::KeyDelete, 0},
        {kEnter, kEnter, Modifiers::Any, &Calculator::KeyEnter, 0},
        {kKeypadAdd, kKeypadAdd, Modifiers::Any, &Calculator::KeyOperator, 1},
        {kEquals, kEquals, Modifiers::ShiftOnly, &Calculator::KeyOperator, 1},  // + on the = key
        {kKeypadSubtract, kKeypadSubtract, Modifiers::Any, &Calculator::KeyOperator, 2},
        {kMinus, kMinus, Modifiers::Any, &Calculator::KeyOperator, 2},
        {kKeypadMultiply, kKeypadMultiply, Modifiers::Any, &Calculator::KeyOperator, 3},
        {kStar, kStar, Modifiers::ShiftOnly, &Calculator::KeyOperator, 3},  // * on the 8 key
        {kKeypadDivide, kKeypadDivide, Modifiers::Any, &Calculator::KeyOperator, 4},
        {kSlash, kSlash, Modifiers::Any, &Calculator::KeyOperator, 4},
        {kLetterC, kLetterC, Modifiers::CtrlOnly, &Calculator::KeyClipboard, 0},  // Ctrl+C copies
        {kLetterV, kLetterV, Modifiers::CtrlOnly, &Calculator::KeyClipboard, 1},  // Ctrl+V pastes
        {kLetterL, kLetterL, Modifiers::CtrlOnly, &Calculator::KeyLayoutTools, 0},
    };
    inKeyDown_ = true;
    CarryOverSquareUnits();
    // Shift goes down before "*" and "+" on most keyboards: the key it is
    // held for still reads the number Shift turned into an entry as the
    // area or volume it was (12' * 15' Enter, then Shift, "*").
    if (code == kShiftKey) {
        if (!carriedTag_.empty()) shiftCarriedTag_ = carriedTag_;
    } else {
        if (carriedTag_.empty()) carriedTag_ = shiftCarriedTag_;
        shiftCarriedTag_.clear();
    }
    if (display_ == "0") newOperand_ = true;
    const KeyRow* found = nullptr;
    for (const KeyRow& row : kTable) {
        if (code < row.first || code > row.last) continue;
        const bool fits = row.modifiers == Modifiers::Any || (row.modifiers == Modifiers::None && shift == 0) ||
                          (row.modifiers == Modifiers::ShiftOnly && shift == kShiftDown) ||
                          (row.modifiers == Modifiers::NoneOrShift && (shift == 0 || shift == kShiftDown)) ||
                          (row.modifiers == Modifiers::CtrlOnly && shift == kCtrlDown);
        if (fits) {
            found = &row;
            break;
        }
    }
    if (found && (this->*found->action)(found->value + (code - found->first))) outcome_.showLastLine = true;
    inKeyDown_ = false;
    return found != nullptr;
}

// Ctrl+L asks the window for its layout tools; the calculation is untouched.
bool Calculator::KeyLayoutTools(int) {
    outcome_.openLayoutTools = true;
    return true;
}

// A square result turns into a length entry at the next key, whatever the
// key: 432 with "sqIn" becomes 432" and the tag empties; feet get "'",
// meters "m", yards nothing. The key that carried it reads the number as
// the area or volume it was.
void Calculator::CarryOverSquareUnits() {
    carriedTag_.clear();
    if (squareTag_.empty()) return;
    if (units::ParseTag(squareTag_)) carriedTag_ = squareTag_;
    display_ += units::CarryMark(squareTag_);
    squareTag_.clear();
}

}  // namespace spanwright::calculator
