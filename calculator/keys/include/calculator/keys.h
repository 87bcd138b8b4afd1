#pragma once
// The keyboard map's key codes and Shift states, named once: the codes the
// window's key translation produces, the codes the buttons hand to the map,
// and the key each typed character presses (the command line's keys, the
// window's printable characters off the keypad).
//   OfTypedCharacter('7')  -> {55, 0}     OfTypedCharacter('*') -> {56, 1}
//   OfTypedCharacter('"')  -> {222, 1}    OfTypedCharacter('f') -> {70, 0}
//   OfTypedCharacter('=')  -> {13, 0}     (Enter; the window's "=" key is {187, 0})
//   OfTypedCharacter('\n') -> {13, 0}     OfTypedCharacter('@') -> nothing
//   OfTypedCharacter('m')  -> {77, 0}     OfTypedCharacter('C') -> {67, 0} (the metric units)
// Plain C++, no Qt: the platform's key translation includes it too.
#include <optional>

namespace spanwright::calculator::keys {

// Shift states, added together.
inline constexpr int kShiftDown = 1;
inline constexpr int kCtrlDown = 2;
inline constexpr int kAltDown = 4;

inline constexpr int kBackspace = 8;
inline constexpr int kEnter = 13;
inline constexpr int kShiftKey = 16;      // the modifier keys themselves
inline constexpr int kCtrlKey = 17;
inline constexpr int kAltKey = 18;
inline constexpr int kDelete = 46;
inline constexpr int kDigit0 = 48;        // 48-57 the digit row
inline constexpr int kStar = 56;          // the 8 key: "*" with Shift
inline constexpr int kLetterA = 65;       // 65-90 the letters, by their capital
inline constexpr int kLetterC = 67;
inline constexpr int kLetterF = 70;
inline constexpr int kLetterL = 76;       // Ctrl+L opens the layout tools
inline constexpr int kLetterM = 77;
inline constexpr int kLetterN = 78;
inline constexpr int kLetterV = 86;
inline constexpr int kKeypad0 = 96;       // 96-105 the keypad digits
inline constexpr int kKeypadMultiply = 106;
inline constexpr int kKeypadAdd = 107;
inline constexpr int kKeypadSubtract = 109;
inline constexpr int kKeypadPoint = 110;  // whatever it types: "," on a German keypad
inline constexpr int kKeypadDivide = 111;
inline constexpr int kEquals = 187;       // "=", "+" with Shift
inline constexpr int kComma = 188;
inline constexpr int kMinus = 189;
inline constexpr int kPeriod = 190;
inline constexpr int kSlash = 191;
inline constexpr int kQuote = 222;        // "'", '"' with Shift

struct Key {
    int code = 0;
    int shift = 0;
    friend bool operator==(const Key&, const Key&) = default;
};

// A character of typed text: the digits, . ' " f F n N m M c C + - * / as a US
// keyboard types them; "=" and a line feed press Enter.
constexpr std::optional<Key> OfTypedCharacter(char c) {
    if (c >= '0' && c <= '9') return Key{kDigit0 + (c - '0'), 0};
    switch (c) {
        case '.': return Key{kPeriod, 0};
        case '\'': return Key{kQuote, 0};
        case '"': return Key{kQuote, kShiftDown};
        case 'f':
        case 'F': return Key{kLetterF, 0};
        case 'n':
        case 'N': return Key{kLetterN, 0};
        case 'm':
        case 'M': return Key{kLetterM, 0};
        case 'c':
        case 'C': return Key{kLetterC, 0};
        case '+': return Key{kEquals, kShiftDown};
        case '-': return Key{kMinus, 0};
        case '*': return Key{kStar, kShiftDown};
        case '/': return Key{kSlash, 0};
        case '=':
        case '\n': return Key{kEnter, 0};
        default: return std::nullopt;
    }
}

}  // namespace spanwright::calculator::keys
