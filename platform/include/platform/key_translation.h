#pragma once
// Qt key events to the keyboard map's virtual key code and Shift state, by
// the character the key produces, so every layout types what its keys show.
// This is the one table; nothing else translates keys. Its codes are named
// in calculator/keys.h, and a printable character off the keypad presses the
// key keys::OfTypedCharacter gives it (every letter its capital's code, "="
// the "=" key).
//   '7'                      -> {55, 0}      keypad '7'        -> {103, 0}
//   '*' (Shift+8 on US)      -> {56, 1}      keypad '*'        -> {106, 0}
//   '"' (any layout)         -> {222, 1}     '\''              -> {222, 0}
//   '+'                      -> {187, 1}     '='               -> {187, 0}
//   keypad ',' (German)      -> {110, 0}     'f' or 'F'        -> {70, 0}
//   Shift+& on French ("1")  -> {49, 0}      Shift+1 on US ("!") -> {0, 0}
//   Ctrl+C                   -> {67, 2}      Ctrl+Shift+C      -> {67, 3}
//   Return, keypad Enter     -> {13, 0}      the Shift key     -> {16, 1}
#include <Qt>
#include <QString>

#include <functional>

class QKeyEvent;
class QWidget;

namespace spanwright::platform {

struct VirtualKey {
    int KeyCode = 0;  // 0: a key the table does not know
    int Shift = 0;    // 1 Shift, 2 Ctrl, 4 Alt, added together
};

VirtualKey TranslateKey(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text);
VirtualKey TranslateKey(const QKeyEvent& event);

// Hands every key press meant for `window`, whatever child has the focus,
// translated, to `handle`, and consumes the keys it says it took. A key
// not taken goes on to the focused control (and may climb to its parents,
// passing here again). The filter lives as long as the window.
void FilterKeys(QWidget& window, std::function<bool(VirtualKey)> handle);

}  // namespace spanwright::platform
