// Start-up from the saved settings, and what shut-down writes back.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QtTest>
#include <unistd.h>

#include "main_window_fixture.h"
#include "platform/twips.h"

using spanwright::test::MainWindowFixture;

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void firstRunDefaults();
    void showOptionsSetting_data();
    void showOptionsSetting();
    void outputSetting_data();
    void outputSetting();
    void roundOnSetting_data();
    void roundOnSetting();
    void listCountSetting_data();
    void listCountSetting();
    void savedListPositions();
    void badSettingsStartWithDefaults_data();
    void badSettingsStartWithDefaults();
    void garbageFileStartsWithDefaults();
    void shutDownWritesTheEightValues();
    void settingsPersistToTheNextStart();
    void offScreenPositionIsIgnored();
    void onScreenPositionIsRestored();
    void unwritableStoreLosesOnlyItsValues();
    void readOnlyFileKeepsItsContent();
};

void StartupTest::firstRunDefaults() {
    MainWindowFixture f;
    auto& w = f.Start();
    QVERIFY(w.isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("Spanwright"));
    QCOMPARE(w.lblDisplay->text(), QStringLiteral("0"));
    QVERIFY(w.blnNewExpresion);
    QVERIFY(w.optOutput[0]->isChecked());
    QVERIFY(!w.optOutput[1]->isChecked());
    QCOMPARE(w.cmbFormat->currentIndex(), 1);
    QCOMPARE(w.cmbFormat->currentText(), QStringLiteral("Feet and Inches"));
    QCOMPARE(w.cmbRound->currentIndex(), 4);
    QCOMPARE(w.cmbRound->currentText(), QStringLiteral("1/16 Inch"));
    QVERIFY(w.chkRound->isChecked());
    QVERIFY(!w.chkRound->isEnabled());
    QVERIFY(w.cmbRound->isEnabled());
    QVERIFY(!w.chkSquare->isChecked());
    QCOMPARE(w.lngListCount, 10);
    QVERIFY(!w.blnShowOptions);
    QCOMPARE(w.height(), w.ShortHeight());
    QCOMPARE(w.cmdOptions->text(), QStringLiteral("Show Options"));
    QVERIFY(f.messages.records().empty());
}

void StartupTest::showOptionsSetting_data() {
    QTest::addColumn<QString>("saved");
    QTest::addColumn<bool>("shown");
    QTest::newRow("True") << "True" << true;
    QTest::newRow("lower-case true") << "true" << true;
    QTest::newRow("number 1") << "1" << true;
    QTest::newRow("False") << "False" << false;
    QTest::newRow("garbage") << "garbage" << false;
    QTest::newRow("empty") << "" << false;
}

void StartupTest::showOptionsSetting() {
    QFETCH(QString, saved);
    QFETCH(bool, shown);
    MainWindowFixture f;
    f.settings.Write("ShowOptions", saved);
    auto& w = f.Start();
    QCOMPARE(w.blnShowOptions, shown);
    QCOMPARE(w.height(), shown ? w.TallHeight() : w.ShortHeight());
    QCOMPARE(w.cmdOptions->text(), shown ? QStringLiteral("Hide Options") : QStringLiteral("Show Options"));
}

void StartupTest::outputSetting_data() {
    QTest::addColumn<QString>("saved");
    QTest::addColumn<bool>("decimal");
    QTest::newRow("1 is decimal") << "1" << true;
    QTest::newRow("0 is fractional") << "0" << false;
    QTest::newRow("empty is fractional") << "" << false;
    QTest::newRow("7 names no button: fractional") << "7" << false;
    QTest::newRow("not a number: fractional") << "abc" << false;
}

void StartupTest::outputSetting() {
    QFETCH(QString, saved);
    QFETCH(bool, decimal);
    MainWindowFixture f;
    f.settings.Write("Output", saved);
    auto& w = f.Start();
    QCOMPARE(w.optOutput[1]->isChecked(), decimal);
    QCOMPARE(w.optOutput[0]->isChecked(), !decimal);
    QCOMPARE(w.cmbFormat->count(), decimal ? 4 : 3);
    QCOMPARE(w.cmbRound->itemText(0), decimal ? QStringLiteral("1") : QStringLiteral("1 Inch"));
    QCOMPARE(w.chkRound->isEnabled(), decimal);
}

