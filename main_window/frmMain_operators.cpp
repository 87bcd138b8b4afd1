// The operator and equals keys. A click hands the key to the keyboard map,
// which records the history and calls the handler back to act.
//   2, add, 3, multiply, 4, equals  -> 20 (left to right, no precedence)
//   5, add, subtract, 3, equals     -> 2 (the second operator replaces the first)
//   4, F, 1, divide, 2              -> 4-1/2 (the divide key types the bar)
#include <QLabel>

#include "engine/errors.h"
#include "engine/mdlConvertInput.h"
#include "engine/mdlDetType.h"
#include "engine/mdlDisplay.h"
#include "engine/mdlDoMath.h"
#include "frmMain.h"
#include "platform/picture_box.h"
#include "platform/pictures.h"

namespace spanwright {
namespace {

constexpr int kEnterKey = 13;
// By operator code 1 add .. 4 divide: the key a click hands to the map, and
// the text the history records.
constexpr int kOperatorKey[] = {kEnterKey, 107, 189, 106, 191};
const char* const kOperatorText[] = {"", "+ ", "- ", "* ", "/ "};

}  // namespace

void frmMain::cmdEquals_Click() {
    if (!blnInKeyDown) return Form_KeyDown(kEnterKey, 0);
    cmdEquals_Act();
}

void frmMain::cmdAdd_Click() { OperatorAct(1); }
void frmMain::cmdSubtract_Click() { OperatorAct(2); }
void frmMain::cmdMultiply_Click() { OperatorAct(3); }
void frmMain::cmdDivide_Click() { OperatorAct(4); }

void frmMain::PerformOperator(int op) {
    switch (op) {
        case 1: cmdAdd_Click(); break;
        case 2: cmdSubtract_Click(); break;
        case 3: cmdMultiply_Click(); break;
        case 4: cmdDivide_Click(); break;
        default: break;
    }
}

QString frmMain::OperatorText(int op) {
    return QLatin1String(op >= 1 && op <= 4 ? kOperatorText[op] : "");
}

// Applies the pending operator (unless the previous key was an operator
// too) and makes op the pending one; while a fraction is begun the divide
// key types the fraction bar instead: 4-1 -> 4-1/.
void frmMain::OperatorAct(int op) {
    if (!blnInKeyDown) return Form_KeyDown(kOperatorKey[op], 0);
    if (op == 4 && blnFraction) {
        lblDisplay->setText(lblDisplay->text() + QLatin1Char('/'));
        return FocusBack();
    }
    if (!blnOperatorLast) {
        lblDisplay->setText(QString::fromStdString(
            mdlDoMath::DoMath(lblDisplay->text().toStdString(), mdlDisplay::lngOperator, *this, *this)));
    }
    blnNewExpresion = true;
    mdlDisplay::lngOperator = op;
    Picture1->SetPicture(&platform::ImageList1(), op);
    FocusBack();
}

// Enter with nothing pending on a square result (its tag consumed by this
// very key) shows the same area in the square unit now chosen:
//   432 sqIn, "Square Feet" chosen -> 3 sqFt; back -> 432 sqIn.
// The area, in square inches, is multiplied by 1 so that the evaluator picks
// the unit and the tag as it did for the product. False when there is no
// area to re-show; the plain equals key then runs.
bool frmMain::ReShowArea() {
    if (carriedTag_.isEmpty() || SquareValue() != 1) return false;
    const std::string text = lblDisplay->text().toStdString();
    double squareInches = 0;
    try {
        const double v = mdlConvertInput::ConvertInput(text, mdlDetType::DetType(text));
        squareInches = carriedTag_ == QLatin1String("sqFt") ? v * 12 : v;
    } catch (const NumberedError&) {
        return false;  // the equals key reports it
    }
    mdlDoMath::dblTotal = squareInches;
    mdlDisplay::lngOperator = 3;
    // The "1" is the evaluator's operand, not something to announce.
    static_cast<QLabel*>(lblDisplay)->setText(QStringLiteral("1"));
    cmdEquals_Act();
    return true;
}

}  // namespace spanwright
