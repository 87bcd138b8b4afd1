#include "key_rows.h"

#include <QKeyEvent>
#include <QtTest>
#include <map>
#include <optional>

#include "calculator/calculator.h"
#include "platform/key_translation.h"
#include "support/rows.h"

namespace spanwright::test {
namespace {

using calculator::Calculator;
using calculator::DirectKey;
namespace keys = calculator::keys;

QString Decode(QString text) {
    return text.replace("\\s", " ").replace("\\r", "\r").replace("\\n", "\n").replace("\\t", "\t");
}

Qt::Key KeyOf(QChar c) {  // Qt keys are ASCII for these
    return c.isLetter() ? Qt::Key(Qt::Key_A + (c.toUpper().unicode() - u'A')) : Qt::Key(c.unicode());
}

// One calculator, what it raised and what the clipboard and the history
// window would hold, kept from its tape edits.
struct Player {
    Calculator core;
    std::optional<std::string> clipboard;
    QStringList messages;
    std::string shownTape;  // the tape rebuilt from the edits alone

    void Take(const calculator::Outcome& outcome) {
        for (const auto& message : outcome.messages) messages << QString::fromStdString(message.text);
        if (outcome.clipboard) clipboard = outcome.clipboard;
        for (const auto& edit : outcome.tapeEdits) {
            if (edit.kind == calculator::TapeEdit::Kind::Append) shownTape += edit.text;
            else if (edit.kind == calculator::TapeEdit::Kind::Clear) shownTape.clear();
            else shownTape.resize(shownTape.size() - std::min(shownTape.size(), edit.count));
        }
    }

    // As QTest sends a key click: the modifier keys pressed first.
    void Send(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers = {}) {
        if (modifiers & Qt::ShiftModifier) Press(Qt::Key_Shift, {}, {});
        if (modifiers & Qt::ControlModifier) Press(Qt::Key_Control, modifiers & Qt::ShiftModifier, {});
        Press(key, modifiers, text);
    }
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
        const platform::VirtualKey k = platform::TranslateKey(key, modifiers, text);
        Take(core.KeyDown(k.KeyCode, k.Shift, [this] { return clipboard; }));
    }

    void Click(const QString& name) {
        static const QHash<QString, int> codes = {
            {".", keys::kKeypadPoint}, {"+", keys::kKeypadAdd},      {"-", keys::kMinus},
            {"*", keys::kKeypadMultiply}, {"/", keys::kSlash},       {"=", keys::kEnter},
            {"CE", keys::kDelete},     {"<-", keys::kBackspace},
        };
        static const QHash<QString, DirectKey> direct = {
            {"F", DirectKey::Fraction}, {"N", DirectKey::Sign}, {"ft", DirectKey::Feet}, {"in", DirectKey::Inches}};
        if (name.size() == 1 && name[0].isDigit()) return Take(core.KeyDown(keys::kKeypad0 + name.toInt(), 0));
        if (codes.contains(name)) return Take(core.KeyDown(codes.value(name), 0));
        if (direct.contains(name)) return Take(core.Click(direct.value(name)));
        if (name == "AC") return Take(core.ClickClearAll());
        if (name == "Store") return Take(core.Store());
        if (name == "Paste") return Take(core.Paste(clipboard));
        if (name == "Copy") return Take(core.Copy());
        qFatal("no button %s", qPrintable(name));
    }

