// The keyboard map: every key of the calculator, typed or clicked, passes
// through Form_KeyDown and its one table, and the history is recorded here.
//   "3", "'", "4", "f", "1", "/", "2"  -> display 3'4-1/2 (the bar, not divide)
//   then "+", "1", "0", Enter          -> history 3'4-1/2 / + 10 / = 4'2-1/2"
//   Shift+8 ("*") multiplies; "8" types 8; Shift+"=" ("+") adds; "=" does nothing
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

#include "engine/mdlDisplay.h"
#include "frmMain.h"
#include "history/frmHistory.h"
#include "platform/key_translation.h"

namespace spanwright {
namespace {

constexpr int kMaxEntry = 15;  // characters a keyed entry may reach

}  // namespace

// Which modifier states a row of the key table accepts.
enum class frmMain::Modifiers { None, ShiftOnly, CtrlOnly, Any };

// One row: the codes first..last with the modifiers; the action gets
// value + (KeyCode - first) and returns false when it refuses the key.
struct frmMain::KeyRow {
    int first;
    int last;
    Modifiers modifiers;
    bool (frmMain::*action)(int value);
    int value;
};

const frmMain::KeyRow* frmMain::FindKey(int KeyCode, int Shift) {
    static constexpr KeyRow kTable[] = {
        {48, 57, Modifiers::None, &frmMain::KeyDigit, 0},      // digit row
        {96, 105, Modifiers::None, &frmMain::KeyDigit, 0},     // keypad digits
        {110, 110, Modifiers::Any, &frmMain::KeyDot, 0},       // keypad point
        {190, 190, Modifiers::Any, &frmMain::KeyDot, 0},       // period key
        {222, 222, Modifiers::ShiftOnly, &frmMain::KeyDirect, 1},  // "
        {222, 222, Modifiers::Any, &frmMain::KeyDirect, 0},        // '
        {70, 70, Modifiers::Any, &frmMain::KeyDirect, 2},          // F
        {78, 78, Modifiers::Any, &frmMain::KeyDirect, 3},          // N
        {8, 8, Modifiers::Any, &frmMain::KeyBack, 0},
        {46, 46, Modifiers::Any, &frmMain::KeyDelete, 0},
        {13, 13, Modifiers::Any, &frmMain::KeyEnter, 0},
        {107, 107, Modifiers::Any, &frmMain::KeyOperator, 1},      // keypad +
        {187, 187, Modifiers::ShiftOnly, &frmMain::KeyOperator, 1},  // + on the = key
        {109, 109, Modifiers::Any, &frmMain::KeyOperator, 2},      // keypad -
        {189, 189, Modifiers::Any, &frmMain::KeyOperator, 2},      // minus key
        {106, 106, Modifiers::Any, &frmMain::KeyOperator, 3},      // keypad *
        {56, 56, Modifiers::ShiftOnly, &frmMain::KeyOperator, 3},  // * on the 8 key
        {111, 111, Modifiers::Any, &frmMain::KeyOperator, 4},      // keypad /
        {191, 191, Modifiers::Any, &frmMain::KeyOperator, 4},      // slash key
        {67, 67, Modifiers::CtrlOnly, &frmMain::KeyClipboard, 0},  // Ctrl+C copies
        {86, 86, Modifiers::CtrlOnly, &frmMain::KeyClipboard, 1},  // Ctrl+V pastes
    };
    for (const KeyRow& row : kTable) {
        if (KeyCode < row.first || KeyCode > row.last) continue;
        const bool fits = row.modifiers == Modifiers::Any ||
                          (row.modifiers == Modifiers::None && Shift == 0) ||
                          (row.modifiers == Modifiers::ShiftOnly && Shift == 1) ||
                          (row.modifiers == Modifiers::CtrlOnly && Shift == 2);
        if (fits) return &row;
    }
    return nullptr;
}

void frmMain::Form_KeyDown(int KeyCode, int Shift) { HandleKey(KeyCode, Shift); }

bool frmMain::HandleKey(int KeyCode, int Shift) {
    blnInKeyDown = true;
    CarryOverSquareUnits();
    if (lblDisplay->text() == QLatin1String("0")) blnNewOperand = true;
    // A key outside the table only gets the steps above: it goes on to the
    // focused control (Tab, arrows, Space), so the focus is left where it is.
    const KeyRow* row = FindKey(KeyCode, Shift);
    if (row) {
        if ((this->*row->action)(row->value + (KeyCode - row->first))) History().ShowLastLine();
        FocusBack();  // a refused key too: a clicked button does not keep it
    }
    blnInKeyDown = false;
    return row != nullptr;
}

// A square result turns into a length entry at the next key-down, whatever
// the key: 432 with "sqIn" becomes 432" and the tag empties.
void frmMain::CarryOverSquareUnits() {
    const QString tag = lblSquare->text();
    carriedTag_ = tag;
    if (tag == QLatin1String("sqFt")) lblDisplay->setText(lblDisplay->text() + QLatin1Char('\''));
    else if (tag == QLatin1String("sqIn")) lblDisplay->setText(lblDisplay->text() + QLatin1Char('"'));
    else carriedTag_.clear();
    if (!tag.isEmpty()) lblSquare->setText(QString());
}

bool frmMain::KeyDigit(int digit) {
    QString display = lblDisplay->text();
    if (blnNewExpresion) {
        display.clear();
        blnNewExpresion = false;
        StartNewOperand();
    } else if (display.size() == kMaxEntry) {
        return false;  // a result of any length still gives way to a new entry
    }
    lblDisplay->setText(display + QChar(u'0' + digit));
    return true;
}

bool frmMain::KeyDot(int) {
    const QString display = lblDisplay->text();
    if (!blnNewExpresion && (display.size() == kMaxEntry || display.contains(QLatin1Char('-')))) return false;
    cmdDot_Click();
    return true;
}

// The four keys that act the same clicked or typed.
bool frmMain::KeyDirect(int which) {
    switch (which) {
        case 0: cmdFeet_Click(); break;
        case 1: cmdInches_Click(); break;
        case 2: cmdFraction_Click(); break;
        default: cmdNeg_Click(); break;
    }
    return true;
}

bool frmMain::KeyBack(int) {
    cmdBack_Click();
    lblSquare->setText(QString());
    blnOperatorLast = false;
    return true;
}

// Delete clears the entry; on an empty display it clears all ("Del Del").
bool frmMain::KeyDelete(int) {
    if (lblDisplay->text().isEmpty()) {
        cmdAC_Click();
        lblSquare->setText(QString());
        AddToHistory(QStringLiteral("\r\nclr\r\n\r\n"));
        intHistoryState = 2;
        blnOperatorLast = false;
        blnNewOperand = false;
    } else {
        cmdDelete_Click();
        lblSquare->setText(QString());
    }
    return true;
}

// Enter completes the pending operation: 5, +, 3, Enter records 5 / + 3 / = 0'8".
bool frmMain::KeyEnter(int) {
    if (mdlDisplay::lngOperator < 1) {
        if (!ReShowArea()) cmdEquals_Click();
    } else {
        AddToHistory(lblDisplay->text());
        lastError_ = 0;
        cmdEquals_Click();
        AddToHistory(ResultLine());
    }
    intHistoryState = 1;
    blnOperatorLast = false;
    blnNewOperand = false;
    return true;
}

// An operator key applies the pending one and records the step:
//   first operator:  "5" CRLF "+ "  (after a result: CRLF "+ "; after a
//                    newly keyed value: CRLF CRLF value CRLF "+ ")
//   chained:         "3" CRLF "= 0'8"" CRLF "- "
//   right after one: "ChangeOp" swaps the operator just recorded
// While a fraction is begun the divide key types the bar and records nothing.
bool frmMain::KeyOperator(int op) {
    if (op == 4 && blnFraction) {
        cmdDivide_Click();
        if (intHistoryState != 2) intHistoryState = 0;  // a bar after "clr" keeps the next line under it
        blnFraction = false;
        return true;
    }
    const QString display = lblDisplay->text();
    lastError_ = 0;
    if (mdlDisplay::lngOperator == 0) {
        if (History().Length() == 0 || intHistoryState == 2) AddToHistory(display);
        else if (blnNewOperand) AddToHistory(QStringLiteral("\r\n\r\n") + display);
        PerformOperator(op);
        AddToHistory(ErrorLine() + QStringLiteral("\r\n") + OperatorText(op));
    } else if (blnOperatorLast) {
        PerformOperator(op);
        AddToHistory(QStringLiteral("ChangeOp"));
    } else {
        AddToHistory(display);
        PerformOperator(op);
        AddToHistory(ResultLine() + QStringLiteral("\r\n") + OperatorText(op));
    }
    intHistoryState = 0;
    blnOperatorLast = true;
    return true;
}

// CRLF "= " and the display, or CRLF "= Error N" when the evaluation failed
// (the "0" a failure leaves is no result).
QString frmMain::ResultLine() const {
    return lastError_ ? ErrorLine() : QStringLiteral("\r\n= ") + lblDisplay->text();
}

QString frmMain::ErrorLine() const {
    return lastError_ ? QStringLiteral("\r\n= Error %1").arg(lastError_) : QString();
}

void frmMain::StartNewOperand() {
    blnOperatorLast = false;
    blnNewOperand = true;
}

// A key that changed the display made a new operand: the next operator
// uses it and the history writes it out in full.
void frmMain::NoteChange(const QString& before) {
    if (lblDisplay->text() != before) StartNewOperand();
}

namespace {

// Hands every key press meant for the main window, whatever child has the
// focus, to Form_KeyDown, and consumes the keys of its table. A key outside
// the table goes on and may climb to the parents, passing here again; its
// steps (the carry-over) do nothing the second time.
class KeyFilter final : public QObject {
public:
    explicit KeyFilter(frmMain& w) : QObject(&w), w_(w) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
            static_cast<QWidget*>(watched)->window() != &w_)
            return false;
        const platform::VirtualKey key = platform::TranslateKey(*static_cast<QKeyEvent*>(event));
        return w_.HandleKey(key.KeyCode, key.Shift);
    }

private:
    frmMain& w_;
};

}  // namespace

void frmMain::InstallKeyFilter() { qApp->installEventFilter(new KeyFilter(*this)); }

}  // namespace spanwright
