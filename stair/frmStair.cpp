#include "stair/frmStair.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/caption_fit.h"
#include "platform/message_box.h"
#include "platform/pictures.h"
#include "platform/twips.h"
#include "platform/window_accessible.h"
#include "stair/stair_drawing.h"

namespace spanwright::stair {
namespace {

using platform::Twips;
using platform::TwipsRect;

// The note wraps at its spaces so that the second sentence stands apart.
const QString kNote = QStringLiteral("Enter two of the three values to calculate the third.") +
                      QString(64, QLatin1Char(' ')) +
                      QStringLiteral("Note: All values must be in inches.");

// A word-wrapped label whose caption uses a long run of spaces to push its
// last sentence onto a paragraph of its own. Fonts differ in the width of a
// space, so the run itself is not laid out: every run of two or more spaces
// is a paragraph break with a blank line. text() stays the caption as given.
//   "Enter ... third." + 64 spaces + "Note: ..." -> two paragraphs
class NoteLabel : public QLabel {
public:
    using QLabel::QLabel;

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return Layout(nullptr, width); }
    QSize sizeHint() const override { return {width(), heightForWidth(width())}; }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(palette().color(foregroundRole()));
        Layout(&p, width());
    }

private:
    static constexpr int kFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

    // Paints when `p` is given; returns the height used.
    int Layout(QPainter* p, int width) const {
        const QFontMetrics fm(font());
        int y = 0;
        const QStringList paragraphs = text().split(QStringLiteral("  "), Qt::SkipEmptyParts);
        for (const QString& raw : paragraphs) {
            const QString paragraph = raw.trimmed();
            if (paragraph.isEmpty()) continue;
            if (y > 0) y += fm.lineSpacing();
            const QRect box = fm.boundingRect(QRect(0, y, width, 100000), kFlags, paragraph);
            if (p) p->drawText(QRect(0, y, width, box.height()), kFlags, paragraph);
            y += box.height();
        }
        return y;
    }
};

// Places `w` at its twips box, grown by the least that shows its whole
// caption; the growth in height is split above and below so the row keeps
// its centre.
void Place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(platform::GrownToFit(TwipsRect(left, top, width, height), w->sizeHint()));
}

// A label placed by its top-left corner alone, sized to its caption.
QLabel* AutoLabel(const QString& caption, QWidget* parent, int left, int top) {
    auto* label = new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);
    label->move(Twips(left), Twips(top));
    label->adjustSize();
    return label;
}

QLabel* BoxLabel(const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* Field(QWidget* parent, int left, int top, const QString& accessible) {
    auto* field = new QLineEdit(parent);
    field->setGeometry(TwipsRect(left, top, 1005, 285));
    field->setAccessibleName(accessible);
    return field;
}

}  // namespace

