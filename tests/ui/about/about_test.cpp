// The About box: its texts, the link through the URL seam, and how it
// closes and blocks the window under it.
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <functional>

#include "about/frmAbout.h"
#include "support/ui_support.h"

using spanwright::frmAbout;

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void texts_data();
    void texts();
    void versionIsTheProjectVersion();
    void linkOpensTheHomePage();
    void clicksBesideTheLinkOpenNothing();
    void closes_data();
    void closes();
    void blocksTheWindowUnderIt();
    void everyCaptionFits();

private:
    // Runs ShowModal over `parent`; `whileOpen` gets the open box. A box
    // still open afterwards is closed (so a failing test cannot hang) and
    // reported through `leftOpen`.
    void ShowAndRun(QWidget* parent, const std::function<void(frmAbout*)>& whileOpen, bool* leftOpen);

    std::unique_ptr<spanwright::test::TempSettings> settings_;
    std::vector<QUrl> opened_;
};

void AboutTest::init() {
    settings_ = std::make_unique<spanwright::test::TempSettings>();
    opened_.clear();
    frmAbout::SetUrlOpener([this](const QUrl& url) { opened_.push_back(url); });
}

void AboutTest::cleanup() {
    frmAbout::SetUrlOpener({});
    settings_.reset();
}

void AboutTest::ShowAndRun(QWidget* parent, const std::function<void(frmAbout*)>& whileOpen, bool* leftOpen) {
    *leftOpen = false;
    bool ran = false;
    QTimer act;  // on the stack: nothing of this call outlives it
    act.setSingleShot(true);
    connect(&act, &QTimer::timeout, [&] {
        auto* box = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
        if (!box) return;
        ran = true;
        whileOpen(box);
        if (box->isVisible()) {
            *leftOpen = true;
            box->reject();
        }
    });
    act.start(0);
    frmAbout::ShowModal(parent);
    QVERIFY2(ran, "no About box was open");
}

void AboutTest::texts_data() {
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("expected");
    QTest::newRow("caption") << "caption" << "About Spanwright";
    QTest::newRow("title") << "lblTitle" << "Spanwright";
    QTest::newRow("link") << "Label1" << "Ostrel Software Home Page";
    QTest::newRow("button") << "cmdOK" << "OK";
    QTest::newRow("description") << "lblDescription"
                                 << "\r\n\r\nSpanwright is a product of Ostrel Software. Please direct any "
                                    "comments, questions or suggestions regarding this software to "
                                    "spanwright@ostrel.example";
}

void AboutTest::texts() {
    QFETCH(QString, what);
    QFETCH(QString, expected);
    frmAbout box;
    const QString actual = what == "caption"          ? box.windowTitle()
                           : what == "lblTitle"       ? box.lblTitle->text()
                           : what == "Label1"         ? box.Label1->text()
                           : what == "cmdOK"          ? box.cmdOK->text()
                                                      : box.lblDescription->text();
    QCOMPARE(actual, expected);
}

void AboutTest::versionIsTheProjectVersion() {
    frmAbout box;
    const QString line = box.lblVersion->text();
    QCOMPARE(line, QStringLiteral("Version " SPANWRIGHT_PROJECT_VERSION));
    QVERIFY2(QRegularExpression(QStringLiteral("^Version \\d+\\.\\d+\\.\\d+$")).match(line).hasMatch(),
             qPrintable(line));
}

void AboutTest::linkOpensTheHomePage() {
    frmAbout box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QTest::mouseClick(box.Label1, Qt::LeftButton, {}, box.Label1->rect().center());
    QCOMPARE(opened_.size(), size_t(1));
    QCOMPARE(opened_.front(), QUrl(QStringLiteral("https://ostrel.example/spanwright")));
    QVERIFY(box.isVisible());  // the box stays open
}