// "RoundOn" 0 or missing runs chkRound_Click directly, so the rounding list
// follows the box; in decimal mode the box keeps its unchecked design value.
void StartupTest::roundOnSetting_data() {
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("roundOn");  // "-" leaves it missing
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("listEnabled");
    QTest::newRow("decimal, missing") << "1" << "-" << false << false;
    QTest::newRow("decimal, 0") << "1" << "0" << false << false;
    QTest::newRow("decimal, 1") << "1" << "1" << true << true;
    QTest::newRow("decimal, garbage") << "1" << "x" << false << false;
    QTest::newRow("fractional, 0 stays rounded") << "0" << "0" << true << true;
    QTest::newRow("fractional, missing") << "0" << "-" << true << true;
}

void StartupTest::roundOnSetting() {
    QFETCH(QString, output);
    QFETCH(QString, roundOn);
    QFETCH(bool, checked);
    QFETCH(bool, listEnabled);
    MainWindowFixture f;
    f.settings.Write("Output", output);
    if (roundOn != "-") f.settings.Write("RoundOn", roundOn);
    auto& w = f.Start();
    QCOMPARE(w.chkRound->isChecked(), checked);
    QCOMPARE(w.cmbRound->isEnabled(), listEnabled);
}

void StartupTest::listCountSetting_data() {
    QTest::addColumn<QString>("saved");  // "-" leaves it missing
    QTest::addColumn<int>("count");
    QTest::newRow("25") << "25" << 25;
    QTest::newRow("25.0") << "25.0" << 25;
    QTest::newRow("missing") << "-" << 10;
    QTest::newRow("0 gives the default") << "0" << 10;
    QTest::newRow("-3 gives the default") << "-3" << 10;
    QTest::newRow("2.5 gives the default") << "2.5" << 10;
    QTest::newRow("abc gives the default") << "abc" << 10;
}

void StartupTest::listCountSetting() {
    QFETCH(QString, saved);
    QFETCH(int, count);
    MainWindowFixture f;
    if (saved != "-") f.settings.Write("ListCount", saved);
    auto& w = f.Start();
    QCOMPARE(w.lngListCount, count);
}

void StartupTest::savedListPositions() {
    MainWindowFixture f;
    f.settings.Write("Output", "1");
    f.settings.Write("Format", "2");
    f.settings.Write("Round", "6");
    f.settings.Write("Square", "0");
    auto& w = f.Start();
    QCOMPARE(w.cmbFormat->currentText(), QStringLiteral("Feet"));
    QCOMPARE(w.cmbRound->currentText(), QStringLiteral("1E-06"));

    MainWindowFixture g;
    g.settings.Write("Output", "1");
    g.settings.Write("Square", "1");
    g.settings.Write("Format", "0");
    auto& v = g.Start();
    QVERIFY(v.chkSquare->isChecked());
    QCOMPARE(v.cmbFormat->currentText(), QStringLiteral("Square Feet"));
}

void StartupTest::badSettingsStartWithDefaults_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::newRow("Format -5") << "Format" << "-5";
    QTest::newRow("Format past the list") << "Format" << "3";
    QTest::newRow("Round 99999999999") << "Round" << "99999999999";
    QTest::newRow("Round 9") << "Round" << "9";
    QTest::newRow("Top 1e309") << "Top" << "1e309";
    QTest::newRow("Left 1e38") << "Left" << "1e38";
    QTest::newRow("Square 7") << "Square" << "7";
    QTest::newRow("Square text") << "Square" << "yes";
    QTest::newRow("RoundOn 5") << "RoundOn" << "5";
    QTest::newRow("Output 99999") << "Output" << "99999";
    QTest::newRow("ListCount 1e300") << "ListCount" << "1e300";
}

void StartupTest::badSettingsStartWithDefaults() {
    QFETCH(QString, name);
    QFETCH(QString, value);
    MainWindowFixture f;
    f.settings.Write(name, value);
    auto& w = f.Start();
    QVERIFY(w.isVisible());
    QVERIFY(w.optOutput[0]->isChecked());
    QCOMPARE(w.cmbFormat->currentIndex(), 1);
    QCOMPARE(w.cmbRound->currentIndex(), 4);
    QVERIFY(w.chkRound->isChecked());
    QVERIFY(!w.chkSquare->isChecked());
    QCOMPARE(w.lngListCount, 10);
    QVERIFY(f.messages.records().empty());
}

