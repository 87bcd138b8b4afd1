// The main window as the engine sees it (output options, square tag, error
// report, clear all), and the acting parts of the equals and clear-all keys.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

#include "engine/mdlDisplay.h"
#include "engine/mdlDoMath.h"
#include "frmMain.h"
#include "platform/message_box.h"
#include "platform/picture_box.h"
#include "platform/pictures.h"

namespace spanwright {
namespace {
constexpr int kNothingPendingPicture = 5;
}

bool frmMain::FractionalSelected() const { return optOutput[0]->isChecked(); }
bool frmMain::DecimalSelected() const { return optOutput[1]->isChecked(); }
int frmMain::FormatPosition() const { return cmbFormat->currentIndex(); }
int frmMain::SquareValue() const { return chkSquare->isChecked() ? 1 : 0; }
int frmMain::RoundValue() const { return chkRound->isChecked() ? 1 : 0; }
int frmMain::RoundPosition() const { return cmbRound->currentIndex(); }

void frmMain::SetSquareTag(const std::string& tag) { lblSquare->setText(QString::fromStdString(tag)); }

void frmMain::ReportError(int number, const std::string& description) {
    lastError_ = number;  // the history records "= Error N" for the step
    platform::MessageBox::Show(QStringLiteral("Error %1: %2").arg(number).arg(QString::fromStdString(description)),
                               platform::MessageIcon::Critical, QStringLiteral("Spanwright"), this);
}

void frmMain::ClearAll() { cmdAC_Click(); }

// Applies the pending operator to the display and leaves nothing pending:
// "3'4-1/2\"" with nothing pending -> display "3'4-1/2\"" (total 40.5).
void frmMain::cmdEquals_Act() {
    Picture1->SetPicture(&platform::ImageList1(), kNothingPendingPicture);
    const std::string result =
        mdlDoMath::DoMath(lblDisplay->text().toStdString(), mdlDisplay::lngOperator, *this, *this);
    lblDisplay->setText(QString::fromStdString(result));
    mdlDisplay::lngOperator = 0;
    blnNewExpresion = true;
    FocusBack();
}

void frmMain::cmdAC_Act() {
    lblDisplay->setText(QStringLiteral("0"));
    Picture1->SetPicture(&platform::ImageList1(), kNothingPendingPicture);
    mdlDisplay::lngOperator = 0;
    mdlDoMath::dblTotal = 0;
    blnNewExpresion = true;
}

}  // namespace spanwright
