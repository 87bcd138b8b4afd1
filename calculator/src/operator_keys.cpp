// The operator and equals keys, and the history they record.
//   2, add, 3, multiply, 4, equals  -> 20 (left to right, no precedence)
//   5, add, subtract, 3, equals     -> 2 (the second operator replaces the first)
//   4, F, 1, divide, 2              -> 4-1/2 (the divide key types the bar)
//   8, divide, 0, Enter             -> tape 8 / "/ 0" / "= Error 11"
#include "calculator/calculator.h"
#include "text.h"

namespace spanwright::calculator {
namespace {

// The text the history records for operator 1 add .. 4 divide.
std::string OperatorText(int op) {
    static const char* const kTexts[] = {"", "+ ", "- ", "* ", "/ "};
    return op >= 1 && op <= 4 ? kTexts[op] : "";
}

}  // namespace

// Enter completes the pending operation: 5, +, 3, Enter records 5 / + 3 / = 0'8".
bool Calculator::KeyEnter(int) {
    if (pendingOperator_ < 1) {
        if (!ReShowArea()) EqualsKey();
    } else {
        AddToHistory(display_.str());
        lastError_ = 0;
        EqualsKey();
        AddToHistory(ResultLine());
    }
    historyState_ = 1;
    operatorLast_ = false;
    newOperand_ = false;
    return true;
}

// An operator key applies the pending one and records the step:
//   first operator:  "5" CRLF "+ "  (after a result: CRLF "+ "; after a
//                    newly keyed value: CRLF CRLF value CRLF "+ ")
//   chained:         "3" CRLF "= 0'8"" CRLF "- "
//   right after one: "ChangeOp" swaps the operator just recorded
// While a fraction is begun the divide key types the bar and records nothing.
bool Calculator::KeyOperator(int op) {
    if (op == mdlDoMath::kDivide && fractionBegun_) {
        OperatorAct(op);
        if (historyState_ != 2) historyState_ = 0;  // a bar after "clr" keeps the next line under it
        fractionBegun_ = false;
        return true;
    }
    lastError_ = 0;
    if (pendingOperator_ == mdlDoMath::kNone) {
        if (tape_.empty() || historyState_ == 2) AddToHistory(display_.str());
        else if (newOperand_) AddToHistory("\r\n\r\n" + display_.str());
        OperatorAct(op);
        AddToHistory(ErrorLine() + "\r\n" + OperatorText(op));
    } else if (operatorLast_) {
        OperatorAct(op);
        AddToHistory("ChangeOp");
    } else {
        AddToHistory(display_.str());
        OperatorAct(op);
        AddToHistory(ResultLine() + "\r\n" + OperatorText(op));
    }
    historyState_ = 0;
    operatorLast_ = true;
    return true;
}

// Applies the pending operator (unless the previous key was an operator
// too) and makes op the pending one; while a fraction is begun the divide
// key types the fraction bar instead: 4-1 -> 4-1/.
void Calculator::OperatorAct(int op) {
    if (op == mdlDoMath::kDivide && fractionBegun_) {
        display_ += '/';
        return;
    }
    if (!operatorLast_) display_ = Evaluate(pendingOperator_);
    newExpression_ = true;
    pendingOperator_ = op;
    picture_ = op;
}

// Outside a pass of the map (an option change), equals is an Enter press.
void Calculator::EqualsKey() {
    if (!inKeyDown_) KeyPass(keys::kEnter, 0);
    else EqualsAct();
}

// Applies the pending operator to the display and leaves nothing pending:
// "3'4-1/2\"" with nothing pending -> display "3'4-1/2\"" (total 40.5).
void Calculator::EqualsAct() {
    picture_ = kNothingPendingPicture;
    display_ = Evaluate(pendingOperator_);
    pendingOperator_ = mdlDoMath::kNone;
    newExpression_ = true;
}

// Enter with nothing pending on a square result (its tag consumed by this
// very key) shows the same area in the square unit now chosen:
//   432 sqIn, "Square Feet" chosen -> 3 sqFt; back -> 432 sqIn.
// False when there is no area to re-show; the plain equals key then runs.
bool Calculator::ReShowArea() {
    if (carriedTag_.empty() || options_.square != 1) return false;
    const auto step = mdlDoMath::ReShowArea(display_.str(), carriedTag_, options_);
    if (!step) return false;
    picture_ = kNothingPendingPicture;
    display_ = ShowStep(*step);
    pendingOperator_ = mdlDoMath::kNone;
    newExpression_ = true;
    return true;
}

std::string Calculator::Evaluate(int op) {
    return ShowStep(mdlDoMath::DoMath(runningTotal_, display_.str(), op, options_, carriedTag_));
}

// Keeps a step's total and tag; a failure is told, clears all, and leaves
// "0" on the display.
std::string Calculator::ShowStep(const mdlDoMath::StepResult& step) {
    if (!step.squareTag.empty()) squareTag_ = step.squareTag;
    if (step.ok()) {
        runningTotal_ = step.quantity;
        return step.text;
    }
    lastError_ = step.error;  // the history records "= Error N" for the step
    outcome_.messages.push_back({step.error, "Error " + std::to_string(step.error) + ": " + step.errorText});
    ClearAllAct();
    return "0";
}

// CRLF "= " and the display, or CRLF "= Error N" when the evaluation failed
// (the "0" a failure leaves is no result). A cubic, square-yard or
// square-meter result is written with its tag: "= 40 cuFt".
std::string Calculator::ResultLine() const {
    if (lastError_) return ErrorLine();
    return "\r\n= " + display_.str() + (units::WrittenWithNumber(squareTag_) ? " " + squareTag_ : std::string());
}

std::string Calculator::ErrorLine() const {
    return lastError_ ? "\r\n= Error " + std::to_string(lastError_) : std::string();
}

// "ChangeOp" swaps the operator just recorded for the pending one; a tape
// cleared since then has nothing to swap, and the operator is appended.
//   "5\r\n+ " with - pending -> "5\r\n- "      "" -> "- "
void Calculator::AddToHistory(const std::string& text) {
    if (text != "ChangeOp") return TapeAppend(text);
    if (text::HasAtLeast(tape_, 2)) {
        outcome_.tapeEdits.push_back({TapeEdit::Kind::RemoveLast, text::DropLast(tape_, 2)});
    }
    TapeAppend(OperatorText(pendingOperator_));
}

void Calculator::TapeAppend(const std::string& text) {
    if (text.empty()) return;
    tape_ += text;
    auto& edits = outcome_.tapeEdits;
    if (!edits.empty() && edits.back().kind == TapeEdit::Kind::Append) edits.back().text += text;
    else edits.push_back({TapeEdit::Kind::Append, text});
}

}  // namespace spanwright::calculator