void AboutTest::clicksBesideTheLinkOpenNothing() {
    frmAbout box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QRect text = box.lblDescription->geometry();
    for (const QPoint at : {QPoint(text.left() + 5, text.bottom() - 5),     // the sentence
                            QPoint(box.Label1->geometry().left() - 10, box.Label1->geometry().center().y()),
                            box.lblTitle->geometry().center()}) {
        QWidget* under = box.childAt(at);
        QTest::mouseClick(under ? under : &box, Qt::LeftButton, {}, under ? under->mapFrom(&box, at) : at);
    }
    // A press on the link that is released elsewhere is no click either.
    QTest::mousePress(box.Label1, Qt::LeftButton, {}, box.Label1->rect().center());
    QTest::mouseRelease(box.Label1, Qt::LeftButton, {}, box.Label1->rect().bottomRight() + QPoint(20, 20));
    QCOMPARE(opened_.size(), size_t(0));
}

void AboutTest::closes_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Esc") << "Esc";
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("keypad Enter") << "keypad Enter";
    QTest::newRow("OK clicked") << "OK";
}

void AboutTest::closes() {
    QFETCH(QString, how);
    QWidget parent;
    parent.show();
    bool leftOpen = false;
    ShowAndRun(&parent, [&](frmAbout* box) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : box;
        if (how == "Esc") QTest::keyClick(target, Qt::Key_Escape);
        if (how == "Enter") QTest::keyClick(target, Qt::Key_Return);
        if (how == "keypad Enter") QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
        if (how == "OK") QTest::mouseClick(box->cmdOK, Qt::LeftButton);
    }, &leftOpen);
    QVERIFY2(!leftOpen, "the box was still open");
    QVERIFY(!parent.findChild<frmAbout*>());  // nothing is kept between showings
}

void AboutTest::blocksTheWindowUnderIt() {
    QWidget parent;
    auto* button = new QPushButton(QStringLiteral("Behind"), &parent);
    button->setGeometry(10, 10, 100, 30);
    int clicks = 0;
    connect(button, &QPushButton::clicked, [&] { ++clicks; });
    parent.resize(600, 400);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));

    bool leftOpen = false;
    bool modal = false;
    ShowAndRun(&parent, [&](frmAbout* box) {
        modal = box->isModal() && QApplication::activeModalWidget() == box;
        // Through the window system, which is where a modal box blocks input.
        QTest::mouseClick(parent.windowHandle(), Qt::LeftButton, {}, button->geometry().center());
        box->cmdOK->click();
    }, &leftOpen);
    QVERIFY(modal);
    QVERIFY(!leftOpen);
    QCOMPARE(clicks, 0);
    QTest::mouseClick(parent.windowHandle(), Qt::LeftButton, {}, button->geometry().center());  // it reacts again once the box is gone
    QCOMPARE(clicks, 1);
}

void AboutTest::everyCaptionFits() {
    frmAbout box;
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QCOMPARE(box.picIcon->size(), QSize(62, 62));
    const QImage icon = box.picIcon->grab().toImage();
    QVERIFY(icon.pixelColor(31, 31) != icon.pixelColor(0, 0));  // something is drawn

    for (QLabel* label : {box.lblTitle, box.lblVersion, box.Label1}) {
        const QFontMetrics fm(label->font());
        QVERIFY2(fm.horizontalAdvance(label->text()) <= label->width(), qPrintable(label->text()));
        QVERIFY2(fm.height() <= label->height(), qPrintable(label->text()));
    }
    const QRect description = box.lblDescription->geometry();
    QVERIFY(box.lblDescription->heightForWidth(description.width()) <= description.height());
    // The link covers only the description's two empty lines, never its sentence.
    const int line = QFontMetrics(box.lblDescription->font()).lineSpacing();
    QVERIFY(box.Label1->geometry().bottom() < description.top() + 2 * line);
    QVERIFY(!box.cmdOK->geometry().intersects(description));
    QVERIFY(box.cmdOK->minimumSizeHint().height() <= box.cmdOK->height());
    for (QWidget* child : box.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(box.rect().contains(child->geometry()), qPrintable(child->metaObject()->className()));
}

QTEST_MAIN(AboutTest)
#include "about_test.moc"
