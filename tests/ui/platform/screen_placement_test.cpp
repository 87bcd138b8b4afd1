// The rule both windows use before restoring a saved position (rows in
// screen_placements.txt).
#include <QTest>

#include "support/rows.h"
#include "platform/screen_placement.h"

namespace {
QRect Rect(const QString& cell) {
    const QStringList n = cell.split(u' ', Qt::SkipEmptyParts);
    return n.size() == 4 ? QRect(n[0].toInt(), n[1].toInt(), n[2].toInt(), n[3].toInt()) : QRect();
}
}  // namespace

class ScreenPlacementTest : public QObject {
    Q_OBJECT
private slots:
    void shows_data() { spanwright::test::AddRows(QFINDTESTDATA("screen_placements.txt"), {"window", "screens", "shows"}); }
    void shows() {
        QFETCH(QString, window);
        QFETCH(QString, screens);
        QFETCH(QString, shows);
        QList<QRect> areas;
        for (const QString& screen : screens.split(u';', Qt::SkipEmptyParts)) areas << Rect(screen);
        QVERIFY(Rect(window).isValid());
        QCOMPARE(QString(spanwright::platform::ShowsOnAScreen(Rect(window), areas) ? "yes" : "no"), shows);
    }
};

QTEST_GUILESS_MAIN(ScreenPlacementTest)
#include "screen_placement_test.moc"