frmStair::frmStair(StairVariables& vars, const OutputOptions& options, QWidget* parent)
    : QWidget(parent, Qt::Window), vars_(vars), options_(options) {
    platform::ReportAsFrame(this);
    setWindowTitle(QStringLiteral("Stair Calculator"));
    setWindowIcon(platform::AppIcon());
    setObjectName(QStringLiteral("frmStair"));
    // The desktop's sans-serif face at the old default size of 8.25 points.
    QFont face = font();
    face.setPointSizeF(8.25);
    setFont(face);

    Frame1 = new QGroupBox(QStringLiteral("Input Values"), this);
    Frame1->setGeometry(TwipsRect(90, 90, 5100, 3390));
    drawing = new StairDrawing(Frame1);

    Text1[0] = Field(Frame1, 900, 675, QStringLiteral("Maximum riser height"));
    Text1[1] = Field(Frame1, 2250, 1305, QStringLiteral("Number of risers"));
    Text1[2] = Field(Frame1, 3825, 1350, QStringLiteral("Overall height"));
    Text2[0] = Field(Frame1, 270, 1260, QStringLiteral("Maximum tread width"));
    Text2[1] = Field(Frame1, 1665, 1890, QStringLiteral("Number of treads"));
    Text2[2] = Field(Frame1, 1395, 2835, QStringLiteral("Overall width"));
    Label6 = AutoLabel(QStringLiteral("Max Riser Hieght"), Frame1, 900, 450);
    Label8 = AutoLabel(QStringLiteral("Number of Risers"), Frame1, 2250, 1080);
    Label4 = AutoLabel(QStringLiteral("Overall Hieght"), Frame1, 3825, 1125);
    Label7 = AutoLabel(QStringLiteral("Max Tread Width"), Frame1, 270, 1035);
    Label9 = AutoLabel(QStringLiteral("Number of Treads"), Frame1, 1665, 1665);
    Label3 = AutoLabel(QStringLiteral("Overall Width"), Frame1, 1395, 2610);

    Frame2 = new QGroupBox(QStringLiteral("Results"), this);
    Frame2->setGeometry(TwipsRect(90, 3555, 5100, 870));
    lblRiser = new DisplayLabel(QStringLiteral("Risers result"), Frame2);
    Place(lblRiser, 135, 270, 3480, 195);
    lblTread = new DisplayLabel(QStringLiteral("Treads result"), Frame2);
    Place(lblTread, 135, 540, 3525, 195);

    Label5 = BoxLabel(QStringLiteral("Calculate for:"), this);
    Place(Label5, 5400, 225, 1005, 195);
    optStair[0] = new QRadioButton(QStringLiteral("Risers"), this);
    Place(optStair[0], 5400, 495, 825, 195);
    optStair[1] = new QRadioButton(QStringLiteral("Treads"), this);
    Place(optStair[1], 5400, 765, 870, 195);

    Label11 = new NoteLabel(kNote, this);
    Label11->setTextFormat(Qt::PlainText);
    Label11->setWordWrap(true);
    {
        QRect r = TwipsRect(5310, 1485, 1365, 1455);
        r.setHeight(std::max(r.height(), Label11->heightForWidth(r.width())));
        Label11->setGeometry(r);
    }

    cmdCalculate = new QPushButton(QStringLiteral("Calculate"), this);
    Place(cmdCalculate, 5400, 3600, 1230, 375);
    Command1 = new QPushButton(QStringLiteral("Close"), this);
    Place(Command1, 5400, 4095, 1230, 330);

    // The client area, widened or deepened only if a grown control needs it.
    QRect client(0, 0, Twips(6795), Twips(4545));
    for (QWidget* w : {static_cast<QWidget*>(Frame1), static_cast<QWidget*>(Frame2),
                       static_cast<QWidget*>(Label5), static_cast<QWidget*>(optStair[0]),
                       static_cast<QWidget*>(optStair[1]), static_cast<QWidget*>(Label11),
                       static_cast<QWidget*>(cmdCalculate), static_cast<QWidget*>(Command1)}) {
        client = client.united(QRect(QPoint(0, 0), w->geometry().bottomRight()));
    }
    setFixedSize(client.size());

    setTabOrder(Text1[2], Text1[1]);
    setTabOrder(Text1[1], Text2[2]);
    setTabOrder(Text2[2], Text2[1]);
    setTabOrder(Text2[1], Text2[0]);
    setTabOrder(Text2[0], Text1[0]);
    setTabOrder(Text1[0], cmdCalculate);
    setTabOrder(cmdCalculate, Command1);
    setTabOrder(Command1, optStair[0]);
    setTabOrder(optStair[0], optStair[1]);

    for (int i = 0; i < 2; ++i) {
        connect(optStair[static_cast<std::size_t>(i)], &QRadioButton::toggled, this,
                [this, i](bool on) {
                    if (on) optStair_Click(i);
                });
    }
    connect(cmdCalculate, &QPushButton::clicked, this, &frmStair::cmdCalculate_Click);
    connect(Command1, &QPushButton::clicked, this, &frmStair::Command1_Click);

    Form_Load();
}

void frmStair::Form_Load() { optStair[0]->setChecked(true); }

void frmStair::SetFieldEnabled(QLineEdit* field, bool enabled) {
    field->setEnabled(enabled);
    // Window colour when it can be typed into, button colour when not, in
    // every state the style may paint it in.
    const QColor colour = palette().color(QPalette::Active, enabled ? QPalette::Base : QPalette::Button);
    QPalette pal = field->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        pal.setColor(group, QPalette::Base, colour);
    }
    field->setPalette(pal);
}

void frmStair::optStair_Click(int Index) {
    const bool risers = Index == 0;
    for (QLineEdit* field : Text1) SetFieldEnabled(field, risers);
    for (QLineEdit* field : Text2) SetFieldEnabled(field, !risers);
}

void frmStair::cmdCalculate_Click() {
    const bool risers = optStair[0]->isChecked();
    const auto& fields = risers ? Text1 : Text2;
    StairFields texts;
    for (std::size_t i = 0; i < fields.size(); ++i) texts[i] = fields[i]->text().toStdString();

    const StairOutcome out =
        Calculate(vars_, risers ? StairMode::Risers : StairMode::Treads, texts, options_);
    if (out.message) {
        platform::MessageBox::Show(QString::fromStdString(out.message->text),
                                   platform::MessageIcon::Exclamation,
                                   QString::fromStdString(out.message->title), this);
        return;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (out.fields[i]) fields[i]->setText(QString::fromStdString(*out.fields[i]));
    }
    (risers ? lblRiser : lblTread)->setText(QString::fromStdString(out.summary));
}

void frmStair::Command1_Click() {
    // Unloading: the opener sets WA_DeleteOnClose, so this destroys the window.
    close();
}

}  // namespace spanwright::stair
