#pragma once
// The keyboard map's key codes and Shift states: the codes the window's key
// translation produces, the codes the buttons hand to the map, and the
// characters of typed text as a US keyboard sends them.
//   OfTypedCharacter('7')  -> {55, 0}     OfTypedCharacter('*') -> {56, 1}
//   OfTypedCharacter('"')  -> {222, 1}    OfTypedCharacter('f') -> {70, 0}
//   OfTypedCharacter('=')  -> {13, 0}     (Enter, unlike the window's "=" key)
//   OfTypedCharacter('\n') -> {13, 0}     OfTypedCharacter('@') -> nothing
#include <optional>

namespace spanwright::calculator::keys {

// Shift states, added together.
inline constexpr int kShiftDown = 1;
inline constexpr int kCtrlDown = 2;
inline constexpr int kAltDown = 4;

inline constexpr int kBackspace = 8;
inline constexpr int kEnter = 13;
inline constexpr int kDelete = 46;
inline constexpr int kDigit0 = 48;        // 48-57 the digit row
inline constexpr int kStar = 56;          // the 8 key: "*" with Shift
inline constexpr int kLetterC = 67;
inline constexpr int kLetterF = 70;
inline constexpr int kLetterN = 78;
inline constexpr int kLetterV = 86;
inline constexpr int kKeypad0 = 96;       // 96-105 the keypad digits
inline constexpr int kKeypadMultiply = 106;
inline constexpr int kKeypadAdd = 107;
inline constexpr int kKeypadSubtract = 109;
inline constexpr int kKeypadPoint = 110;
inline constexpr int kKeypadDivide = 111;
inline constexpr int kEquals = 187;       // "=", "+" with Shift
inline constexpr int kMinus = 189;
inline constexpr int kPeriod = 190;
inline constexpr int kSlash = 191;
inline constexpr int kQuote = 222;        // "'", '"' with Shift

struct Key {
    int code = 0;
    int shift = 0;
    friend bool operator==(const Key&, const Key&) = default;
};

// A character of typed text (the command line's): the digits, . ' " f F n N
// + - * / as a US keyboard types them; "=" and a line feed press Enter.
std::optional<Key> OfTypedCharacter(char c);

}  // namespace spanwright::calculator::keys
