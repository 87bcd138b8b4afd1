#include "key_script.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "history/frmHistory.h"
#include "platform/display_label.h"
#include "platform/picture_box.h"
#include "platform/popup_menu.h"
#include "support/key_script.h"

namespace spanwright::test {
namespace {

class WindowPlayer final : public KeyPlayer {
public:
    WindowPlayer(frmMain& w, const MessageRecorder* messages = nullptr) : w_(w), messages_(messages) {}

    // QTest presses the modifier keys first, as a keyboard does.
    void Key(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers) override {
        QWidget* popup = QApplication::activePopupWidget();
        QTest::sendKeyEvent(QTest::Click, popup ? popup : &w_, key, text, modifiers);
    }

    void Click(const QString& name) override {
        static const QHash<QString, QPushButton* frmMainControls::*> buttons = {
            {".", &frmMainControls::cmdDot},         {"+", &frmMainControls::cmdAdd},           {"-", &frmMainControls::cmdSubtract},
            {"*", &frmMainControls::cmdMultiply},    {"/", &frmMainControls::cmdDivide},        {"=", &frmMainControls::cmdEquals},
            {"AC", &frmMainControls::cmdAC},         {"CE", &frmMainControls::cmdDelete},       {"<-", &frmMainControls::cmdBack},
            {"F", &frmMainControls::cmdFraction},    {"N", &frmMainControls::cmdNeg},           {"ft", &frmMainControls::cmdFeet},
            {"in", &frmMainControls::cmdInches},     {"History", &frmMainControls::cmdHistory}, {"Store", &frmMainControls::cmdStore},
            {"Recall", &frmMainControls::cmdRecall}, {"Paste", &frmMainControls::cmdPaste},     {"Copy", &frmMainControls::cmdClipboard},
        };
        QPushButton* button = name.size() == 1 && name[0].isDigit() ? w_.ForTest().controls.cmdNum[static_cast<std::size_t>(name.toInt())]
                              : buttons.contains(name)              ? w_.ForTest().controls.*buttons.value(name)
                                                                    : nullptr;
        if (!button) qFatal("no button %s", qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    void Option(const QString& option) override {
        if (option == "Decimal") QTest::mouseClick(w_.ForTest().controls.optOutput[1], Qt::LeftButton);
        else if (option == "Fractional") QTest::mouseClick(w_.ForTest().controls.optOutput[0], Qt::LeftButton);
        else if (option == "Square") QTest::mouseClick(w_.ForTest().controls.chkSquare, Qt::LeftButton);
        else if (option == "RoundOn") QTest::mouseClick(w_.ForTest().controls.chkRound, Qt::LeftButton);
        else if (option.startsWith("Format=")) w_.ForTest().controls.cmbFormat->setCurrentIndex(option.mid(7).toInt());
        else if (option.startsWith("Round=")) w_.ForTest().controls.cmbRound->setCurrentIndex(option.mid(6).toInt());
        else if (option == "ClearHistory") w_.HistoryWindow()->mnuClear_Click();
        else qFatal("no option %s", qPrintable(option));
    }

    // Recall, then a click on the item of the open menu.
    void Recall(int item) override {
        QTest::mouseClick(w_.ForTest().controls.cmdRecall, Qt::LeftButton);
        QMenu& menu = w_.ForTest().controls.cp->Menu();
        for (QAction* action : menu.actions()) {
            if (menu.isVisible() && action->data().toInt() == item)
                return QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(action).center());
        }
        qFatal("no item %d in an open Recall menu", item);
    }

    void Clip(const std::optional<QString>& text, bool image) override {
        if (text) return QGuiApplication::clipboard()->setText(*text);
        if (!image) return QGuiApplication::clipboard()->clear();
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(Qt::red);
        auto* data = new QMimeData;
        data->setImageData(picture);
        QGuiApplication::clipboard()->setMimeData(data);
    }

    QString Actual(const QString& column) override {
        if (column == "display") return w_.ForTest().controls.lblDisplay->text();
        if (column == "tag") return w_.ForTest().controls.lblSquare->text();
        if (column == "picture") return QString::number(w_.ForTest().controls.Picture1->PictureIndex());
        if (column == "history") return HistoryLines(w_);
        QStringList texts;
        if (column == "message" && messages_) {
            for (const auto& record : messages_->records()) texts << record.text;
            return texts.join(" // ");
        }
        if (column == "menu") {
            for (std::int32_t i = 1; i <= w_.ForTest().controls.cp->MenuItemCount(); ++i) texts << w_.ForTest().controls.cp->MenuItemCaption(i);
            return texts.join(u',');
        }
        if (column == "clipboard") {
            const QMimeData* data = QGuiApplication::clipboard()->mimeData();
            return data && data->hasText() ? data->text() : "(none)";
        }
        qFatal("no column %s", qPrintable(column));
    }

private:
    frmMain& w_;
    const MessageRecorder* messages_;
};

QStringList header;

}  // namespace

void Play(frmMain& w, const QString& script) { WindowPlayer(w).Play(script); }

QString HistoryLines(frmMain& w) { return QString::fromStdString(w.HistoryWindow()->Tape()).replace("\r\n", "|"); }

void AddRows(const char* path) { header = AddNamedRows(QString::fromUtf8(path)); }

void RunRow() {
    QFETCH(QStringList, row);
    Window f;
    QGuiApplication::clipboard()->clear();
    QStringList tokens = row[1].split(u' ', Qt::SkipEmptyParts);
    for (const auto& [name, value] : TakeSettings(tokens)) f.settings.Write(name, value);
    WindowPlayer player(f.Start(), &f.messages);
    player.Play(tokens.join(u' '));
    QVERIFY2(!QApplication::activePopupWidget(), "a menu is still open");
    CompareColumns(player, header, row);
    // The box, mended edit by edit, shows what a box opened on the final tape shows.
    const frmHistory fresh(f.form->HistoryWindow()->Tape());
    QCOMPARE(f.form->HistoryWindow()->Text1->toPlainText(), fresh.Text1->toPlainText());
}

}  // namespace spanwright::test
