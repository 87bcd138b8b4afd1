#include "about/frmAbout.h"

#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>

#include "platform/caption_fit.h"
#include "platform/link_label.h"
#include "platform/pictures.h"
#include "platform/twips.h"

namespace spanwright {

using platform::Twips;
using platform::TwipsRect;

namespace {

constexpr int kClientWidth = 5730;
constexpr int kClientHeight = 3345;

const QString kContact = QStringLiteral("spanwright@ostrel.example");

frmAbout::UrlOpener& Opener() {
    static frmAbout::UrlOpener opener;
    return opener;
}

// Two parallel one-pixel lines along the longer side of the widget, the
// first in `first`, the second two pixels further on in `second`.
class LinePair : public QWidget {
public:
    LinePair(QWidget* parent, QColor first, QColor second)
        : QWidget(parent), first_(first), second_(second) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const bool across = width() >= height();
        const QRect a = across ? QRect(0, 0, width(), 1) : QRect(0, 0, 1, height());
        const QRect b = across ? a.translated(0, 2) : a.translated(2, 0);
        p.fillRect(a, first_);
        p.fillRect(b, second_);
    }

private:
    QColor first_;
    QColor second_;
};

// The program's icon, painted at the screen's pixel ratio each time.
class IconBox : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        platform::AppIcon().paint(&p, rect());
    }
};

}  // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);

    picIcon = new IconBox(this);
    picIcon->setGeometry(TwipsRect(255, 135, 930, 930));

    lblTitle = new QLabel(this);
    lblTitle->setGeometry(TwipsRect(1440, 240, 3225, 480));
    QFont title(QStringLiteral("Arial"), 12, QFont::Bold);
    title.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    lblTitle->setFont(title);
    QPalette red = lblTitle->palette();
    red.setColor(QPalette::WindowText, QColor(192, 0, 0));
    lblTitle->setPalette(red);
    lblTitle->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblVersion = new QLabel(this);
    lblVersion->setGeometry(TwipsRect(1410, 780, 3885, 225));
    lblVersion->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblDescription = new QLabel(this);
    lblDescription->setGeometry(TwipsRect(1410, 1125, 3885, 990));
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    // Created after the description so that it lies above its empty first line.
    Label1 = new platform::LinkLabel(QStringLiteral("Ostrel Software Home Page"), this);
    Label1->setGeometry(TwipsRect(3375, 1080, 1995, 195));
    QPalette blue = Label1->palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    Label1->setPalette(blue);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label1->setToolTip(HomePage().toString());
    connect(Label1, &platform::LinkLabel::activated, this, &frmAbout::Label1_Click);

    Shape1 = new LinePair(this, QColor(192, 0, 0), QColor(224, 224, 224));
    Shape1->setGeometry(TwipsRect(1440, 660, 3855, 45));
    Shape2 = new LinePair(this, QColor(160, 160, 160), QColor(224, 224, 224));
    Shape2->setGeometry(TwipsRect(255, 2655, 5250, 45));

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry(TwipsRect(4245, 2805, 1260, 345));
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    // OK takes the focus first, so Tab goes from it to the link and back.
    setTabOrder(cmdOK, Label1);
    cmdOK->setFocus();

    Form_Load();
}

frmAbout::~frmAbout() = default;

void frmAbout::Form_Load() {
    setWindowTitle(QStringLiteral("About Spanwright"));
    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(SPANWRIGHT_VERSION_MAJOR)
                            .arg(SPANWRIGHT_VERSION_MINOR)
                            .arg(SPANWRIGHT_VERSION_PATCH));
    lblDescription->setText(
        QStringLiteral("\r\n\r\nSpanwright is a product of Ostrel Software. Please direct any "
                       "comments, questions or suggestions regarding this software to") +
        QLatin1Char(' ') + kContact);
    lblTitle->setText(QStringLiteral("Spanwright"));
    FitCaptions();
}

// The free fonts are wider and taller than the ones the box was laid out
// for: each label grows by the least that shows its whole text, the link
// keeping its right edge, and OK with the rule above it moves down (the
// window growing with them) only if the description reaches them.
void frmAbout::FitCaptions() {
    const auto grow = [](QLabel* label) {
        const QFontMetrics fm(label->font());
        const QSize need(fm.horizontalAdvance(label->text()) + 1, fm.height());
        const Qt::Alignment keep = Qt::AlignTop | (label->alignment() & Qt::AlignRight ? Qt::AlignRight : Qt::AlignLeft);
        label->setGeometry(platform::GrownToFit(label->geometry(), need, keep));
    };
    grow(lblTitle);
    grow(lblVersion);
    grow(Label1);

    QRect description = lblDescription->geometry();
    description.setHeight(std::max(description.height(), lblDescription->heightForWidth(description.width())));
    lblDescription->setGeometry(description);

    QRect ok = cmdOK->geometry();
    ok.setHeight(std::max(ok.height(), cmdOK->minimumSizeHint().height()));
    const int gap = Twips(2655) - description.bottom() - 1;  // from the description to the rule
    const int shift = std::max(0, Twips(90) - gap);
    ok.translate(0, shift);
    cmdOK->setGeometry(ok);
    Shape2->move(Shape2->x(), Shape2->y() + shift);

    const int bottom = std::max(Twips(kClientHeight) + shift, ok.bottom() + 1 + Twips(195));
    setFixedSize(Twips(kClientWidth), bottom);
}

void frmAbout::ShowModal(QWidget* parent) {
    // A heap box watched by a QPointer: if the parent goes while the box is
    // open, the parent deletes it and nothing is deleted twice.
    QPointer<frmAbout> box = new frmAbout(parent);
    box->setWindowModality(Qt::ApplicationModal);
    box->exec();
    delete box;
}

void frmAbout::SetUrlOpener(UrlOpener opener) { Opener() = std::move(opener); }

QUrl frmAbout::HomePage() { return QUrl(QStringLiteral("https://ostrel.example/spanwright")); }

void frmAbout::Label1_Click() {
    if (Opener())
        Opener()(HomePage());
    else
        QDesktopServices::openUrl(HomePage());
}

void frmAbout::cmdOK_Click() { accept(); }

}  // namespace spanwright
