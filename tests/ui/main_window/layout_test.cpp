// The window's controls: positions, tooltips, accessible names, captions
// that fit, and the drawn pictures.
#include <QImage>
#include <QtTest>

#include "main_window_fixture.h"
#include "platform/picture_box.h"
#include "platform/pictures.h"
#include "platform/twips.h"

using spanwright::test::MainWindowFixture;
using spanwright::platform::TwipsRect;

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void keysSitAtTheirPlaces_data();
    void keysSitAtTheirPlaces();
    void tooltips_data();
    void tooltips();
    void everyControlHasAnAccessibleName();
    void captionsAreNeverClipped();
    void controlsDoNotOverlap();
    void displayRowColours();
    void imageListPictures_data();
    void imageListPictures();
    void picturesAreDrawnAtThePixelRatio();
    void keyPicturesAreDrawn();
};

void LayoutTest::keysSitAtTheirPlaces_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");
    QTest::newRow("digit 1") << "1" << TwipsRect(90, 510, 330, 285);
    QTest::newRow("digit 5") << "5" << TwipsRect(450, 825, 330, 285);
    QTest::newRow("digit 9") << "9" << TwipsRect(810, 1140, 330, 285);
    QTest::newRow("digit 0") << "0" << TwipsRect(90, 1455, 330, 285);
    QTest::newRow("cmdEquals") << "cmdEquals" << TwipsRect(1620, 1455, 330, 285);
    QTest::newRow("cmdBack") << "cmdBack" << TwipsRect(2100, 510, 405, 285);
    QTest::newRow("Picture1") << "Picture1" << TwipsRect(60, 60, 345, 330);
}

void LayoutTest::keysSitAtTheirPlaces() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);
    MainWindowFixture f;
    auto& w = f.Start();
    QWidget* widget = name == "cmdEquals" ? static_cast<QWidget*>(w.cmdEquals)
                      : name == "cmdBack" ? static_cast<QWidget*>(w.cmdBack)
                      : name == "Picture1" ? static_cast<QWidget*>(w.Picture1)
                                           : w.cmdNum[static_cast<std::size_t>(name.toInt())];
    QCOMPARE(widget->geometry(), twips);
    if (name.size() == 1) QCOMPARE(w.cmdNum[static_cast<std::size_t>(name.toInt())]->text(), name);
}

void LayoutTest::tooltips_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("cmdNeg") << "cmdNeg" << "Negative/Positive - Keyboard = N ";
    QTest::newRow("cmdDivide") << "cmdDivide" << "Divide (or Fraction Seperator)";
    QTest::newRow("cmdMultiply") << "cmdMultiply" << "Multiply";
    QTest::newRow("cmdSubtract") << "cmdSubtract" << "Subtract";
    QTest::newRow("cmdAdd") << "cmdAdd" << "Add";
    QTest::newRow("cmdFeet") << "cmdFeet" << "Feet Keyboard = ' ";
    QTest::newRow("cmdInches") << "cmdInches" << "Inches Keyboard = \" ";
    QTest::newRow("cmdFraction") << "cmdFraction" << "Begin a fraction - Keyboard = F ";
    QTest::newRow("cmdEquals") << "cmdEquals" << "Caculate - Keyboard=Enter ";
    QTest::newRow("cmdBack") << "cmdBack" << "Backspace - Keyboard = Backspace ";
    QTest::newRow("cmdDelete") << "cmdDelete" << "Clear Expresion - Keyboard = Del ";
    QTest::newRow("cmdAC") << "cmdAC" << "Clear All - Keyboard = Del Del ";
    QTest::newRow("cmdPaste") << "cmdPaste" << "Paste text from the Clipboard to the display - Keyboard = Ctrl+V";
    QTest::newRow("cmdClipboard") << "cmdClipboard" << "Copy Display to the Clipboard - Keyboard = Ctrl+C";
    QTest::newRow("cmdHistory") << "cmdHistory" << "Display/hide history list";
    QTest::newRow("cmdStore") << "cmdStore" << "Store the value currently in the display";
    QTest::newRow("cmdRecall") << "cmdRecall" << "Recall a stored value";
    QTest::newRow("cmdAbout") << "cmdAbout" << "Dislplay information about Spanwright";
    QTest::newRow("cmdStair") << "cmdStair" << "";
    QTest::newRow("cmdOptions") << "cmdOptions" << "";
}

