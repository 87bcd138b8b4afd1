#pragma once
// Scripts of keys and clicks, one grammar for every player (the calculator
// core alone, or a real main window), and the rows of data files of them.
// Tokens are separated by blanks:
//   5 ' . f n / - + * " = !  a character as a US keyboard types it (its key
//                           and text; a Shift key first for " * + !)
//   Enter Del Back Tab Down Esc Shift Ctrl    keys with no character
//   Ctrl+f Ctrl+/ Ctrl+' Ctrl+c Ctrl+v Ctrl+Shift+c    Ctrl held
//   Kp7 Kp+ Kp. Kp,         the numeric keypad
//   De:' De:" De:/ De:* De:+ Fr:1    a German or French layout's events
//   [7] [+] [=] [AC] [CE] [<-] [F] [N] [ft] [in] [Store] [Paste] [Copy]
//   [History] [Recall]      a click on the button (the last two: window only)
//   {Decimal} {Fractional} {Square} {RoundOn} {Format=0} {Round=7}
//   {ClearHistory}          the options panel, the history's Clear
//   recall:3                a choice of item 3 of the Recall menu (1 Clear)
//   fill:11                 stores 1 to 11, each keyed after a clear entry
//   clip:3'  clip:a\sb  clip:image  clip:none    the clipboard's content
//   set:ListCount=25        a saved setting, only before the first other token
// In texts \s is a blank, \r \n \t are CR, LF and tab.
#include <QString>
#include <QStringList>
#include <QTest>
#include <Qt>
#include <optional>

#include "calculator/keys.h"
#include "support/rows.h"

namespace spanwright::test {

// What a token does, carried out by a player.
class KeyPlayer {
public:
    virtual ~KeyPlayer() = default;
    // A key event as QTest sends one: the modifier keys pressed first.
    virtual void Key(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers) = 0;
    virtual void Click(const QString& button) = 0;
    virtual void Option(const QString& option) = 0;
    virtual void Recall(int item) = 0;
    // The clipboard's text, or nothing (clip:none); image: a picture only.
    virtual void Clip(const std::optional<QString>& text, bool image) = 0;
    // A column of a row: display, tag, picture, message, menu, clipboard, history.
    virtual QString Actual(const QString& column) = 0;

    void Play(const QString& script) {
        for (const QString& t : script.split(u' ', Qt::SkipEmptyParts)) Token(t);
    }

private:
    static Qt::Key KeyOf(QChar c) {  // Qt keys are ASCII for these
        return c.isLetter() ? Qt::Key(Qt::Key_A + (c.toUpper().unicode() - u'A')) : Qt::Key(c.unicode());
    }
    // Shift held for a character whose typed key takes it, and for "!"
    // (Shift+1, which types no key).
    static Qt::KeyboardModifiers ShiftOf(QChar c) {
        const auto key = c.unicode() < 0x80 ? calculator::keys::OfTypedCharacter(static_cast<char>(c.unicode())) : std::nullopt;
        return (key && key->shift == calculator::keys::kShiftDown) || c == u'!' ? Qt::ShiftModifier : Qt::NoModifier;
    }

    void Token(const QString& t) {
        static const QHash<QString, Qt::Key> named = {{"Enter", Qt::Key_Return}, {"Del", Qt::Key_Delete},
                                                      {"Back", Qt::Key_Backspace}, {"Tab", Qt::Key_Tab},
                                                      {"Down", Qt::Key_Down},     {"Esc", Qt::Key_Escape}};
        const QChar c = t.back();
        if (named.contains(t)) return Key(named.value(t), QString(), {});
        if (t == "Shift") return Key(Qt::Key_Shift, QString(), Qt::ShiftModifier);
        if (t == "Ctrl") return Key(Qt::Key_Control, QString(), Qt::ControlModifier);
        if (t.size() == 1) return Key(KeyOf(c), c, ShiftOf(c));
        if (t.startsWith("Ctrl+Shift+")) return Key(KeyOf(c), c, Qt::ControlModifier | Qt::ShiftModifier);
        if (t.startsWith("Ctrl+")) return Key(KeyOf(c), c, Qt::ControlModifier);
        if (t.startsWith("Kp")) return Key(KeyOf(c), c, Qt::KeypadModifier);
        if (t == "De:+") return Key(Qt::Key_Plus, c, {});                      // its own key, no Shift
        if (t.startsWith("De:")) return Key(KeyOf(c), c, Qt::ShiftModifier);  // ' " / * take Shift
        if (t == "Fr:1") return Key(Qt::Key_1, "1", Qt::ShiftModifier);
        if (t.startsWith(u'[')) return Click(t.mid(1, t.size() - 2));
        if (t.startsWith(u'{')) return Option(t.mid(1, t.size() - 2));
        if (t.startsWith("recall:")) return Recall(t.mid(7).toInt());
        if (t.startsWith("clip:")) {
            const QString content = t.mid(5);
            if (content == "none" || content == "image") return Clip(std::nullopt, content == "image");
            return Clip(QString(content).replace("\\s", " ").replace("\\r", "\r").replace("\\n", "\n").replace("\\t", "\t"),
                        false);
        }
        if (t.startsWith("fill:")) {
            for (int i = 1; i <= t.mid(5).toInt(); ++i) Play("Del " + QString::number(i).split("", Qt::SkipEmptyParts).join(u' ') + " [Store]");
            return;
        }
        qFatal("unknown token %s", qPrintable(t));
    }
};

// The saved settings a row's keys start with ("set:Name=Value"), taken off them.
inline QList<std::pair<QString, QString>> TakeSettings(QStringList& tokens) {
    QList<std::pair<QString, QString>> settings;
    while (!tokens.isEmpty() && tokens.front().startsWith("set:")) {
        const QString setting = tokens.takeFirst().mid(4);
        settings.append({setting.section(u'=', 0, 0), setting.section(u'=', 1)});
    }
    return settings;
}

// Compares every column after the keys with what the player shows.
inline void CompareColumns(KeyPlayer& player, const QStringList& header, const QStringList& row) {
    for (qsizetype i = 2; i < header.size(); ++i) {
        const QString actual = player.Actual(header[i]), expected = row[i];
        if (actual != expected) QFAIL(qPrintable(QString("%1 is <%2>, not <%3>").arg(header[i], actual, expected)));
    }
}

}  // namespace spanwright::test
