// What a screen reader or speech control gets from each window, read
// through the accessible interfaces the desktop's bridge reads: names that
// contain the captions, values as text, the options button's state, the
// hidden options panel, and the windows' roles.
#include <QtTest>
#include <QtWidgets>
#include <cstdlib>
#include <cxxabi.h>
#include <typeinfo>

#include "about/frmAbout.h"
#include "history/frmHistory.h"
#include "layout/frmLayout.h"
#include "main_window/frmMain.h"
#include "support/rows.h"
#include "stair/frmStair.h"
#include "support/main_window_fixture.h"

using namespace spanwright;

namespace {

QAccessibleInterface* Reader(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

QString TypeName(const QObject& object) {
    char* name = abi::__cxa_demangle(typeid(object).name(), nullptr, nullptr, nullptr);
    const QString text = QString::fromLatin1(name);
    std::free(name);
    return text;
}

QString RoleName(QAccessible::Role role) { return QMetaEnum::fromType<QAccessible::Role>().valueToKey(role); }

// A caption as it is shown: "&&" is one '&', a single '&' marks a shortcut.
QString Shown(QString caption) {
    caption.replace(QStringLiteral("&&"), QChar(1));
    caption.remove(u'&');
    return caption.replace(QChar(1), u'&');
}

// The caption a control shows, if it is one that has a caption.
QString CaptionOf(QObject* object) {
    if (auto* button = qobject_cast<QAbstractButton*>(object)) return Shown(button->text());
    if (auto* box = qobject_cast<QGroupBox*>(object)) return Shown(box->title());
    if (auto* action = qobject_cast<QAction*>(object)) return action->isSeparator() ? QString() : Shown(action->text());
    return {};
}

void Walk(QAccessibleInterface* reader, const std::function<void(QAccessibleInterface*)>& visit) {
    if (!reader || !reader->isValid()) return;
    visit(reader);
    for (int i = 0; i < reader->childCount(); ++i) Walk(reader->child(i), visit);
}

// The main window fixture, and the other windows it opens.
struct Session : test::Window {
    std::unique_ptr<QWidget> other;

    ~Session() {
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    }
    void Keys(const QString& keys) {
        for (QChar c : keys) {
            if (c == u'\r') QTest::keyClick(form.get(), Qt::Key_Return);
            else QTest::keyClick(form.get(), c.toLatin1());
        }
    }
    stair::frmStair* Stair() {
        QTest::mouseClick(form->ForTest().controls.cmdStair, Qt::LeftButton);
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* stair = qobject_cast<stair::frmStair*>(window)) return stair;
        return nullptr;
    }
    // The window a row names, opened as a user opens it.
    QObject* Open(const QString& window) {
        frmMain& w = Start();
        if (window == "main") return &w;
        if (window == "tall") return QTest::mouseClick(w.ForTest().controls.cmdOptions, Qt::LeftButton), &w;
        if (window == "stair") return Stair();
        if (window == "about") return (other = std::make_unique<frmAbout>()).get();
        if (window == "layout") {
            QTest::keyClick(&w, Qt::Key_L, Qt::ControlModifier);
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* layout = dynamic_cast<layout::frmLayout*>(top); layout && layout->isVisible()) return layout;
            return nullptr;
        }
        if (window == "history") return (other = std::make_unique<frmHistory>(w.HistoryWindow()->Tape())).get();
        if (window == "recall") {
            Keys("5'3");
            QTest::mouseClick(w.ForTest().controls.cmdStore, Qt::LeftButton);
            QTest::mouseClick(w.ForTest().controls.cmdRecall, Qt::LeftButton);
            return QApplication::activePopupWidget();
        }
        qFatal("no window %s", qPrintable(window));
    }
};

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void captionsAreInTheNames_data() {
        QTest::addColumn<QString>("window");
        for (const char* window : {"main", "tall", "stair", "about", "history", "layout", "recall"}) QTest::newRow(window) << window;
    }
    // Speech control users say what they see: every button, check box,
    // option button, group box and menu item is named with its caption.
    void captionsAreInTheNames() {
        QFETCH(QString, window);
        Session s;
        QObject* root = s.Open(window);
        QVERIFY(root);
        std::map<QString, QString> names;  // caption -> name
        Walk(Reader(root), [&](QAccessibleInterface* reader) {
            const QString caption = CaptionOf(reader->object());
            if (caption.isEmpty()) return;
            const QString name = reader->text(QAccessible::Name);
            names[caption] = name;
            QVERIFY2(name.contains(caption), qPrintable(QString("\"%1\" is named \"%2\"").arg(caption, name)));
        });
        std::size_t pinned = 0;
        for (const QStringList& row : test::ReadRows(QFINDTESTDATA("names.txt"))) {
            if (row[0] != window) continue;
            QVERIFY2(names.count(row[1]), qPrintable("no control shows " + row[1]));
            QCOMPARE(names[row[1]], row[2]);
            ++pinned;
        }
        QVERIFY(pinned > 0);
    }

    void valueLabels_data() { test::AddRows(QFINDTESTDATA("values.txt"), {"control", "name", "action", "text"}); }
    // The display, the square tag and the stair results keep their name and
    // give their value as text, which a reader can read and spell.
    void valueLabels() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, action);
        QFETCH(QString, text);
        Session s;
        frmMain& w = s.Start();
        const QString verb = action.section(u' ', 0, 0), rest = action.section(u' ', 1);
        if (verb == "square") QTest::mouseClick(w.ForTest().controls.chkSquare, Qt::LeftButton);
        if (verb == "keys" || verb == "square") s.Keys(rest + "\r");
        QLabel* label = nullptr;
        if (control == "lblDisplay" || control == "lblSquare") {
            label = control == "lblDisplay" ? static_cast<QLabel*>(w.ForTest().controls.lblDisplay) : w.ForTest().controls.lblSquare;
        } else {
            stair::frmStair* stair = s.Stair();
            QVERIFY(stair);
            const bool risers = verb == "risers";
            QTest::mouseClick(stair->optStair[risers ? 0 : 1], Qt::LeftButton);
            const QStringList values = rest.split(u',');
            for (int i = 0; i < 3; ++i) (risers ? stair->Text1 : stair->Text2)[std::size_t(i)]->setText(values[i]);
            QTest::mouseClick(stair->cmdCalculate, Qt::LeftButton);
            label = risers ? stair->lblRiser : stair->lblTread;
        }
        QCOMPARE(label->text(), text);
        QAccessibleInterface* reader = Reader(label);
        QCOMPARE(RoleName(reader->role()), QStringLiteral("StaticText"));
        QCOMPARE(reader->text(QAccessible::Name), name);
        QVERIFY2(reader->textInterface(), "no text interface");
        QCOMPARE(reader->textInterface()->text(0, reader->textInterface()->characterCount()), text);
    }

    void optionsButtonAndPanel_data() {
        test::AddRows(QFINDTESTDATA("panel.txt"), {"steps", "name", "state", "panel"});
    }
    // The options button is named by its caption and reports whether the
    // panel is open. While the short window cuts the panel off, the panel is
    // hidden: Tab does not reach it and a reader does not report it; shown,
    // it is where it always was.
    void optionsButtonAndPanel() {
        QFETCH(QString, steps);
        QFETCH(QString, name);
        QFETCH(QString, state);
        QFETCH(QString, panel);
        Session s;
        for (const QString& step : steps.split("; ", Qt::SkipEmptyParts))
            if (step.startsWith(u'!')) s.settings.Write(step.mid(1).section(u'=', 0, 0), step.section(u'=', 1));
        frmMain& w = s.Start();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QAccessibleInterface* button = Reader(w.ForTest().controls.cmdOptions);
        for (const QString& step : steps.split("; ", Qt::SkipEmptyParts)) {
            if (step == "click") QTest::mouseClick(w.ForTest().controls.cmdOptions, Qt::LeftButton);
            else if (step == "press") {
                const QString before = w.ForTest().controls.cmdOptions->text();
                QVERIFY(button->actionInterface() && button->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
                button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                QTRY_VERIFY(w.ForTest().controls.cmdOptions->text() != before);
            }
        }

        QSet<QWidget*> tabbed;
        for (int i = 0; i < 60; ++i) {
            QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &w, Qt::Key_Tab);
            tabbed << QApplication::focusWidget();
        }
        QList<QWidget*> reached;
        for (QWidget* control : w.ForTest().controls.Frame1->findChildren<QWidget*>())
            if (tabbed.contains(control)) reached << control;
        const bool shown = panel == "shown";
        QCOMPARE(!reached.isEmpty(), shown);
        QCOMPARE(w.ForTest().controls.Frame1->isVisible(), shown);
        QCOMPARE(Reader(w.ForTest().controls.Frame1)->state().invisible, !shown);
        QCOMPARE(w.ForTest().controls.Frame1->geometry().bottom() < w.height(), shown);

        frmMain designed;  // the layout as built, before any start-up step
        QCOMPARE(w.ForTest().controls.Frame1->geometry(), designed.ForTest().controls.Frame1->geometry());
        const QList<QWidget*> now = w.ForTest().controls.Frame1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        const QList<QWidget*> then = designed.ForTest().controls.Frame1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(now.size(), then.size());
        for (qsizetype i = 0; i < now.size(); ++i) QCOMPARE(now[i]->geometry(), then[i]->geometry());

        QCOMPARE(button->text(QAccessible::Name), name);
        const QAccessible::State st = button->state();
        QCOMPARE(QString("%1 %2 %3").arg(st.expandable).arg(st.expanded).arg(st.collapsed),
                 state == "expanded" ? "1 1 0" : "1 0 1");
        bool controlsPanel = false;
        for (const auto& [other, relation] : button->relations(QAccessible::Controlled))
            controlsPanel |= other->object() == w.ForTest().controls.Frame1;
        QVERIFY2(controlsPanel, "the button does not say that it controls the panel");
    }

    void windows_data() { test::AddRows(QFINDTESTDATA("windows.txt"), {"role", "name", "className"}); }
    // A reader lists each window as a window with its title, whatever class
    // the program gives it.
    void windows() {
        QFETCH(QString, role);
        QFETCH(QString, name);
        QFETCH(QString, className);
        Session s;
        QObject* window = s.Open(QTest::currentDataTag());
        QCOMPARE(TypeName(*window), className);
        QCOMPARE(RoleName(Reader(window)->role()), role);
        QCOMPARE(Reader(window)->text(QAccessible::Name), name);
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
