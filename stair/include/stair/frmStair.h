#pragma once
// The stair calculator window: a side view of a stair with the three Risers
// fields (Text1) and the three Treads fields (Text2) placed next to what they
// measure, the Risers/Treads choice, and one summary line per direction.
// Every control sits at its twips position; a caption that the font makes
// wider or taller than its box grows by the least that fits.
//   Risers, Text1 = {"7.5", "", "108"}, Calculate
//     -> Text1[1] "15", Text1[2] "108", lblRiser 15 Risers @ 7.20" = 9'0"
//   Treads chosen -> Text2 enabled on the window colour, Text1 disabled on
//     the button colour; every text and both summaries stay.
//   Close -> the window is destroyed; the variables (owned by the caller) stay.
#include <QWidget>
#include <array>

#include "engine/options.h"
#include "platform/display_label.h"
#include "stair/stair_calc.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace spanwright::stair {

class StairDrawing;

class frmStair : public QWidget {
    Q_OBJECT
public:
    // `vars` and `options` must outlive the window: the main window owns both
    // and reads the options afresh at every Calculate. Runs Form_Load.
    frmStair(StairVariables& vars, const OutputOptions& options, QWidget* parent = nullptr);

    // Index 0 Risers, 1 Treads: enables that mode's fields, disables the others.
    void optStair_Click(int Index);
    void cmdCalculate_Click();
    void Command1_Click();

    QGroupBox* Frame1 = nullptr;
    std::array<QLineEdit*, 3> Text1{};  // maximum riser, number of risers, overall height
    std::array<QLineEdit*, 3> Text2{};  // maximum tread, number of treads, overall width
    QLabel* Label3 = nullptr;           // "Overall Width"
    QLabel* Label4 = nullptr;           // "Overall Hieght"
    QLabel* Label6 = nullptr;           // "Max Riser Hieght"
    QLabel* Label7 = nullptr;           // "Max Tread Width"
    QLabel* Label8 = nullptr;           // "Number of Risers"
    QLabel* Label9 = nullptr;           // "Number of Treads"
    StairDrawing* drawing = nullptr;
    QGroupBox* Frame2 = nullptr;
    // The summaries: a reader reads them as text and hears each new one.
    DisplayLabel* lblRiser = nullptr;
    DisplayLabel* lblTread = nullptr;
    QLabel* Label5 = nullptr;           // "Calculate for:"
    std::array<QRadioButton*, 2> optStair{};
    QLabel* Label11 = nullptr;          // the note
    QPushButton* cmdCalculate = nullptr;
    QPushButton* Command1 = nullptr;    // "Close"

private:
    void Form_Load();
    void SetFieldEnabled(QLineEdit* field, bool enabled);

    StairVariables& vars_;
    const OutputOptions& options_;
};

}  // namespace spanwright::stair
