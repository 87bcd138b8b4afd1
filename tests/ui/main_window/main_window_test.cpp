// The main window: start-up from saved settings, the options panel, what
// shut-down writes, the controls' texts and fit, and the stair and About
// windows it opens. Most cases are rows of window_cases.txt.
#include <QtWidgets>
#include <unistd.h>

#include "about/frmAbout.h"
#include "main_window/frmMain.h"
#include "support/main_window_fixture.h"
#include "support/rows.h"
#include "platform/pictures.h"
#include "stair/frmStair.h"
#include "support/ui_support.h"

using namespace spanwright;

namespace {
using test::Window;

QList<stair::frmStair*> StairWindows() {
    QList<stair::frmStair*> found;
    for (QWidget* w : QApplication::topLevelWidgets()) found << qobject_cast<stair::frmStair*>(w);
    return found.removeAll(nullptr), found;
}

// The name a screen reader reads for a control.
QString AccessibleName(QWidget* control) { return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name); }

const QString kDefaults = "output=fractional; format=Feet and Inches; round=1/16 Inch; "
                          "rounding=on locked, list on; square=0; count=10; messages=0";
}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    static QString Facet(const Window& f, const QString& name) {
        const frmMain& w = *f.form;
        bool found = false;
        const QString saved = f.settings.Read(name.mid(6), &found);
        if (name.startsWith("saved.")) return found ? saved : "-";
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        const auto items = [](const QComboBox* list) {
            QStringList items;
            for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
            return items.join(u',');
        };
        const std::map<QString, QString> facets{
            {"panel", (w.height() == w.TallHeight() && w.ForTest().controls.Frame1->geometry().bottom() < w.height()    ? "tall "
                       : w.height() == w.ShortHeight() && w.ForTest().controls.Frame1->y() >= w.height() ? "short "
                                                                                      : QString::number(w.height()) + " ") +
                          w.ForTest().controls.cmdOptions->text()},
            {"rounding", QString(w.ForTest().controls.chkRound->isChecked() ? "on" : "off") + (w.ForTest().controls.chkRound->isEnabled() ? "" : " locked") +
                             (w.ForTest().controls.cmbRound->isEnabled() ? ", list on" : ", list off")},
            {"onscreen", screen.intersects(w.frameGeometry()) && w.frameGeometry().top() >= screen.top() ? "yes" : "no"},
            {"output", w.ForTest().controls.optOutput[0]->isChecked() ? "fractional" : w.ForTest().controls.optOutput[1]->isChecked() ? "decimal" : "none"},
            {"title", w.windowTitle()},     {"display", w.ForTest().controls.lblDisplay->text()},
            {"tag", w.ForTest().controls.lblSquare->text()},
            {"spoken", QAccessible::queryAccessibleInterface(w.ForTest().controls.lblDisplay)->text(QAccessible::Value)},
            {"format", w.ForTest().controls.cmbFormat->currentText()}, {"formats", items(w.ForTest().controls.cmbFormat)},
            {"round", w.ForTest().controls.cmbRound->currentText()},   {"rounds", items(w.ForTest().controls.cmbRound)},
            {"square", QString::number(w.ForTest().controls.chkSquare->isChecked())}, {"count", QString::number(w.Core().MemoryCapacity())},
            {"messages", QString::number(f.messages.records().size())}, {"pos", QString("%1,%2").arg(w.x()).arg(w.y())}};
        return facets.count(name) ? facets.at(name) : "no such facet: " + name;
    }

