#include "key_script.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QtTest>

#include "history/frmHistory.h"
#include "platform/picture_box.h"
#include "platform/popup_menu.h"
#include "support/rows.h"
#include "platform/display_label.h"

namespace spanwright::test {
namespace {

// QTest presses the modifier keys first, as a keyboard does.
void Send(frmMain& w, Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* popup = QApplication::activePopupWidget();
    QTest::sendKeyEvent(QTest::Click, popup ? popup : &w, key, text, modifiers);
}

Qt::Key KeyOf(QChar c) {  // Qt keys are ASCII for these
    return c.isLetter() ? Qt::Key(Qt::Key_A + (c.toUpper().unicode() - u'A')) : Qt::Key(c.unicode());
}

QString Decode(QString text) {
    return text.replace("\\s", " ").replace("\\r", "\r").replace("\\n", "\n").replace("\\t", "\t");
}

QPushButton* Button(frmMain& w, const QString& name) {
    if (name.size() == 1 && name[0].isDigit()) return w.cmdNum[static_cast<std::size_t>(name.toInt())];
    static const QHash<QString, QPushButton* frmMain::*> buttons = {
        {".", &frmMain::cmdDot},        {"+", &frmMain::cmdAdd},         {"-", &frmMain::cmdSubtract},
        {"*", &frmMain::cmdMultiply},   {"/", &frmMain::cmdDivide},      {"=", &frmMain::cmdEquals},
        {"AC", &frmMain::cmdAC},        {"CE", &frmMain::cmdDelete},     {"<-", &frmMain::cmdBack},
        {"F", &frmMain::cmdFraction},   {"N", &frmMain::cmdNeg},         {"ft", &frmMain::cmdFeet},
        {"in", &frmMain::cmdInches},    {"History", &frmMain::cmdHistory}, {"Store", &frmMain::cmdStore},
        {"Recall", &frmMain::cmdRecall}, {"Paste", &frmMain::cmdPaste},  {"Copy", &frmMain::cmdClipboard},
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

void Recall(frmMain& w, int item) {
    QTest::mouseClick(w.cmdRecall, Qt::LeftButton);
    QMenu& menu = w.cp->Menu();
    for (QAction* action : menu.actions()) {
        if (menu.isVisible() && action->data().toInt() == item)
            return QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
    }
    qFatal("no item %d in an open Recall menu", item);
}

void Clip(const QString& content) {
    if (content == "none") return QGuiApplication::clipboard()->clear();
    if (content != "image") return QGuiApplication::clipboard()->setText(Decode(content));
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::red);
    auto* picture = new QMimeData;
    picture->setImageData(image);
    QGuiApplication::clipboard()->setMimeData(picture);
}

void Token(frmMain& w, const QString& t) {
    static const QHash<QString, Qt::Key> named = {
        {"Enter", Qt::Key_Return}, {"Del", Qt::Key_Delete}, {"Back", Qt::Key_Backspace},
        {"Tab", Qt::Key_Tab},      {"Down", Qt::Key_Down},  {"Esc", Qt::Key_Escape},
    };
    const QChar c = t.back();
    if (named.contains(t)) return Send(w, named.value(t), QString());
    if (t == "Shift") return Send(w, Qt::Key_Shift, QString(), Qt::ShiftModifier);
    if (t == "Ctrl") return Send(w, Qt::Key_Control, QString(), Qt::ControlModifier);
    if (t.size() == 1) return Send(w, KeyOf(c), c, QString("\"*+!").contains(c) ? Qt::ShiftModifier : Qt::NoModifier);
    if (t.startsWith("Ctrl+Shift+")) return Send(w, KeyOf(c), c, Qt::ControlModifier | Qt::ShiftModifier);
    if (t.startsWith("Ctrl+")) return Send(w, KeyOf(c), c, Qt::ControlModifier);
    if (t.startsWith("Kp")) return Send(w, KeyOf(c), c, Qt::KeypadModifier);
    if (t == "De:+") return Send(w, Qt::Key_Plus, c);                      // its own key, no Shift
    if (t.startsWith("De:")) return Send(w, KeyOf(c), c, Qt::ShiftModifier);  // ' " / * take Shift
    if (t == "Fr:1") return Send(w, Qt::Key_1, "1", Qt::ShiftModifier);
    if (t.startsWith('[')) return QTest::mouseClick(Button(w, t.mid(1, t.size() - 2)), Qt::LeftButton);
    if (t.startsWith('{')) return Option(w, t.mid(1, t.size() - 2));
    if (t.startsWith("recall:")) return Recall(w, t.mid(7).toInt());
    if (t.startsWith("clip:")) return Clip(t.mid(5));
    if (t.startsWith("fill:")) {
        for (int i = 1; i <= t.mid(5).toInt(); ++i) Play(w, "Del " + QString::number(i).split("", Qt::SkipEmptyParts).join(' ') + " [Store]");
        return;
    }
    qFatal("unknown token %s", qPrintable(t));
}

QStringList header;

QString Actual(Window& f, const QString& column) {
    frmMain& w = *f.form;
    if (column == "display") return w.lblDisplay->text();
    if (column == "tag") return w.lblSquare->text();
    if (column == "picture") return QString::number(w.Picture1->PictureIndex());
    if (column == "history") return HistoryLines(w);
    QStringList texts;
    if (column == "message") {
        for (const auto& record : f.messages.records()) texts << record.text;
        return texts.join(" // ");
    }
    if (column == "menu") {
        for (std::int32_t i = 1; i <= w.cp->MenuItemCount(); ++i) texts << w.cp->MenuItemCaption(i);
        return texts.join(',');
    }
    if (column == "clipboard") {
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        return data && data->hasText() ? data->text() : "(none)";
    }
    qFatal("no column %s", qPrintable(column));
}

}  // namespace

void Play(frmMain& w, const QString& script) {
    for (const QString& t : script.split(' ', Qt::SkipEmptyParts)) Token(w, t);
}

QString HistoryLines(frmMain& w) { return QString(w.HistoryWindow()->Text()).replace("\r\n", "|"); }

void AddRows(const char* path) { header = AddNamedRows(QString::fromUtf8(path)); }

void RunRow() {
    QFETCH(QStringList, row);
    Window f;
    QGuiApplication::clipboard()->clear();
    QStringList tokens = row[1].split(' ', Qt::SkipEmptyParts);
    while (!tokens.isEmpty() && tokens.front().startsWith("set:")) {
        const QString setting = tokens.takeFirst().mid(4);
        f.settings.Write(setting.section('=', 0, 0), setting.section('=', 1));
    }
    Play(f.Start(), tokens.join(' '));
    QVERIFY2(!QApplication::activePopupWidget(), "a menu is still open");
    for (qsizetype i = 2; i < header.size(); ++i) {
        const QString actual = Actual(f, header[i]), expected = row[i];
        if (actual != expected)
            QFAIL(qPrintable(QString("%1 is <%2>, not <%3>").arg(header[i], actual, expected)));
    }
}

}  // namespace spanwright::test