void LayoutTest::tooltips() {
    QFETCH(QString, control);
    QFETCH(QString, tooltip);
    MainWindowFixture f;
    auto& w = f.Start();
    const std::map<QString, QPushButton*> buttons{
        {"cmdNeg", w.cmdNeg},         {"cmdDivide", w.cmdDivide},   {"cmdMultiply", w.cmdMultiply},
        {"cmdSubtract", w.cmdSubtract}, {"cmdAdd", w.cmdAdd},       {"cmdFeet", w.cmdFeet},
        {"cmdInches", w.cmdInches},   {"cmdFraction", w.cmdFraction}, {"cmdEquals", w.cmdEquals},
        {"cmdBack", w.cmdBack},       {"cmdDelete", w.cmdDelete},   {"cmdAC", w.cmdAC},
        {"cmdPaste", w.cmdPaste},     {"cmdClipboard", w.cmdClipboard}, {"cmdHistory", w.cmdHistory},
        {"cmdStore", w.cmdStore},     {"cmdRecall", w.cmdRecall},   {"cmdAbout", w.cmdAbout},
        {"cmdStair", w.cmdStair},     {"cmdOptions", w.cmdOptions}};
    QCOMPARE(buttons.at(control)->toolTip(), tooltip);
}

void LayoutTest::everyControlHasAnAccessibleName() {
    MainWindowFixture f;
    auto& w = f.Start();
    for (QWidget* control : w.findChildren<QWidget*>()) {
        if (!qobject_cast<QAbstractButton*>(control) && !qobject_cast<QComboBox*>(control)) continue;
        if (control->parent() != &w && control->parent() != w.Frame1) continue;
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->metaObject()->className()));
        QVERIFY2(!control->accessibleDescription().isEmpty(), qPrintable(control->accessibleName()));
    }
    QCOMPARE(w.cmdAdd->accessibleName(), QStringLiteral("Add"));
    QCOMPARE(w.cmdFeet->accessibleName(), QStringLiteral("Feet mark"));
    QCOMPARE(w.cmdInches->accessibleName(), QStringLiteral("Inch mark"));
    QCOMPARE(w.cmdClipboard->accessibleName(), QStringLiteral("Copy"));
}

void LayoutTest::captionsAreNeverClipped() {
    MainWindowFixture f;
    auto& w = f.Start();
    for (QPushButton* button : w.findChildren<QPushButton*>()) {
        if (button->text().isEmpty()) continue;
        const QFontMetrics metrics(button->font());
        QVERIFY2(metrics.horizontalAdvance(button->text()) + 4 <= button->width(), qPrintable(button->text()));
        QVERIFY2(metrics.height() <= button->height(), qPrintable(button->text()));
    }
    for (QAbstractButton* box : std::initializer_list<QAbstractButton*>{w.optOutput[0], w.optOutput[1], w.chkRound, w.chkSquare}) {
        QVERIFY2(box->sizeHint().width() <= box->width(), qPrintable(box->text()));
        QVERIFY2(box->sizeHint().height() <= box->height(), qPrintable(box->text()));
        QVERIFY2(w.Frame1->rect().contains(box->geometry()), qPrintable(box->text()));
    }
    w.cmdOptions_Click();
    QVERIFY(w.rect().contains(w.Frame1->geometry()));
}

void LayoutTest::controlsDoNotOverlap() {
    MainWindowFixture f;
    auto& w = f.Start();
    for (const QWidget* parent : std::initializer_list<const QWidget*>{&w, w.Frame1}) {
        QList<QWidget*> children;
        for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->isVisibleTo(parent) && !child->isWindow()) children << child;
        for (int i = 0; i < children.size(); ++i)
            for (int j = i + 1; j < children.size(); ++j)
                QVERIFY2(!children[i]->geometry().intersects(children[j]->geometry()),
                         qPrintable(children[i]->accessibleName() + " / " + children[j]->accessibleName()));
    }
}