private slots:
    void cases_data() { test::AddRows(QFINDTESTDATA("window_cases.txt"), {"saved", "actions", "expected"}); }
    // Writes the saved settings, starts the window, runs the actions and checks
    // the expected facets. After start-up and every action the option links
    // hold: fractional always rounds, the rounding list follows its box, and
    // the format list has the length of its mode.
    void cases() {
        QFETCH(QString, saved);
        QFETCH(QString, actions);
        QFETCH(QString, expected);
        Window f;
        for (const QString& s : saved.split("; ", Qt::SkipEmptyParts)) {
            if (s == "!folder") QVERIFY(QDir().mkpath(f.settings.FilePath()));
            else if (s == "!readonly" && ::geteuid() == 0) QSKIP("root writes read-only files; the folder case covers root");
            else if (s == "!readonly") QFile::setPermissions(f.settings.FilePath(), QFile::ReadOwner);
            else if (s == "!garbage") {
                QDir().mkpath(QFileInfo(f.settings.FilePath()).path());
                QFile file(f.settings.FilePath());
                QVERIFY(file.open(QIODevice::WriteOnly) && file.write("[Software\n\x01\x02=\xff\xfe]]]\n=\n[[\nOstrel"
                                                                      "\\Spanwright\\Top=\"\n\x93\xc5\x5a\xff\x80") > 0);
            } else f.settings.Write(s.section(u'=', 0, 0), s.section(u'=', 1));
        }
        frmMain* w = &f.Start();
        QVERIFY(w->isVisible());
        const auto links = [&](const QString& after) {
            const bool fractional = w->ForTest().controls.optOutput[0]->isChecked(), square = w->ForTest().controls.chkSquare->isChecked();
            QVERIFY2(!fractional || (w->ForTest().controls.chkRound->isChecked() && !w->ForTest().controls.chkRound->isEnabled()), qPrintable(after));
            QVERIFY2(w->ForTest().controls.cmbRound->isEnabled() == w->ForTest().controls.chkRound->isChecked(), qPrintable(after));
            QVERIFY2(w->ForTest().controls.cmbFormat->count() == (square ? (fractional ? 1 : 4) : (fractional ? 3 : 7)), qPrintable(after));
        };
        links("start-up");
        for (const QString& a : actions.split("; ", Qt::SkipEmptyParts)) {
            const QString verb = a.section(u' ', 0, 0), rest = a.section(u' ', 1);
            if (verb == "click") {
                QAbstractButton* target = nullptr;
                for (auto* b : w->findChildren<QAbstractButton*>()) target = AccessibleName(b) == rest ? b : target;
                QVERIFY2(target, qPrintable(a));
                QTest::mouseClick(target, Qt::LeftButton);
            } else if (verb == "format") w->ForTest().controls.cmbFormat->setCurrentIndex(rest.toInt());
            else if (verb == "round") w->ForTest().controls.cmbRound->setCurrentIndex(rest.toInt());
            else if (verb == "keys") QTest::keyClicks(w, rest);
            else if (verb == "move") w->move(rest.section(u' ', 0, 0).toInt(), rest.section(u' ', 1).toInt());
            else if (verb == "close") w->close();
            else if (verb == "restart") w->close(), w = &f.Start();
            else QFAIL(qPrintable("unknown action " + a));
            links(a);
        }
        for (const QString& e : expected.replace("defaults", kDefaults).split("; ", Qt::SkipEmptyParts))
            QCOMPARE(e.section(u'=', 0, 0) + "=" + Facet(f, e.section(u'=', 0, 0)), e);
    }

    // Every key, box and list of the window with its caption and tooltip, by
    // the name a screen reader reads; each also carries an accessible description.
    void controlTexts() {
        Window f;
        frmMain& w = f.Start();
        std::map<QString, QStringList> table;
        for (const QStringList& row : test::ReadRows(QFINDTESTDATA("control_texts.txt"))) table[row[0]] = row;
        std::size_t seen = 0;
        for (QWidget* c : w.findChildren<QWidget*>()) {
            const auto* button = qobject_cast<QAbstractButton*>(c);
            if ((!button && !qobject_cast<QComboBox*>(c) && c != w.ForTest().controls.Frame1) || (c->parent() != &w && c->parent() != w.ForTest().controls.Frame1))
                continue;
            // A list reads as its current item on Linux: its row has the name it is given.
            const QString name = qobject_cast<QComboBox*>(c) ? c->accessibleName() : AccessibleName(c);
            QVERIFY2(table.count(name), qPrintable("no row for " + name));
            const QStringList& row = table[name];
            QCOMPARE(button ? button->text() : c == w.ForTest().controls.Frame1 ? w.ForTest().controls.Frame1->title() : QString(), row.value(1));
            QCOMPARE(c->toolTip(), row.value(2));
            QVERIFY2(c == w.ForTest().controls.Frame1 || !c->accessibleDescription().isEmpty(), qPrintable(row[0]));
            ++seen;
        }
        QCOMPARE(seen, table.size());
    }

    void captionsFitAndNothingOverlaps() {
        Window f;
        frmMain& w = f.Start();
        w.cmdOptions_Click();
        QVERIFY(w.rect().contains(w.ForTest().controls.Frame1->geometry()));
        for (const QString tag : {"sqFt", "sqIn", "sqYd", "sqM", "cuFt", "cuIn", "cuYd", "cuM"})  // the tag is never cut short
            QVERIFY2(QFontMetrics(w.ForTest().controls.lblSquare->font()).horizontalAdvance(tag) <= w.ForTest().controls.lblSquare->contentsRect().width(),
                     qPrintable(tag));
        for (const QWidget* parent : std::initializer_list<const QWidget*>{&w, w.ForTest().controls.Frame1}) {
            QList<QWidget*> children;
            for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (!child->isVisibleTo(parent) || child->isWindow()) continue;
                const auto* button = qobject_cast<QPushButton*>(child);
                const QFontMetrics metrics(child->font());
                if (button && !button->text().isEmpty())
                    QVERIFY2(metrics.horizontalAdvance(button->text()) + 4 <= button->width() &&
                                 metrics.height() <= button->height(), qPrintable(button->text()));
                else if (auto* box = qobject_cast<QAbstractButton*>(child); box && !button)
                    QVERIFY2(box->sizeHint().width() <= box->width() && box->sizeHint().height() <= box->height() &&
                                 parent->rect().contains(box->geometry()), qPrintable(box->text()));
                for (const QWidget* other : children)
                    QVERIFY2(!other->geometry().intersects(child->geometry()),
                             qPrintable(other->accessibleName() + " / " + child->accessibleName()));
                children << child;
            }
        }
    }

    // The plus bar is two logical pixels thick: four sharp device pixels.
    void picturesAreCrispAtTwiceThePixels() {
        const QImage plus = platform::ImageList1().Pixmap(1, 2.0).toImage();
        QString column = QString::number(plus.width()) + " ";
        for (int y = 16; y <= 23; ++y)
            column += plus.pixelColor(10, y) == QColor(Qt::black) ? '.' : plus.pixelColor(10, y) == QColor(128, 128, 255) ? 'B' : '?';
        QCOMPARE(column, QStringLiteral("40 ..BBBB.."));
    }

    void oneStairWindowAndAModalAboutBox() {
        Window f;
        frmMain& w = f.Start();
        QTest::mouseClick(w.ForTest().controls.cmdStair, Qt::LeftButton);
        QTest::mouseClick(w.ForTest().controls.cmdStair, Qt::LeftButton);
        QCOMPARE(StairWindows().size(), 1);
        stair::frmStair* window = StairWindows().first();
        window->Text1[2]->setText("108");
        window->Text1[0]->setText("7.5");
        QTest::mouseClick(window->cmdCalculate, Qt::LeftButton);
        QTest::mouseClick(window->Command1, Qt::LeftButton);
        QTRY_COMPARE(StairWindows().size(), 0);
        QCOMPARE(w.ForTest().stairVars.intRisers, std::int16_t(15));
        QTest::mouseClick(w.ForTest().controls.cmdStair, Qt::LeftButton);
        QVERIFY(StairWindows().first()->Text1[1]->text().isEmpty());
        // The About box is modal; the keyboard comes back to the window after it.
        bool sawModal = false;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            sawModal = about != nullptr;
            if (about) QTest::keyClick(about, Qt::Key_Escape);
        });
        QTest::mouseClick(w.ForTest().controls.cmdAbout, Qt::LeftButton);
        QVERIFY(sawModal && !QApplication::activeModalWidget());
        QTest::keyClick(&w, '7');
        QCOMPARE(w.ForTest().controls.lblDisplay->text(), QStringLiteral("7"));
        w.close();  // shut-down unloads the stair window
        QTRY_COMPARE(StairWindows().size(), 0);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
