// The entry keys: digits, point, feet and inch marks, F, N, backspace,
// clear entry and clear all. They build the display text one character at
// a time and never parse it.
//   5, feet, 3, F, 1, divide, 2  -> 5'3-1/2
//   after a result: "." -> 0.    F -> 0-    N -> the result's sign toggled
//   F on 5" -> 5-    F on 5' -> 5'0-    N on 0 -> 0
#include "calculator/calculator.h"

namespace spanwright::calculator {
namespace {

constexpr std::size_t kMaxEntry = 15;  // characters a keyed entry may reach

// An optional "-", digits and at most one point, with a digit: "-12.7", ".5".
bool IsDecimalNumber(std::string_view text) {
    if (!text.empty() && text.front() == '-') text.remove_prefix(1);
    bool digit = false, point = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') digit = true;
        else if (c == '.' && !point) point = true;
        else return false;
    }
    return digit;
}

// Whether the display holds exactly kMaxEntry characters.
bool AtEntryLimit(const DisplayText& display) { return display.CodePoints() == kMaxEntry; }

}  // namespace

bool Calculator::KeyDigit(int digit) {
    if (newExpression_) {
        display_.clear();
        newExpression_ = false;
        StartNewOperand();
    } else if (AtEntryLimit(display_)) {
        outcome_.refused = "the entry already holds 15 characters";
        return false;  // a result of any length still gives way to a new entry
    }
    display_ += static_cast<char>('0' + digit);
    return true;
}

bool Calculator::KeyDot(int) {
    if (!newExpression_ && AtEntryLimit(display_)) {
        outcome_.refused = "the entry already holds 15 characters";
        return false;
    }
    if (!newExpression_ && display_.Holds('-')) {
        outcome_.refused = "a point cannot follow the entry's '-'";
        return false;
    }
    DotAct();
    return true;
}

bool Calculator::KeyDirect(int which) {
    static constexpr DirectKey kKeys[] = {DirectKey::Feet, DirectKey::Inches, DirectKey::Fraction, DirectKey::Sign};
    DirectAct(kKeys[which]);
    return true;
}

// M and C type a metric unit after a decimal number: 5 M -> 5m, M again ->
// 5mm; 5 C -> 5c, then M -> 5cm. Anywhere else the key changes nothing.
bool Calculator::KeyUnit(int letter) {
    const std::string& d = display_.str();
    if (newExpression_ || d.empty()) {
        outcome_.refused = "a unit needs a number keyed before it";
        return false;
    }
    if (AtEntryLimit(display_)) {
        outcome_.refused = "the entry already holds 15 characters";
        return false;
    }
    std::string_view number = d;
    const char last = d.back();
    if (last == 'm' || last == 'c') {
        const bool complete = last == 'c' ? letter == 'c' : letter == 'c' || (d.size() >= 2 && (d[d.size() - 2] == 'm' || d[d.size() - 2] == 'c'));
        if (complete) {
            outcome_.refused = "the entry already holds a unit";
            return false;
        }
        number.remove_suffix(1);
    }
    if (!IsDecimalNumber(number)) {
        outcome_.refused = "a unit follows a decimal number only";
        return false;
    }
    display_ += static_cast<char>(letter);
    StartNewOperand();
    return true;
}

bool Calculator::KeyBack(int) {
    BackAct();
    squareTag_.clear();
    operatorLast_ = false;
    return true;
}

// Delete clears the entry; on an empty display it clears all ("Del Del").
bool Calculator::KeyDelete(int) {
    if (display_.empty()) {
        ClearAllAct();
        squareTag_.clear();
        AddToHistory("\r\nclr\r\n\r\n");
        historyState_ = 2;
        operatorLast_ = false;
        newOperand_ = false;
    } else {
        DeleteAct();
        squareTag_.clear();
    }
    return true;
}

void Calculator::DotAct() {
    if (newExpression_) {
        display_ = "0.";
        newExpression_ = false;
        StartNewOperand();
    } else if (!display_.Holds('.')) {
        display_ += '.';
    } else {
        outcome_.refused = "the entry already holds a point";
    }
}

void Calculator::BackAct() {
    if (display_.empty()) return;
    display_.DropLast();
    StartNewOperand();
}

// Clear entry: "12" -> "", "0" stays "0". A begun fraction ends with the
// entry, so a later divide key divides.
void Calculator::DeleteAct() {
    fractionBegun_ = false;
    if (display_ == "0" || display_.empty()) return;
    display_.clear();
    StartNewOperand();
}

// Clear all, also after every failed evaluation: display "0", nothing
// pending, total 0, and a begun fraction ends.
void Calculator::ClearAllAct() {
    display_ = "0";
    picture_ = kNothingPendingPicture;
    pendingOperator_ = mdlDoMath::kNone;
    runningTotal_ = units::Quantity{};
    newExpression_ = true;
    fractionBegun_ = false;
}

// Clicked, these keys act without the map, after turning a square tag into
// its mark as a key press would, so a click and a key give the same display.
void Calculator::DirectAct(DirectKey key) {
    if (!inKeyDown_) {
        CarryOverSquareUnits();
        shiftCarriedTag_.clear();
    }
    switch (key) {
        case DirectKey::Feet: return AppendMark('\'');
        case DirectKey::Inches: return AppendMark('"');
        case DirectKey::Fraction: return FractionAct();
        case DirectKey::Sign: return SignAct();
    }
}

// 5 -> 5'; "" and 5'3 stay as they are. A mark after a shown result is a
// new operand.
void Calculator::AppendMark(char mark) {
    if (!display_.empty() && display_.Holds(mark))
        outcome_.refused = mark == '\'' ? "the entry already holds a feet mark" : "the entry already holds an inch mark";
    if (display_.empty() || display_.Holds(mark)) return;
    display_ += mark;
    StartNewOperand();
}

void Calculator::FractionAct() {
    if (display_.Holds('-') && !newExpression_) return;
    if (display_.empty() || newExpression_) {
        display_ = "0-";
        if (newExpression_) StartNewOperand();
    } else if (display_.back() == '"') {
        display_.ReplaceBack('-');
    } else if (display_.back() == '\'') {
        display_ += "0-";
    } else {
        display_ += '-';
    }
    fractionBegun_ = true;
    newExpression_ = false;
}

void Calculator::SignAct() {
    if (display_ == "0") return;
    if (!display_.empty() && display_.front() == '-') display_.EraseFront();
    else display_.InsertFront('-');
    StartNewOperand();
}

// Also every key that changes a shown display (a mark, N, backspace, clear
// entry, after this key's square carry-over): the changed value is the next
// operator's operand and the history writes it out in full.
void Calculator::StartNewOperand() {
    operatorLast_ = false;
    newOperand_ = true;
}

}  // namespace spanwright::calculator
