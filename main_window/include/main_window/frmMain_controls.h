#pragma once
// The main window's controls, by the names the window gives them: the
// window holds them privately (frmMain inherits this struct privately, so
// its code names them directly) and tests read them through
// frmMain::ForTest().controls, clicking and reading the live widgets.
//   w.ForTest().controls.cmdNum[7]   -> the "7" button
//   w.ForTest().controls.cp->MenuItemCount() -> 2 on a first run ("Clear", "-")
#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace spanwright::platform {
class PictureBox;
class PopupMenu;
}  // namespace spanwright::platform

namespace spanwright {

class DisplayLabel;

struct frmMainControls {
    // Display row.
    platform::PictureBox* Picture1 = nullptr;
    DisplayLabel* lblDisplay = nullptr;
    QLabel* lblSpacer = nullptr;
    DisplayLabel* lblSquare = nullptr;

    // Keypad; cmdNum is indexed by the digit it carries.
    std::array<QPushButton*, 10> cmdNum{};
    QPushButton *cmdNeg = nullptr, *cmdDot = nullptr, *cmdDivide = nullptr, *cmdMultiply = nullptr;
    QPushButton *cmdSubtract = nullptr, *cmdAdd = nullptr, *cmdFeet = nullptr, *cmdInches = nullptr;
    QPushButton *cmdFraction = nullptr, *cmdEquals = nullptr;

    // Function buttons.
    QPushButton *cmdBack = nullptr, *cmdDelete = nullptr, *cmdAC = nullptr, *cmdPaste = nullptr;
    QPushButton *cmdClipboard = nullptr, *cmdStair = nullptr, *cmdOptions = nullptr;
    QPushButton *cmdHistory = nullptr, *cmdStore = nullptr, *cmdRecall = nullptr, *cmdAbout = nullptr;
    QPushButton* cmdLayout = nullptr;  // the layout tools (a picture of a right triangle)

    // Options panel.
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, 2> optOutput{};
    QCheckBox *chkRound = nullptr, *chkSquare = nullptr;
    QComboBox *cmbFormat = nullptr, *cmbRound = nullptr;

    // The memory's Recall menu (made at start-up).
    std::unique_ptr<platform::PopupMenu> cp;
};

}  // namespace spanwright
