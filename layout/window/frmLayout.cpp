// The window's pages: each field with its caption (the accessible name is
// the caption), the page's button, and its results below.
#include "layout/frmLayout.h"

#include <QCloseEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include "layout/right_triangle.h"
#include "layout/stair_layout.h"
#include "platform/message_box.h"
#include "platform/window_accessible.h"

namespace spanwright::layout {
namespace {

std::string Typed(const QLineEdit* field) { return field->text().toStdString(); }

// A field on a form: "&Rise" shows Rise with its mnemonic, named "Rise".
QLineEdit* AddField(QWidget* page, QFormLayout* form, const QString& caption, const QString& hint,
                    const QString& description) {
    auto* field = new QLineEdit(page);
    QString name = caption;
    field->setAccessibleName(name.remove(QLatin1Char('&')));
    field->setAccessibleDescription(description);
    field->setPlaceholderText(hint);
    field->setToolTip(description);
    auto* label = new QLabel(caption + QLatin1Char(':'), page);
    label->setBuddy(field);
    form->addRow(label, field);
    return field;
}

// The page's results under its fields and button.
ResultList* AddResults(QWidget* page, QVBoxLayout* column) {
    auto* frame = new QGroupBox(QStringLiteral("Results"), page);
    frame->setAccessibleName(QStringLiteral("Results"));
    auto* inside = new QVBoxLayout(frame);
    auto* results = new ResultList(frame);
    inside->addWidget(results);
    inside->addStretch();
    column->addWidget(frame, 1);
    return results;
}

QPushButton* AddButton(QWidget* page, QVBoxLayout* column, const QString& caption, const QString& name) {
    auto* button = new QPushButton(caption, page);
    button->setAccessibleName(name);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(button);
    column->addLayout(row);
    return button;
}

}  // namespace

frmLayout::frmLayout(const OutputOptions& options) : options_(options) {
    platform::ReportAsFrame(this);
    setWindowTitle(QStringLiteral("Layout Tools"));
    tabPages = new QTabWidget(this);
    tabPages->setAccessibleName(QStringLiteral("Layout Tools pages"));
    tabPages->addTab(BuildTrianglePage(), QStringLiteral("Right &Triangle"));
    tabPages->addTab(BuildStairPage(), QStringLiteral("&Stair Layout"));

    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setAccessibleName(QStringLiteral("Close"));
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    auto* column = new QVBoxLayout(this);
    column->addWidget(tabPages, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(cmdClose);
    column->addLayout(bottom);
    resize(sizeHint().expandedTo(QSize(380, 0)));
}

QWidget* frmLayout::BuildTrianglePage() {
    auto* page = new QWidget;
    page->setAccessibleName(QStringLiteral("Right Triangle"));
    auto* column = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    column->addLayout(form);
    txtRise = AddField(page, form, QStringLiteral("&Rise"), QString(), QStringLiteral("The vertical leg"));
    txtRun = AddField(page, form, QStringLiteral("R&un"), QString(), QStringLiteral("The horizontal leg"));
    txtDiagonal = AddField(page, form, QStringLiteral("&Diagonal"), QString(),
                           QStringLiteral("The sloping side"));
    txtPitch = AddField(page, form, QStringLiteral("&Pitch"), QStringLiteral("rise in 12: 4 or 4/12"),
                        QStringLiteral("Inches of rise per 12 inches of run"));
    txtAngle = AddField(page, form, QStringLiteral("&Angle"), QStringLiteral("degrees"),
                        QStringLiteral("The slope in degrees, more than 0 and less than 90"));
    auto* note = new QLabel(QStringLiteral("Enter any two (at most one of Pitch and Angle)."), page);
    note->setWordWrap(true);
    column->addWidget(note);
    cmdSolve = AddButton(page, column, QStringLiteral("S&olve"), QStringLiteral("Solve"));
    triangleResults = AddResults(page, column);
    connect(cmdSolve, &QPushButton::clicked, this, &frmLayout::cmdSolve_Click);
    for (QLineEdit* field : {txtRise, txtRun, txtDiagonal, txtPitch, txtAngle})
        connect(field, &QLineEdit::returnPressed, this, &frmLayout::cmdSolve_Click);
    return page;
}

QWidget* frmLayout::BuildStairPage() {
    auto* page = new QWidget;
    page->setAccessibleName(QStringLiteral("Stair Layout"));
    auto* column = new QVBoxLayout(page);
    auto* form = new QFormLayout;
    column->addLayout(form);
    txtTotalRise = AddField(page, form, QStringLiteral("Total &Rise"), QString(),
                            QStringLiteral("Floor to floor"));
    txtTreadDepth = AddField(page, form, QStringLiteral("Tread &Depth"), QStringLiteral("empty: the code's least"),
                             QStringLiteral("Each tread; empty: the code's least"));
    txtTotalRun = AddField(page, form, QStringLiteral("Total R&un"), QStringLiteral("instead of the tread depth"),
                           QStringLiteral("The whole run, shared by the treads"));
    txtRisers = AddField(page, form, QStringLiteral("Ris&ers"), QStringLiteral("empty: the fewest the code allows"),
                         QStringLiteral("A count of risers to force; empty: the fewest the code allows"));
    // The code as option buttons in a frame named "Code": a screen reader
    // names each choice by its caption (a list would read as its item).
    auto* codes = new QGroupBox(QStringLiteral("Code"), page);
    codes->setAccessibleName(QStringLiteral("Code"));
    auto* codeRow = new QHBoxLayout(codes);
    for (BuildingCode code : {BuildingCode::Irc, BuildingCode::Ibc, BuildingCode::None}) {
        auto* option = new QRadioButton(QString::fromLatin1(CodeCaption(code)), codes);
        option->setAccessibleName(option->text());
        option->setAccessibleDescription(QStringLiteral("The building code whose limits are checked"));
        codeRow->addWidget(option);
        optCode[static_cast<std::size_t>(code)] = option;
    }
    codeRow->addStretch();
    optCode[0]->setChecked(true);
    column->addWidget(codes);
    cmdLayOut = AddButton(page, column, QStringLiteral("&Lay Out"), QStringLiteral("Lay Out"));
    stairResults = AddResults(page, column);
    connect(cmdLayOut, &QPushButton::clicked, this, &frmLayout::cmdLayOut_Click);
    for (QLineEdit* field : {txtTotalRise, txtTreadDepth, txtTotalRun, txtRisers})
        connect(field, &QLineEdit::returnPressed, this, &frmLayout::cmdLayOut_Click);
    return page;
}

void frmLayout::cmdSolve_Click() {
    Present(SolveTriangle({Typed(txtRise), Typed(txtRun), Typed(txtDiagonal), Typed(txtPitch), Typed(txtAngle)},
                          options_),
            triangleResults);
}

void frmLayout::cmdLayOut_Click() {
    BuildingCode code = BuildingCode::Irc;
    for (std::size_t i = 0; i < optCode.size(); ++i)
        if (optCode[i]->isChecked()) code = static_cast<BuildingCode>(i);
    Present(LayOutStair({Typed(txtTotalRise), Typed(txtTreadDepth), Typed(txtTotalRun), Typed(txtRisers), code},
                        options_),
            stairResults);
}

void frmLayout::Present(const LayoutOutcome& outcome, ResultList* results) {
    if (outcome.message) {
        platform::MessageBox::Show(QString::fromStdString(*outcome.message), platform::MessageIcon::Exclamation,
                                   QStringLiteral("Layout Tools"), this);
        return;
    }
    results->Show(outcome.lines);
}

void frmLayout::closeEvent(QCloseEvent* event) {
    if (closed_) closed_();
    QWidget::closeEvent(event);
}

}  // namespace spanwright::layout
