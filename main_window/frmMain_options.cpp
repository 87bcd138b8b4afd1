// The options panel: showing and hiding it, and the links between output
// mode, format list, rounding list and the two check boxes.
//   fractional "Inches" (2) -> decimal: "Inches" (3); decimal "Feet" (2) ->
//   fractional: "Feet and Inches" (1); rounding position 6 keeps 6 (1/64
//   Inch <-> 1E-06); fractional always has "Round to Nearest" checked and
//   disabled.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "engine/numeric.h"
#include "frmMain.h"

namespace spanwright {
namespace {

// Replaces a list's items without running its handler, leaving nothing
// selected (Qt would select the first item).
void Refill(QComboBox* list, const QStringList& items) {
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(items);
    list->setCurrentIndex(-1);
}

// "1 Inch", "1/2 Inch", ... "1/256 Inch".
const QStringList& FractionalSteps() {
    static const QStringList items = [] {
        QStringList list{QStringLiteral("1 Inch")};
        for (int k = 1; k <= 8; ++k) list << QStringLiteral("1/%1 Inch").arg(1 << k);
        return list;
    }();
    return items;
}

// "1", "0.1", "0.01", "0.001", "0.0001", "1E-05" ... "1E-08": each text
// re-read before the next tenth, so the values stay exact powers of ten.
const QStringList& DecimalSteps() {
    static const QStringList items = [] {
        QStringList list{QStringLiteral("1")};
        std::string step = numeric::Text(0.1);
        while (numeric::Real(step) != 1e-9 && list.size() < 9) {
            list << QString::fromStdString(step);
            step = numeric::Text(numeric::Real(step) * 0.1);
        }
        return list;
    }();
    return items;
}

QStringList FormatItems(int mode, bool square) {
    if (square) {
        return mode == 0 ? QStringList{QStringLiteral("Square Inches")}
                         : QStringList{QStringLiteral("Square Feet"), QStringLiteral("Square Inches")};
    }
    if (mode == 0) return {QStringLiteral("None"), QStringLiteral("Feet and Inches"), QStringLiteral("Inches")};
    return {QStringLiteral("None"), QStringLiteral("Feet and Inches"), QStringLiteral("Feet"), QStringLiteral("Inches")};
}

// Where the format list lands after a refill, from its previous position p.
int FormatPositionAfterFill(int mode, bool square, int p) {
    if (!square) {
        if (p == -1) return 1;
        if (mode == 1 && p == 2) return 3;
        if (mode == 0 && p == 3) return 2;
        if (mode == 0 && p == 2) return 1;
        return p;
    }
    if (p == -1) return 1;
    if (mode == 1 && p == 0) return 1;
    return 0;
}

}  // namespace

void frmMain::ConnectHandlers() {
    connect(cmdOptions, &QPushButton::clicked, this, [this] { cmdOptions_Click(); });
    connect(cmdEquals, &QPushButton::clicked, this, [this] { cmdEquals_Click(); });
    connect(cmdAC, &QPushButton::clicked, this, [this] { cmdAC_Click(); });
    for (std::int16_t index = 0; index < 2; ++index) {
        connect(optOutput[static_cast<std::size_t>(index)], &QRadioButton::toggled, this, [this, index](bool on) {
            if (on) optOutput_Click(index);
        });
    }
    connect(chkSquare, &QCheckBox::toggled, this, [this] { chkSquare_Click(); });
    connect(chkRound, &QCheckBox::toggled, this, [this] { chkRound_Click(); });
    connect(cmbFormat, &QComboBox::currentIndexChanged, this, [this] { cmbFormat_Click(); });
    ConnectKeys();
}

void frmMain::cmdOptions_Click() {
    SetPanelShown(!blnShowOptions);
    FocusBack();
}

void frmMain::optOutput_Click(std::int16_t Index) {
    const int remembered = cmbRound->currentIndex();
    Refill(cmbRound, Index == 0 ? FractionalSteps() : DecimalSteps());
    cmbRound->setCurrentIndex(remembered == -1 ? 4 : remembered);
    FillFormatList(Index);
    if (lblDisplay->text() != QLatin1String("0")) cmdEquals_Click();
    if (Index != 0) {
        chkRound->setEnabled(true);
    } else {
        chkRound->setChecked(true);
        chkRound->setEnabled(false);
    }
    FocusBack();
}

void frmMain::FillFormatList(std::int16_t mode) {
    const int p = cmbFormat->currentIndex();
    const bool square = chkSquare->isChecked();
    Refill(cmbFormat, FormatItems(mode, square));
    // Straight to the final position: one handler run, one re-evaluation.
    int position = FormatPositionAfterFill(mode, square, p);
    if (position < 0 || position >= cmbFormat->count()) position = square ? 0 : 1;
    cmbFormat->setCurrentIndex(position);
}

void frmMain::chkSquare_Click() {
    optOutput_Click(optOutput[0]->isChecked() ? 0 : 1);
    lblDisplay->setText(QStringLiteral("0"));
}

void frmMain::chkRound_Click() {
    if (chkRound->isChecked()) {
        cmbRound->setEnabled(true);
        if (lblDisplay->text() != QLatin1String("0")) cmdEquals_Click();
    } else {
        cmbRound->setEnabled(false);
    }
    FocusBack();
}

void frmMain::cmbFormat_Click() {
    if (lblDisplay->text() != QLatin1String("0")) cmdEquals_Click();
    FocusBack();
}

}  // namespace spanwright