    void Option(const QString& option) {
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

    void Token(const QString& t) {
        static const QHash<QString, Qt::Key> named = {
            {"Enter", Qt::Key_Return}, {"Del", Qt::Key_Delete}, {"Back", Qt::Key_Backspace}, {"Tab", Qt::Key_Tab}};
        const QChar c = t.back();
        if (named.contains(t)) return Send(named.value(t), QString());
        if (t == "Shift") return Send(Qt::Key_Shift, QString(), Qt::ShiftModifier);
        if (t == "Ctrl") return Send(Qt::Key_Control, QString(), Qt::ControlModifier);
        if (t.size() == 1) return Send(KeyOf(c), c, QString("\"*+!").contains(c) ? Qt::ShiftModifier : Qt::NoModifier);
        if (t.startsWith("Ctrl+Shift+")) return Send(KeyOf(c), c, Qt::ControlModifier | Qt::ShiftModifier);
        if (t.startsWith("Ctrl+")) return Send(KeyOf(c), c, Qt::ControlModifier);
        if (t.startsWith("Kp")) return Send(KeyOf(c), c, Qt::KeypadModifier);
        if (t == "De:+") return Send(Qt::Key_Plus, c);                      // its own key, no Shift
        if (t.startsWith("De:")) return Send(KeyOf(c), c, Qt::ShiftModifier);  // ' " / * take Shift
        if (t == "Fr:1") return Send(Qt::Key_1, "1", Qt::ShiftModifier);
        if (t.startsWith('[')) return Click(t.mid(1, t.size() - 2));
        if (t.startsWith('{')) return Option(t.mid(1, t.size() - 2));
        if (t.startsWith("recall:")) {
            const int item = t.mid(7).toInt();
            return Take(item == 1 ? core.ClearMemory() : core.Recall(static_cast<std::size_t>(item - 2)));
        }
        if (t.startsWith("clip:")) {
            const QString content = t.mid(5);
            clipboard.reset();
            if (content != "image" && content != "none") clipboard = Decode(content).toStdString();
            return;
        }
        if (t.startsWith("fill:")) {
            for (int i = 1; i <= t.mid(5).toInt(); ++i) {
                Token("Del");
                for (const QChar digit : QString::number(i)) Token(digit);
                Click("Store");
            }
            return;
        }
        qFatal("unknown token %s", qPrintable(t));
    }

    QString Actual(const QString& column) const {
        const auto text = [](const std::string& s) { return QString::fromStdString(s); };
        if (column == "display") return text(core.Display());
        if (column == "tag") return text(core.SquareTag());
        if (column == "picture") return QString::number(core.Picture());
        if (column == "history") return text(core.Tape()).replace("\r\n", "|");
        if (column == "message") return messages.join(" // ");
        if (column == "clipboard") return clipboard ? text(*clipboard) : "(none)";
        if (column == "menu") {
            QStringList captions{"Clear", "-"};
            for (const std::string& stored : core.Memory()) captions << text(stored);
            return captions.join(',');
        }
        qFatal("no column %s", qPrintable(column));
    }
};

QStringList header;

}  // namespace

void AddKeyRows(const char* path) { header = AddNamedRows(QString::fromUtf8(path)); }

void RunKeyRow() {
    QFETCH(QStringList, row);
    Player p;
    QStringList tokens = row[1].split(' ', Qt::SkipEmptyParts);
    calculator::SavedOptions saved;
    while (!tokens.isEmpty() && tokens.front().startsWith("set:")) {
        const QString setting = tokens.takeFirst().mid(4);
        const QString name = setting.section('=', 0, 0), value = setting.section('=', 1);
        std::optional<std::string> text;
        if (!value.isEmpty()) text = value.toStdString();
        const std::map<QString, std::optional<std::string> calculator::SavedOptions::*> fields = {
            {"Output", &calculator::SavedOptions::output}, {"Square", &calculator::SavedOptions::square},
            {"Format", &calculator::SavedOptions::format}, {"Round", &calculator::SavedOptions::round},
            {"RoundOn", &calculator::SavedOptions::roundOn}, {"ListCount", &calculator::SavedOptions::listCount}};
        if (!fields.count(name)) qFatal("no setting %s", qPrintable(name));
        saved.*fields.at(name) = text;
    }
    p.Take(p.core.Start(saved));
    for (const QString& t : tokens) p.Token(t);
    QCOMPARE(QString::fromStdString(p.shownTape), QString::fromStdString(p.core.Tape()));
    for (qsizetype i = 2; i < header.size(); ++i) {
        const QString actual = p.Actual(header[i]), expected = row[i];
        if (actual != expected) QFAIL(qPrintable(QString("%1 is <%2>, not <%3>").arg(header[i], actual, expected)));
    }
}

}  // namespace spanwright::test
