// The entry keys: digits, point, feet and inch marks, F, N, backspace,
// clear entry. They build the display text one character at a time and
// never parse it.
//   5, feet, 3, F, 1, divide, 2  -> 5'3-1/2
//   after a result: "." -> 0.    F -> 0-    N -> the result's sign toggled
//   F on 5" -> 5-    F on 5' -> 5'0-    N on 0 -> 0
#include <QLabel>
#include <QPushButton>

#include "frmMain.h"

namespace spanwright {
namespace {

constexpr int kKeypadZero = 96;
constexpr int kDotKey = 110;
constexpr int kBackKey = 8;
constexpr int kDeleteKey = 46;

}  // namespace

// The buttons that hand their clicks to the keyboard map, and the ones that
// act directly. Equals, AC and Options are wired with the rest of the window.
void frmMain::ConnectKeys() {
    for (std::int16_t i = 0; i < 10; ++i)
        connect(cmdNum[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { cmdNum_Click(i); });
    connect(cmdDot, &QPushButton::clicked, this, [this] { cmdDot_Click(); });
    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    connect(cmdDelete, &QPushButton::clicked, this, [this] { cmdDelete_Click(); });
    connect(cmdFeet, &QPushButton::clicked, this, [this] { cmdFeet_Click(); });
    connect(cmdInches, &QPushButton::clicked, this, [this] { cmdInches_Click(); });
    connect(cmdFraction, &QPushButton::clicked, this, [this] { cmdFraction_Click(); });
    connect(cmdNeg, &QPushButton::clicked, this, [this] { cmdNeg_Click(); });
    connect(cmdAdd, &QPushButton::clicked, this, [this] { cmdAdd_Click(); });
    connect(cmdSubtract, &QPushButton::clicked, this, [this] { cmdSubtract_Click(); });
    connect(cmdMultiply, &QPushButton::clicked, this, [this] { cmdMultiply_Click(); });
    connect(cmdDivide, &QPushButton::clicked, this, [this] { cmdDivide_Click(); });
    connect(cmdHistory, &QPushButton::clicked, this, [this] { cmdHistory_Click(); });
    InstallKeyFilter();
}

void frmMain::cmdNum_Click(std::int16_t Index) { Form_KeyDown(kKeypadZero + Index, 0); }

void frmMain::cmdDot_Click() {
    if (!blnInKeyDown) return Form_KeyDown(kDotKey, 0);
    if (blnNewExpresion) {
        lblDisplay->setText(QStringLiteral("0."));
        blnNewExpresion = false;
        StartNewOperand();
    } else if (!lblDisplay->text().contains(QLatin1Char('.'))) {
        lblDisplay->setText(lblDisplay->text() + QLatin1Char('.'));
    }
}

void frmMain::cmdBack_Click() {
    if (!blnInKeyDown) return Form_KeyDown(kBackKey, 0);
    const QString before = lblDisplay->text();
    if (!before.isEmpty()) lblDisplay->setText(before.chopped(1));
    NoteChange(before);
}

// Clear entry: "12" -> "", "0" stays "0", "" clears all. A begun fraction
// ends with the entry, so a later divide key divides.
void frmMain::cmdDelete_Click() {
    if (!blnInKeyDown) return Form_KeyDown(kDeleteKey, 0);
    const QString before = lblDisplay->text();
    if (before.isEmpty()) return cmdAC_Click();
    if (before != QLatin1String("0")) lblDisplay->setText(QString());
    blnFraction = false;
    NoteChange(before);
}

// Clicked, the AC button empties the display and the square tag together,
// so the Delete it hands to the map always finds an empty display.
void frmMain::cmdAC_Click() {
    if (!blnInKeyDown) {
        lblDisplay->setText(QString());
        lblSquare->setText(QString());
        return Form_KeyDown(kDeleteKey, 0);
    }
    cmdAC_Act();
    blnFraction = false;
}

void frmMain::cmdFeet_Click() { AppendMark(QLatin1Char('\'')); }

void frmMain::cmdInches_Click() { AppendMark(QLatin1Char('"')); }

// 5 -> 5'; "" and 5'3 stay as they are. A mark after a shown result is a
// new operand.
void frmMain::AppendMark(QChar mark) {
    const QString before = DirectKeyStart();
    if (!before.isEmpty() && !before.contains(mark)) lblDisplay->setText(before + mark);
    NoteChange(before);
    FocusBack();
}

void frmMain::cmdFraction_Click() {
    const QString before = DirectKeyStart();
    if (before.contains(QLatin1Char('-')) && !blnNewExpresion) return FocusBack();
    if (before.isEmpty() || blnNewExpresion) {
        lblDisplay->setText(QStringLiteral("0-"));
        if (blnNewExpresion) StartNewOperand();
    } else if (before.endsWith(QLatin1Char('"'))) {
        lblDisplay->setText(before.chopped(1) + QLatin1Char('-'));
    } else if (before.endsWith(QLatin1Char('\''))) {
        lblDisplay->setText(before + QStringLiteral("0-"));
    } else {
        lblDisplay->setText(before + QLatin1Char('-'));
    }
    blnFraction = true;
    blnNewExpresion = false;
    FocusBack();
}

void frmMain::cmdNeg_Click() {
    const QString before = DirectKeyStart();
    if (before == QLatin1String("0")) return FocusBack();
    lblDisplay->setText(before.startsWith(QLatin1Char('-')) ? before.mid(1) : QLatin1Char('-') + before);
    NoteChange(before);
    FocusBack();
}

// The feet, inch, F and N buttons act without the map; clicked, they first
// turn a square tag into its mark as a key press would. Returns the display.
QString frmMain::DirectKeyStart() {
    if (!blnInKeyDown) CarryOverSquareUnits();
    return lblDisplay->text();
}

}  // namespace spanwright
