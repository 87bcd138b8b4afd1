#include "key_script.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "history/frmHistory.h"
#include "main_window/frmMain.h"

namespace spanwright::test {
namespace {

void Send(frmMain& w, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = {}) {
    // Presses the modifier keys first, as a keyboard does.
    QTest::sendKeyEvent(QTest::Click, &w, key, text, modifiers);
}

// A character typed on a US layout: its key, its text, and Shift where the
// layout needs it.
void Type(frmMain& w, QChar c) {
    static const QString shifted = QStringLiteral("\"*+!");
    const Qt::Key key = c.isLetter() ? Qt::Key(Qt::Key_A + (c.toUpper().unicode() - u'A'))
                                     : Qt::Key(c.unicode());  // Qt keys are ASCII for these
    Send(w, key, c, shifted.contains(c) ? Qt::ShiftModifier : Qt::NoModifier);
}

QPushButton* Button(frmMain& w, const QString& name) {
    if (name.size() == 1 && name[0].isDigit()) return w.cmdNum[static_cast<std::size_t>(name.toInt())];
    static const QHash<QString, QPushButton* frmMain::*> buttons = {
        {".", &frmMain::cmdDot},       {"+", &frmMain::cmdAdd},         {"-", &frmMain::cmdSubtract},
        {"*", &frmMain::cmdMultiply},  {"/", &frmMain::cmdDivide},      {"=", &frmMain::cmdEquals},
        {"AC", &frmMain::cmdAC},       {"CE", &frmMain::cmdDelete},     {"<-", &frmMain::cmdBack},
        {"F", &frmMain::cmdFraction},  {"N", &frmMain::cmdNeg},         {"ft", &frmMain::cmdFeet},
        {"in", &frmMain::cmdInches},   {"History", &frmMain::cmdHistory},
    };
    QPushButton* frmMain::*member = buttons.value(name);
    if (!member) qFatal("no button %s", qPrintable(name));
    return w.*member;
}

void Option(frmMain& w, const QString& option) {
    if (option == "Decimal") QTest::mouseClick(w.optOutput[1], Qt::LeftButton);
    else if (option == "Fractional") QTest::mouseClick(w.optOutput[0], Qt::LeftButton);
    else if (option == "Square") QTest::mouseClick(w.chkSquare, Qt::LeftButton);
    else if (option == "RoundOn") QTest::mouseClick(w.chkRound, Qt::LeftButton);
    else if (option.startsWith("Format=")) w.cmbFormat->setCurrentIndex(option.mid(7).toInt());
    else if (option.startsWith("Round=")) w.cmbRound->setCurrentIndex(option.mid(6).toInt());
    else if (option == "ClearHistory") w.HistoryWindow()->mnuClear_Click();
    else qFatal("no option %s", qPrintable(option));
}

void Token(frmMain& w, const QString& t) {
    static const QHash<QString, Qt::Key> named = {
        {"Enter", Qt::Key_Return}, {"Del", Qt::Key_Delete}, {"Back", Qt::Key_Backspace},
        {"Tab", Qt::Key_Tab},      {"Down", Qt::Key_Down},  {"Esc", Qt::Key_Escape},
    };
    if (named.contains(t)) return Send(w, named.value(t), QString());
    if (t == "Shift") return Send(w, Qt::Key_Shift, QString(), Qt::ShiftModifier);
    if (t == "Ctrl") return Send(w, Qt::Key_Control, QString(), Qt::ControlModifier);
    if (t.size() == 1) return Type(w, t[0]);
    if (t.startsWith("Ctrl+Shift+")) return Send(w, Qt::Key(Qt::Key_A + (t.back().toUpper().unicode() - u'A')), t.back(), Qt::ControlModifier | Qt::ShiftModifier);
    if (t.startsWith("Ctrl+")) {
        const QChar c = t.back();
        const Qt::Key key = c.isLetter() ? Qt::Key(Qt::Key_A + (c.toUpper().unicode() - u'A')) : Qt::Key(c.unicode());
        return Send(w, key, c, Qt::ControlModifier);
    }
    if (t.startsWith("Kp")) {
        const QChar c = t.back();
        return Send(w, Qt::Key(c.unicode()), c, Qt::KeypadModifier);
    }
    if (t.startsWith("De:")) {
        const QChar c = t.back();
        if (c == '+') return Send(w, Qt::Key_Plus, c);  // its own key, no Shift
        return Send(w, Qt::Key(c.unicode()), c, Qt::ShiftModifier);  // ' " / * take Shift
    }
    if (t == "Fr:1") return Send(w, Qt::Key_1, "1", Qt::ShiftModifier);
    if (t.startsWith('[')) return QTest::mouseClick(Button(w, t.mid(1, t.size() - 2)), Qt::LeftButton);
    if (t.startsWith('{')) return Option(w, t.mid(1, t.size() - 2));
    qFatal("unknown token %s", qPrintable(t));
}

}  // namespace

void Play(frmMain& w, const QString& script) {
    for (const QString& t : script.split(' ', Qt::SkipEmptyParts)) Token(w, t);
}

QString HistoryLines(frmMain& w) {
    QString text = w.HistoryWindow()->Text();
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("|"));
}

}  // namespace spanwright::test
