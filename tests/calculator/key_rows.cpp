#include "key_rows.h"

#include <QtTest>
#include <map>
#include <optional>

#include "calculator/calculator.h"
#include "platform/key_translation.h"
#include "settings/saved_settings.h"
#include "support/key_script.h"

namespace spanwright::test {
namespace {

using calculator::Calculator;
using calculator::DirectKey;
namespace keys = calculator::keys;

QString Text(const std::string& s) { return QString::fromStdString(s); }

// One calculator, what it raised, and what the clipboard and the history
// window would hold, kept from its outcomes alone.
class CorePlayer final : public KeyPlayer {
public:
    Calculator core;
    std::string shownTape;

    void Take(const calculator::Outcome& outcome) {
        for (const auto& message : outcome.messages) messages_ << Text(message.text);
        if (outcome.clipboard) clipboard_ = outcome.clipboard;
        for (const auto& edit : outcome.tapeEdits) {
            if (edit.kind == calculator::TapeEdit::Kind::Append) shownTape += edit.text;
            else if (edit.kind == calculator::TapeEdit::Kind::Clear) shownTape.clear();
            else if (shownTape.ends_with(edit.text)) shownTape.resize(shownTape.size() - edit.text.size());
            else shownTape += "<removed text not at the end>";
        }
    }

    void Key(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers) override {
        if (modifiers & Qt::ShiftModifier) Press(Qt::Key_Shift, {}, {});
        if (modifiers & Qt::ControlModifier) Press(Qt::Key_Control, modifiers & Qt::ShiftModifier, {});
        Press(key, modifiers, text);
    }

    void Click(const QString& name) override {
        static const QHash<QString, int> codes = {
            {".", keys::kKeypadPoint},    {"+", keys::kKeypadAdd}, {"-", keys::kMinus},
            {"*", keys::kKeypadMultiply}, {"/", keys::kSlash},     {"=", keys::kEnter},
            {"CE", keys::kDelete},        {"<-", keys::kBackspace}};
        static const QHash<QString, DirectKey> direct = {
            {"F", DirectKey::Fraction}, {"N", DirectKey::Sign}, {"ft", DirectKey::Feet}, {"in", DirectKey::Inches}};
        if (name.size() == 1 && name[0].isDigit()) return Take(core.KeyDown(keys::kKeypad0 + name.toInt(), 0));
        if (codes.contains(name)) return Take(core.KeyDown(codes.value(name), 0));
        if (direct.contains(name)) return Take(core.Click(direct.value(name)));
        if (name == "AC") return Take(core.ClickClearAll());
        if (name == "Store") return Take(core.Store());
        if (name == "Paste") return Take(core.Paste(clipboard_));
        if (name == "Copy") return Take(core.Copy());
        qFatal("no button %s for the core", qPrintable(name));
    }

    void Option(const QString& option) override {
        const OutputOptions& o = core.Options();
        if (option == "Decimal") Take(core.SelectOutput(1));
        else if (option == "Fractional") Take(core.SelectOutput(0));
        else if (option == "Square") Take(core.SetSquareUnits(o.square != 1));
        else if (option == "RoundOn") Take(core.SetRounding(o.round_on != 1));
        else if (option.startsWith("Format=")) Take(core.SelectFormat(option.mid(7).toInt()));
        else if (option.startsWith("Round=")) Take(core.SelectRounding(option.mid(6).toInt()));
        else if (option == "ClearHistory") Take(core.ClearHistory());
        else qFatal("no option %s", qPrintable(option));
    }

    void Recall(int item) override {
        Take(item == 1 ? core.ClearMemory() : core.Recall(static_cast<std::size_t>(item - 2)));
    }

    void Clip(const std::optional<QString>& text, bool) override {
        clipboard_.reset();
        if (text) clipboard_ = text->toStdString();
    }

    QString Actual(const QString& column) override {
        if (column == "display") return Text(core.Display());
        if (column == "tag") return Text(core.SquareTag());
        if (column == "picture") return QString::number(core.Picture());
        if (column == "history") return Text(core.Tape()).replace("\r\n", "|");
        if (column == "message") return messages_.join(" // ");
        if (column == "clipboard") return clipboard_ ? Text(*clipboard_) : "(none)";
        if (column == "menu") {
            QStringList captions{"Clear", "-"};
            for (const std::string& stored : core.Memory()) captions << Text(stored);
            return captions.join(u',');
        }
        qFatal("no column %s", qPrintable(column));
    }

private:
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
        const platform::VirtualKey k = platform::TranslateKey(key, modifiers, text);
        Take(core.KeyDown(k.KeyCode, k.Shift, [this] { return clipboard_; }));
    }

    std::optional<std::string> clipboard_;
    QStringList messages_;
};

QStringList header;

}  // namespace

void AddKeyRows(const char* path) { header = AddNamedRows(QString::fromUtf8(path)); }

void RunKeyRow() {
    QFETCH(QStringList, row);
    CorePlayer p;
    QStringList tokens = row[1].split(u' ', Qt::SkipEmptyParts);
    // The saved text read as the program reads it.
    settings::MapStore store;
    for (const auto& [name, value] : TakeSettings(tokens)) store.Write(name.toStdString(), value.toStdString());
    p.Take(p.core.Start(settings::Load(store)));
    p.Play(tokens.join(u' '));
    QCOMPARE(Text(p.shownTape), Text(p.core.Tape()));
    CompareColumns(p, header, row);
}

}  // namespace spanwright::test