void LayoutTest::displayRowColours() {
    MainWindowFixture f;
    auto& w = f.Start();
    QCOMPARE(w.lblDisplay->palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(w.lblDisplay->palette().color(QPalette::WindowText), QColor(0, 192, 0));
    QVERIFY(w.lblDisplay->alignment() & Qt::AlignRight);
    QVERIFY(w.lblDisplay->font().bold());
    QCOMPARE(w.lblDisplay->font().pointSizeF(), 12.0);
    QCOMPARE(w.lblSquare->palette().color(QPalette::WindowText), QColor(0, 192, 0));
    QVERIFY(w.lblSquare->alignment() & Qt::AlignHCenter);
    QCOMPARE(w.Picture1->PictureIndex(), 0);
    const QImage shot = w.Picture1->grab().toImage();
    QCOMPARE(shot.pixelColor(shot.rect().center()), QColor(Qt::black));
}

// Two pixels tell the symbols apart: the centre (every bar and the crossing
// of the x) and one above it (the plus's upright, the divide's upper dot).
void LayoutTest::imageListPictures_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("centre");
    QTest::addColumn<QColor>("aboveCentre");
    const QColor blue(128, 128, 255);
    const QColor black(Qt::black);
    QTest::newRow("plus") << 1 << blue << blue;
    QTest::newRow("minus") << 2 << blue << black;
    QTest::newRow("times") << 3 << blue << black;
    QTest::newRow("divide") << 4 << blue << blue;
    QTest::newRow("blank") << 5 << black << black;
}

void LayoutTest::imageListPictures() {
    QFETCH(int, index);
    QFETCH(QColor, centre);
    QFETCH(QColor, aboveCentre);
    const QImage image = spanwright::platform::ImageList1().Pixmap(index, 1.0).toImage();
    QCOMPARE(image.size(), QSize(20, 20));
    QCOMPARE(image.pixelColor(9, 9), centre);
    QCOMPARE(image.pixelColor(9, 5), aboveCentre);
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
}

void LayoutTest::picturesAreDrawnAtThePixelRatio() {
    const QPixmap doubled = spanwright::platform::ImageList1().Pixmap(1, 2.0);
    QCOMPARE(doubled.size(), QSize(40, 40));
    QCOMPARE(doubled.devicePixelRatio(), 2.0);
    // The plus bar is two logical pixels thick: four device pixels, sharp.
    const QImage image = doubled.toImage();
    const QColor blue(128, 128, 255);
    for (int y = 18; y <= 21; ++y) QCOMPARE(image.pixelColor(10, y), blue);
    QCOMPARE(image.pixelColor(10, 17), QColor(Qt::black));
    QCOMPARE(image.pixelColor(10, 22), QColor(Qt::black));

    const QPixmap icon = spanwright::platform::KeyIcon(spanwright::platform::KeyPicture::Add).pixmap(QSize(17, 17), 2.0);
    QCOMPARE(icon.size(), QSize(34, 34));
    QCOMPARE(spanwright::platform::ImageList2().Count(), 2);
    QCOMPARE(spanwright::platform::ImageList2().Pixmap(1, 2.0).size(), QSize(32, 32));
    QVERIFY(spanwright::platform::ImageList1().Pixmap(6, 1.0).isNull());
}

void LayoutTest::keyPicturesAreDrawn() {
    using spanwright::platform::KeyPicture;
    for (int k = 0; k <= static_cast<int>(KeyPicture::Clipboard); ++k) {
        const QImage image = spanwright::platform::KeyIcon(static_cast<KeyPicture>(k)).pixmap(QSize(17, 17), 1.0).toImage();
        int inked = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) inked += image.pixelColor(x, y).alpha() > 128;
        QVERIFY2(inked >= 8, qPrintable(QString::number(k)));
        QCOMPARE(image.pixelColor(0, 16).alpha(), 0);
    }
    QVERIFY(!spanwright::platform::AppIcon().pixmap(QSize(32, 32), 1.0).isNull());
}

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
