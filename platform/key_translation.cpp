#include "platform/key_translation.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <optional>

#include "calculator/keys.h"

namespace spanwright::platform {
namespace {

using namespace calculator::keys;

int ModifierState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? kShiftDown : 0) | (modifiers & Qt::ControlModifier ? kCtrlDown : 0) |
           (modifiers & Qt::AltModifier ? kAltDown : 0);
}

// A printable character typed without Ctrl or Alt: the character decides.
// Off the keypad it presses the key the typed-character map names; every
// letter gives its capital's code and "=" the "=" key, which the map
// leaves alone (typed text presses Enter with it).
VirtualKey FromCharacter(QChar ch, bool keypad) {
    const char16_t c = ch.unicode();
    if (keypad) {
        if (c >= u'0' && c <= u'9') return {kKeypad0 + (c - u'0'), 0};
        switch (c) {
            case u'.':
            case u',': return {kKeypadPoint, 0};  // the keypad's decimal key on comma layouts too
            case u'-': return {kKeypadSubtract, 0};
            case u'+': return {kKeypadAdd, 0};
            case u'*': return {kKeypadMultiply, 0};
            case u'/': return {kKeypadDivide, 0};
            default: break;
        }
    }
    if (c >= u'a' && c <= u'z') return {kLetterA + (c - u'a'), 0};
    if (c >= u'A' && c <= u'Z') return {kLetterA + (c - u'A'), 0};
    if (c == u'=') return {kEquals, 0};
    if (c >= 0x80) return {0, 0};
    const std::optional<Key> key = OfTypedCharacter(static_cast<char>(c));
    return key ? VirtualKey{key->code, key->shift} : VirtualKey{0, 0};
}

// While Ctrl or Alt is held the key decides, and Shift is the physical one.
int CodeOfKey(int qtKey, bool keypad) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return kLetterA + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return (keypad ? kKeypad0 : kDigit0) + (qtKey - Qt::Key_0);
    switch (qtKey) {
        case Qt::Key_Slash: return keypad ? kKeypadDivide : kSlash;
        case Qt::Key_Apostrophe:
        case Qt::Key_QuoteDbl: return kQuote;
        case Qt::Key_Minus: return keypad ? kKeypadSubtract : kMinus;
        case Qt::Key_Period: return keypad ? kKeypadPoint : kPeriod;
        case Qt::Key_Comma: return keypad ? kKeypadPoint : kComma;
        case Qt::Key_Plus: return keypad ? kKeypadAdd : kEquals;
        case Qt::Key_Equal: return kEquals;
        case Qt::Key_Asterisk: return keypad ? kKeypadMultiply : kStar;
        default: return 0;
    }
}

// Keys that produce no character.
int CodeOfControlKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return kEnter;
        case Qt::Key_Backspace: return kBackspace;
        case Qt::Key_Delete: return kDelete;
        case Qt::Key_Shift: return kShiftKey;
        case Qt::Key_Control: return kCtrlKey;
        case Qt::Key_Alt: return kAltKey;
        default: return 0;
    }
}

class KeyFilter final : public QObject {
public:
    KeyFilter(QWidget& window, std::function<bool(VirtualKey)> handle)
        : QObject(&window), window_(window), handle_(std::move(handle)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType() ||
            static_cast<QWidget*>(watched)->window() != &window_)
            return false;
        return handle_(TranslateKey(*static_cast<QKeyEvent*>(event)));
    }

private:
    QWidget& window_;
    std::function<bool(VirtualKey)> handle_;
};

}  // namespace

void FilterKeys(QWidget& window, std::function<bool(VirtualKey)> handle) {
    qApp->installEventFilter(new KeyFilter(window, std::move(handle)));
}

VirtualKey TranslateKey(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text) {
    const int state = ModifierState(modifiers);
    const bool keypad = modifiers & Qt::KeypadModifier;
    if (const int code = CodeOfControlKey(qtKey)) return {code, state};
    if (state & (kCtrlDown | kAltDown)) return {CodeOfKey(qtKey, keypad), state};
    if (text.size() == 1 && text.at(0).isPrint()) return FromCharacter(text.at(0), keypad);
    return {0, state};
}

VirtualKey TranslateKey(const QKeyEvent& event) {
    return TranslateKey(event.key(), event.modifiers(), event.text());
}

}  // namespace spanwright::platform
