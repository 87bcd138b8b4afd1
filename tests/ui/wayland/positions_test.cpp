// Saved window positions on a platform that cannot place windows: each
// window is shown and closed, and on Wayland (QT_QPA_PLATFORM=wayland) the
// saved "Top"/"Left" ("HistTop"/"HistLeft") stay exactly as they were, a
// missing one stays missing; elsewhere (offscreen) they are replaced by the
// window's place in twips.
//   Wayland, saved Top -30000 Left 1500 -> still -30000 and 1500 (not 0, 0)
//   offscreen, nothing saved            -> Top and Left of where it was shown
#include <QtTest>

#include "history/frmHistory.h"
#include "main_window/frmMain.h"
#include "support/rows.h"
#include "support/ui_support.h"

namespace {
bool OnWayland() { return qEnvironmentVariable("QT_QPA_PLATFORM").startsWith(QLatin1String("wayland")); }

struct Keys {
    QString top, left;
};
}  // namespace

class PositionsTest : public QObject {
    Q_OBJECT
private slots:
    void keptOnWaylandReplacedElsewhere_data() {
        spanwright::test::AddRows(QFINDTESTDATA("positions.txt"), {"window", "top", "left"});
    }
    void keptOnWaylandReplacedElsewhere() {
        QFETCH(QString, window);
        QFETCH(QString, top);
        QFETCH(QString, left);
        spanwright::test::TempSettings settings;
        spanwright::test::MessageRecorder messages;
        const bool main = window == QLatin1String("main");
        const Keys keys = main ? Keys{"Top", "Left"} : Keys{"HistTop", "HistLeft"};
        if (top != "-") settings.Write(keys.top, top);
        if (left != "-") settings.Write(keys.left, left);

        QPoint shownAt;
        if (main) {
            spanwright::frmMain w;
            w.Form_Load();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            shownAt = w.pos();
            w.close();
        } else {
            const std::string tape;
            spanwright::frmHistory h(tape);
            h.show();
            QVERIFY(QTest::qWaitForWindowExposed(&h));
            shownAt = h.pos();
            h.Form_Unload();
        }

        bool topFound = false, leftFound = false;
        const QString savedTop = settings.Read(keys.top, &topFound);
        const QString savedLeft = settings.Read(keys.left, &leftFound);
        if (OnWayland()) {
            QCOMPARE(topFound ? savedTop : QStringLiteral("-"), top);
            QCOMPARE(leftFound ? savedLeft : QStringLiteral("-"), left);
        } else {
            QCOMPARE(savedTop, QString::number(shownAt.y() * 15));
            QCOMPARE(savedLeft, QString::number(shownAt.x() * 15));
        }
    }
};

QTEST_MAIN(PositionsTest)
#include "positions_test.moc"
