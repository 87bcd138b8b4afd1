// Builds every control at its designed twips position, with its caption,
// font, tooltip and accessible name, then grows the few whose caption the
// free fonts make wider or taller than the designed box. A name contains
// the caption, so that speech control finds a button by what it shows:
//   "CE" -> "CE Clear entry"   "." -> ". Decimal point"   "5" -> "5"
// and the options button is named by its caption as it changes.
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "main_window/control_style.h"
#include "main_window/frmMain.h"
#include "main_window/key_pictures.h"
#include "platform/caption_fit.h"
#include "platform/display_label.h"
#include "platform/expander_button.h"
#include "platform/picture_box.h"
#include "platform/pictures.h"
#include "platform/twips.h"

namespace spanwright {

using namespace controls;
using platform::TwipsRect;

void frmMain::BuildDisplayRow() {
    Picture1 = new platform::PictureBox(this);
    Picture1->setGeometry(TwipsRect(60, 60, 345, 330));
    Describe(Picture1, QStringLiteral("Pending operator"),
             QStringLiteral("The operator that the next operator or equals key applies"));

    lblDisplay = new DisplayLabel(QStringLiteral("Display"), this);
    lblDisplay->setGeometry(TwipsRect(405, 60, 3615, 330));
    BlackLabel(lblDisplay, SansFont(12, true), Qt::AlignRight | Qt::AlignVCenter);
    Describe(lblDisplay, QStringLiteral("Display"), QStringLiteral("The entry or the last result"));

    lblSpacer = new QLabel(this);
    lblSpacer->setGeometry(TwipsRect(4020, 60, 375, 120));
    BlackLabel(lblSpacer, SansFont(8.25, false), Qt::AlignCenter);
    lblSpacer->setAccessibleName(QStringLiteral("Spacer"));

    lblSquare = new DisplayLabel(QStringLiteral("Square units"), this);
    lblSquare->setGeometry(TwipsRect(4020, 180, 375, 210));
    BlackLabel(lblSquare, SansFont(8.25, true), Qt::AlignCenter);
    Describe(lblSquare, QStringLiteral("Square units"), QStringLiteral("The area's or volume's unit after a product in square units"));
}

void frmMain::BuildKeypad() {
    const QFont digitFont = ArialFont(8.25, true);
    struct Place { int left, top; };
    static constexpr Place kByDigit[10] = {{90, 1455}, {90, 510},  {450, 510},  {810, 510},
                                           {90, 825},  {450, 825}, {810, 825},  {90, 1140},
                                           {450, 1140}, {810, 1140}};
    for (int digit = 0; digit < 10; ++digit) {
        const QString caption = QString::number(digit);
        cmdNum[static_cast<std::size_t>(digit)] =
            CaptionKey(this, caption, TwipsRect(kByDigit[digit].left, kByDigit[digit].top, 330, 285),
                       digitFont, QString(), caption, QStringLiteral("Digit ") + caption);
    }
    cmdDot = CaptionKey(this, QStringLiteral("."), TwipsRect(810, 1455, 330, 285), digitFont, QString(),
                        QStringLiteral(". Decimal point"), QStringLiteral("Decimal point"));

    auto key = [this](KeyPicture picture, int left, int top, const char* tooltip, const char* name) {
        return PictureKey(this, picture, TwipsRect(left, top, 330, 285), QString::fromLatin1(tooltip),
                          QString::fromLatin1(name));
    };
    cmdNeg = key(KeyPicture::Neg, 450, 1455, "Negative/Positive - Keyboard = N ", "Change sign");
    cmdDivide = key(KeyPicture::Divide, 1215, 510, "Divide (or Fraction Seperator)", "Divide");
    cmdMultiply = key(KeyPicture::Multiply, 1215, 825, "Multiply", "Multiply");
    cmdSubtract = key(KeyPicture::Subtract, 1215, 1140, "Subtract", "Subtract");
    cmdAdd = key(KeyPicture::Add, 1215, 1455, "Add", "Add");
    cmdFeet = key(KeyPicture::Feet, 1620, 510, "Feet Keyboard = ' ", "Feet mark");
    cmdInches = key(KeyPicture::Inches, 1620, 825, "Inches Keyboard = \" ", "Inch mark");
    cmdFraction = key(KeyPicture::Fraction, 1620, 1140, "Begin a fraction - Keyboard = F ", "Begin a fraction");
    cmdEquals = key(KeyPicture::Equals, 1620, 1455, "Caculate - Keyboard=Enter ", "Equals");
}

void frmMain::BuildFunctionButtons() {
    const QFont regular = SansFont(8.25, false);
    const QFont boldArial = ArialFont(8.25, true);

    cmdBack = PictureKey(this, KeyPicture::Back, TwipsRect(2100, 510, 405, 285),
                         QStringLiteral("Backspace - Keyboard = Backspace "), QStringLiteral("Backspace"));
    cmdDelete = CaptionKey(this, QStringLiteral("CE"), TwipsRect(2550, 510, 405, 285), boldArial,
                           QStringLiteral("Clear Expresion - Keyboard = Del "), QStringLiteral("CE Clear entry"), {});
    cmdAC = CaptionKey(this, QStringLiteral("AC"), TwipsRect(3000, 510, 405, 285), boldArial,
                       QStringLiteral("Clear All - Keyboard = Del Del "), QStringLiteral("AC Clear all"), {});
    cmdPaste = PictureKey(this, KeyPicture::Paste, TwipsRect(2550, 810, 405, 285),
                          QStringLiteral("Paste text from the Clipboard to the display - Keyboard = Ctrl+V"),
                          QStringLiteral("Paste"));
    cmdClipboard = PictureKey(this, KeyPicture::Clipboard, TwipsRect(3000, 810, 405, 285),
                              QStringLiteral("Copy Display to the Clipboard - Keyboard = Ctrl+C"),
                              QStringLiteral("Copy"));
    // The free cell left of Paste, on the keypad's grid.
    cmdLayout = PictureKey(this, KeyPicture::Layout, TwipsRect(2100, 810, 405, 285),
                           QStringLiteral("Layout Tools: right triangle and stair layout - Keyboard = Ctrl+L"),
                           QStringLiteral("Layout Tools"));
    cmdStair = CaptionKey(this, QStringLiteral("Stair Calculator"), TwipsRect(2100, 1140, 1305, 285), regular,
                          QString(), QStringLiteral("Stair Calculator"),
                          QStringLiteral("Open the stair calculator"));
    auto* options = new platform::ExpanderButton(QStringLiteral("Show Options"), this);  // its panel: Frame1
    options->setGeometry(TwipsRect(2100, 1455, 1305, 285));
    options->setFont(regular);
    options->setAccessibleDescription(QStringLiteral("Show or hide the output options"));
    cmdOptions = options;
    cmdHistory = CaptionKey(this, QStringLiteral("History"), TwipsRect(3510, 510, 870, 285), regular,
                            QStringLiteral("Display/hide history list"), QStringLiteral("History"), {});
    cmdStore = CaptionKey(this, QStringLiteral("Store"), TwipsRect(3510, 825, 870, 285), regular,
                          QStringLiteral("Store the value currently in the display"), QStringLiteral("Store"), {});
    cmdRecall = CaptionKey(this, QStringLiteral("Recall"), TwipsRect(3510, 1140, 870, 285), regular,
                           QStringLiteral("Recall a stored value"), QStringLiteral("Recall"), {});
    cmdAbout = CaptionKey(this, QStringLiteral("About"), TwipsRect(3510, 1455, 870, 285), regular,
                          QStringLiteral("Dislplay information about Spanwright"), QStringLiteral("About"), {});
}

void frmMain::BuildOptionsPanel() {
    const QFont regular = SansFont(8.25, false);
    Frame1 = new QGroupBox(QStringLiteral("Output Format"), this);
    Frame1->setGeometry(TwipsRect(90, 1815, 4290, 1350));
    Frame1->setFont(regular);
    Frame1->setAccessibleName(QStringLiteral("Output Format"));
    qobject_cast<platform::ExpanderButton*>(cmdOptions)->SetPanel(Frame1);

    optOutput[0] = new QRadioButton(QStringLiteral("Fractional"), Frame1);
    optOutput[0]->setGeometry(TwipsRect(135, 285, 1185, 195));
    Describe(optOutput[0], QStringLiteral("Fractional"), QStringLiteral("Results in feet, inches and fractions of an inch"));
    optOutput[1] = new QRadioButton(QStringLiteral("Decimal"), Frame1);
    optOutput[1]->setGeometry(TwipsRect(1320, 285, 960, 195));
    Describe(optOutput[1], QStringLiteral("Decimal"), QStringLiteral("Results as decimal numbers"));

    chkRound = new QCheckBox(QStringLiteral("Round to Nearest"), Frame1);
    chkRound->setGeometry(TwipsRect(2460, 300, 1680, 195));
    Describe(chkRound, QStringLiteral("Round to Nearest"), QStringLiteral("Round results to the step chosen in the rounding list"));

    cmbFormat = new QComboBox(Frame1);
    cmbFormat->setGeometry(TwipsRect(135, 555, 2220, 315));
    Describe(cmbFormat, QStringLiteral("Format"), QStringLiteral("The units results are written in"));
    cmbRound = new QComboBox(Frame1);
    cmbRound->setGeometry(TwipsRect(2475, 555, 1680, 315));
    Describe(cmbRound, QStringLiteral("Rounding"), QStringLiteral("The step results are rounded to"));

    chkSquare = new QCheckBox(QStringLiteral("Show result in square feet or square Inches"), Frame1);
    chkSquare->setGeometry(TwipsRect(150, 990, 3975, 225));
    Describe(chkSquare, chkSquare->text(), QStringLiteral("Show a product in square feet or square inches"));

    for (QWidget* w : std::initializer_list<QWidget*>{optOutput[0], optOutput[1], chkRound, cmbFormat, cmbRound, chkSquare})
        w->setFont(regular);
}

// Where a free font is wider than the designed box, the box grows by the
// least that fits; a wider button column pushes the column right of it
// (keeping the designed gap), and the window, display row and frame widen
// with it, keeping their designed right margins.
void frmMain::FitCaptions() {
    const auto grow = [](QWidget* box, QSize need) { box->setGeometry(platform::GrownToFit(box->geometry(), need)); };
    for (QWidget* box : std::initializer_list<QWidget*>{optOutput[0], optOutput[1], chkRound, chkSquare})
        grow(box, box->sizeHint());
    for (QComboBox* list : {cmbFormat, cmbRound})
        if (list->sizeHint().height() > list->height()) list->resize(list->width(), list->sizeHint().height());

    for (QPushButton* button : {cmdDelete, cmdAC, cmdHistory, cmdStore, cmdRecall, cmdAbout, cmdStair})
        grow(button, CaptionNeed(button, {button->text()}));
    grow(cmdOptions, CaptionNeed(cmdOptions, {QStringLiteral("Show Options"), QStringLiteral("Hide Options")}));
    for (QPushButton* button : cmdNum) grow(button, CaptionNeed(button, {button->text()}));

    const int columnGap = platform::Twips(3510 - 3405);
    const int push = std::max(cmdStair->geometry().right(), cmdOptions->geometry().right()) + 1 + columnGap -
                     cmdHistory->x();
    if (push > 0)
        for (QPushButton* button : {cmdHistory, cmdStore, cmdRecall, cmdAbout}) button->move(button->x() + push, button->y());

    const int margin = platform::Twips(kClientWidthTwips - 4380);
    int frameNeed = Frame1->width();
    for (QWidget* child : Frame1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        frameNeed = std::max(frameNeed, child->geometry().right() + 1 + 4);
    int width = platform::Twips(kClientWidthTwips);
    width = std::max(width, cmdAbout->geometry().right() + 1 + margin);
    width = std::max(width, Frame1->x() + frameNeed + margin);

    // The square tag grows to the left, into the display, until every tag
    // ("sqFt" ... "cuYd") fits whole; the black spacer above it grows with it.
    const QFontMetrics tagMetrics(lblSquare->font());
    int tagNeed = 0;
    for (const char* tag : {"sqIn", "sqFt", "sqYd", "sqM", "cuIn", "cuFt", "cuYd", "cuM"})
        tagNeed = std::max(tagNeed, tagMetrics.horizontalAdvance(QLatin1String(tag)) + 2);
    const int tagGrowth = std::max(0, tagNeed - lblSquare->width());
    const int wider = width - platform::Twips(kClientWidthTwips);
    lblDisplay->resize(lblDisplay->width() + wider - tagGrowth, lblDisplay->height());
    lblSpacer->setGeometry(lblSpacer->x() + wider - tagGrowth, lblSpacer->y(), lblSpacer->width() + tagGrowth, lblSpacer->height());
    lblSquare->setGeometry(lblSquare->x() + wider - tagGrowth, lblSquare->y(), lblSquare->width() + tagGrowth, lblSquare->height());
    Frame1->resize(width - margin - Frame1->x(), Frame1->height());

    clientWidth_ = width;
    shortHeight_ = platform::Twips(kShortHeightTwips);
    tallHeight_ = std::max(platform::Twips(kTallHeightTwips), Frame1->geometry().bottom() + 1 + platform::Twips(45));
    Frame1->hide();  // the window starts short
}

// The short window cuts Frame1 off whole. Hidden, it takes no focus (Tab
// would reach unseen controls, and an arrow key change a list nobody sees)
// and a screen reader does not report it as showing. Its place never changes.
void frmMain::ShowPanelIfItFits() { Frame1->setVisible(Frame1->geometry().bottom() < maximumHeight()); }

}  // namespace spanwright
