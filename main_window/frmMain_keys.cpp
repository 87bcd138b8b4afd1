// Keys and the clicks that stand for them: every one goes to the calculator
// core's keyboard map, as a key code, and the window shows what came back.
//   '7' typed anywhere in the window -> Form_KeyDown(55, 0)
//   a click on cmdAdd                 -> Form_KeyDown(107, 0)
#include <QPushButton>

#include "main_window/frmMain.h"
#include "platform/key_translation.h"

namespace spanwright {

namespace keys = calculator::keys;

void frmMain::ConnectKeys() {
    for (std::int16_t i = 0; i < 10; ++i)
        connect(cmdNum[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { cmdNum_Click(i); });
    const std::pair<QPushButton*, void (frmMain::*)()> buttons[] = {
        {cmdDot, &frmMain::cmdDot_Click},           {cmdBack, &frmMain::cmdBack_Click},
        {cmdDelete, &frmMain::cmdDelete_Click},     {cmdAC, &frmMain::cmdAC_Click},
        {cmdAdd, &frmMain::cmdAdd_Click},           {cmdSubtract, &frmMain::cmdSubtract_Click},
        {cmdMultiply, &frmMain::cmdMultiply_Click}, {cmdDivide, &frmMain::cmdDivide_Click},
        {cmdEquals, &frmMain::cmdEquals_Click},     {cmdFeet, &frmMain::cmdFeet_Click},
        {cmdInches, &frmMain::cmdInches_Click},     {cmdFraction, &frmMain::cmdFraction_Click},
        {cmdNeg, &frmMain::cmdNeg_Click},
    };
    for (const auto& [button, handler] : buttons) connect(button, &QPushButton::clicked, this, handler);
    platform::FilterKeys(*this, [this](platform::VirtualKey key) { return Form_KeyDown(key.KeyCode, key.Shift); });
}

// A key of the table gives the focus back (a clicked button does not keep
// it); any other key goes on to the control that has it.
bool frmMain::Form_KeyDown(int KeyCode, int Shift) {
    const calculator::Outcome outcome = core_.KeyDown(KeyCode, Shift, ClipboardText);
    Show(outcome, outcome.consumed);
    return outcome.consumed;
}

void frmMain::cmdNum_Click(std::int16_t Index) { Form_KeyDown(keys::kKeypad0 + Index, 0); }
void frmMain::cmdDot_Click() { Form_KeyDown(keys::kKeypadPoint, 0); }
void frmMain::cmdBack_Click() { Form_KeyDown(keys::kBackspace, 0); }
void frmMain::cmdDelete_Click() { Form_KeyDown(keys::kDelete, 0); }
void frmMain::cmdAdd_Click() { Form_KeyDown(keys::kKeypadAdd, 0); }
void frmMain::cmdSubtract_Click() { Form_KeyDown(keys::kMinus, 0); }
void frmMain::cmdMultiply_Click() { Form_KeyDown(keys::kKeypadMultiply, 0); }
void frmMain::cmdDivide_Click() { Form_KeyDown(keys::kSlash, 0); }
void frmMain::cmdEquals_Click() { Form_KeyDown(keys::kEnter, 0); }
void frmMain::cmdAC_Click() { Show(core_.ClickClearAll()); }
void frmMain::cmdFeet_Click() { Show(core_.Click(calculator::DirectKey::Feet)); }
void frmMain::cmdInches_Click() { Show(core_.Click(calculator::DirectKey::Inches)); }
void frmMain::cmdFraction_Click() { Show(core_.Click(calculator::DirectKey::Fraction)); }
void frmMain::cmdNeg_Click() { Show(core_.Click(calculator::DirectKey::Sign)); }

}  // namespace spanwright
