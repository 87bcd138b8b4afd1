// The options panel: showing and hiding it is the window's; each change of
// a control is an act of the calculator core, which refills the lists and
// re-shows the display as the options now say.
//   optOutput[1] clicked  -> core SelectOutput(1): decimal lists, the display re-shown
//   chkSquare checked     -> core SetSquareUnits(true): square lists, display "0"
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>

#include "main_window/frmMain.h"

namespace spanwright {

// A handler runs once per change of a control's value, by the user; the
// window's own changes are made with signals blocked.
void frmMain::ConnectOptions() {
    connect(cmdOptions, &QPushButton::clicked, this, &frmMain::cmdOptions_Click);
    for (std::int16_t index = 0; index < 2; ++index) {
        connect(optOutput[static_cast<std::size_t>(index)], &QRadioButton::toggled, this, [this, index](bool on) {
            if (on) optOutput_Click(index);
        });
    }
    connect(chkSquare, &QCheckBox::toggled, this, &frmMain::chkSquare_Click);
    connect(chkRound, &QCheckBox::toggled, this, &frmMain::chkRound_Click);
    connect(cmbFormat, &QComboBox::currentIndexChanged, this, &frmMain::cmbFormat_Click);
    connect(cmbRound, &QComboBox::currentIndexChanged, this, &frmMain::cmbRound_Click);
}

void frmMain::cmdOptions_Click() {
    SetPanelShown(!blnShowOptions);
    FocusBack();
}

void frmMain::optOutput_Click(std::int16_t Index) { Show(core_.SelectOutput(Index)); }
void frmMain::chkSquare_Click(bool Value) { Show(core_.SetSquareUnits(Value)); }
void frmMain::chkRound_Click(bool Value) { Show(core_.SetRounding(Value)); }
void frmMain::cmbFormat_Click(int ListIndex) { Show(core_.SelectFormat(ListIndex)); }
void frmMain::cmbRound_Click(int ListIndex) { Show(core_.SelectRounding(ListIndex)); }

}  // namespace spanwright
