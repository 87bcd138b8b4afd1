#include "platform/key_translation.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace spanwright::platform {
namespace {

constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;

int ModifierState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? kShift : 0) | (modifiers & Qt::ControlModifier ? kCtrl : 0) |
           (modifiers & Qt::AltModifier ? kAlt : 0);
}

// A printable character typed without Ctrl or Alt: the character decides.
VirtualKey FromCharacter(QChar ch, bool keypad) {
    const char16_t c = ch.unicode();
    if (c >= u'0' && c <= u'9') return {(keypad ? 96 : 48) + (c - u'0'), 0};
    if (c >= u'a' && c <= u'z') return {'A' + (c - u'a'), 0};
    if (c >= u'A' && c <= u'Z') return {int(c), 0};
    switch (c) {
        case u'.': return {keypad ? 110 : 190, 0};
        case u',': return {keypad ? 110 : 0, 0};  // the keypad's decimal key on comma layouts
        case u'\'': return {222, 0};
        case u'"': return {222, kShift};
        case u'-': return keypad ? VirtualKey{109, 0} : VirtualKey{189, 0};
        case u'+': return keypad ? VirtualKey{107, 0} : VirtualKey{187, kShift};
        case u'*': return keypad ? VirtualKey{106, 0} : VirtualKey{56, kShift};
        case u'/': return {keypad ? 111 : 191, 0};
        case u'=': return {187, 0};
        default: return {0, 0};
    }
}

// While Ctrl or Alt is held the key decides, and Shift is the physical one.
int CodeOfKey(int qtKey, bool keypad) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 'A' + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return (keypad ? 96 : 48) + (qtKey - Qt::Key_0);
    switch (qtKey) {
        case Qt::Key_Slash: return keypad ? 111 : 191;
        case Qt::Key_Apostrophe:
        case Qt::Key_QuoteDbl: return 222;
        case Qt::Key_Minus: return keypad ? 109 : 189;
        case Qt::Key_Period: return keypad ? 110 : 190;
        case Qt::Key_Comma: return keypad ? 110 : 188;
        case Qt::Key_Plus: return keypad ? 107 : 187;
        case Qt::Key_Equal: return 187;
        case Qt::Key_Asterisk: return keypad ? 106 : 56;
        default: return 0;
    }
}

// Keys that produce no character.
int CodeOfControlKey(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return 13;
        case Qt::Key_Backspace: return 8;
        case Qt::Key_Delete: return 46;
        case Qt::Key_Shift: return 16;
        case Qt::Key_Control: return 17;
        case Qt::Key_Alt: return 18;
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
    if (state & (kCtrl | kAlt)) return {CodeOfKey(qtKey, keypad), state};
    if (text.size() == 1 && text.at(0).isPrint()) return FromCharacter(text.at(0), keypad);
    return {0, state};
}

VirtualKey TranslateKey(const QKeyEvent& event) {
    return TranslateKey(event.key(), event.modifiers(), event.text());
}

}  // namespace spanwright::platform