void StartupTest::garbageFileStartsWithDefaults() {
    MainWindowFixture f;
    QDir().mkpath(QFileInfo(f.settings.FilePath()).path());
    QFile file(f.settings.FilePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QByteArray junk("[Software\n\x01\x02=\xff\xfe]]]\n=\n[[\nOstrel\\Spanwright\\Top=\"\n");
    for (int i = 0; i < 64; ++i) junk.append(char((i * 37) & 0xff));
    file.write(junk);
    file.close();
    auto& w = f.Start();
    QVERIFY(w.isVisible());
    QVERIFY(w.optOutput[0]->isChecked());
    QCOMPARE(w.cmbRound->currentIndex(), 4);
    f.Close();
    QVERIFY(f.messages.records().empty());
}

void StartupTest::shutDownWritesTheEightValues() {
    MainWindowFixture f;
    auto& w = f.Start();
    w.cmdOptions_Click();
    w.optOutput[1]->setChecked(true);
    w.cmbFormat->setCurrentIndex(3);
    w.cmbRound->setCurrentIndex(6);
    w.chkRound->setChecked(false);
    const QPoint position = w.pos();
    f.Close();

    const struct {
        const char* name;
        QString value;
    } expected[] = {
        {"Top", QString::number(position.y() * 15)},
        {"Left", QString::number(position.x() * 15)},
        {"ShowOptions", "True"},
        {"Output", "1"},
        {"Format", "3"},
        {"Round", "6"},
        {"RoundOn", "0"},
        {"Square", "0"},
    };
    for (const auto& row : expected) {
        bool found = false;
        QCOMPARE(f.settings.Read(row.name, &found), row.value);
        QVERIFY2(found, row.name);
    }
    bool found = true;
    f.settings.Read("ListCount", &found);
    QVERIFY(!found);
}

void StartupTest::settingsPersistToTheNextStart() {
    spanwright::test::TempSettings settings;
    spanwright::test::MessageRecorder messages;
    {
        spanwright::frmMain first;
        first.Form_Load();
        QTest::mouseClick(first.cmdOptions, Qt::LeftButton);
        QTest::mouseClick(first.optOutput[1], Qt::LeftButton);
        QVERIFY(first.optOutput[1]->isChecked());
        first.close();
    }
    spanwright::frmMain next;
    next.Form_Load();
    QVERIFY(next.blnShowOptions);
    QCOMPARE(next.height(), next.TallHeight());
    QCOMPARE(next.cmdOptions->text(), QStringLiteral("Hide Options"));
    QVERIFY(next.optOutput[1]->isChecked());
}

void StartupTest::offScreenPositionIsIgnored() {
    MainWindowFixture f;
    f.settings.Write("Top", "-100000");
    f.settings.Write("Left", "600");
    auto& w = f.Start();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(screen.intersects(w.frameGeometry()), "the window lies off the screen");
    QVERIFY(w.frameGeometry().top() >= screen.top());
}

void StartupTest::onScreenPositionIsRestored() {
    MainWindowFixture f;
    f.settings.Write("Top", "1500");
    f.settings.Write("Left", "3000");
    auto& w = f.Start();
    QCOMPARE(w.pos(), QPoint(200, 100));
}

// A folder standing where the settings file belongs stops even root: start
// uses the defaults, shut-down writes nothing and reports nothing.
void StartupTest::unwritableStoreLosesOnlyItsValues() {
    MainWindowFixture f;
    QVERIFY(QDir().mkpath(f.settings.FilePath()));
    auto& w = f.Start();
    QVERIFY(w.optOutput[0]->isChecked());
    w.optOutput[1]->setChecked(true);
    f.Close();
    QVERIFY(f.messages.records().empty());
    QVERIFY(QFileInfo(f.settings.FilePath()).isDir());
}

// Root writes whatever the mode; as an ordinary user the file stays as it was.
void StartupTest::readOnlyFileKeepsItsContent() {
    if (::geteuid() == 0) QSKIP("root writes read-only files; the folder-as-file case covers root");
    MainWindowFixture f;
    f.settings.Write("HistTop", "1234");
    f.settings.Write("Output", "0");
    QFile::setPermissions(f.settings.FilePath(), QFile::ReadOwner | QFile::ReadUser);
    auto& w = f.Start();
    w.optOutput[1]->setChecked(true);
    f.Close();
    QVERIFY(f.messages.records().empty());
    QCOMPARE(f.settings.Read("HistTop"), QStringLiteral("1234"));
    QCOMPARE(f.settings.Read("Output"), QStringLiteral("0"));
}

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
