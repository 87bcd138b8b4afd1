#pragma once
// The display's text, with what the entry keys ask of it kept beside it and
// updated at each edit, so no key scans the display: its length in
// characters (code points) and whether it holds a point, a minus, a feet or
// an inch mark.
//   "5'3"  += '-'        -> "5'3-", CodePoints() 4, Holds('-') true
//   "5½"   DropLast()    -> "5",   CodePoints() 1
//   "-2.5" EraseFront()  -> "2.5", Holds('-') false, Holds('.') true
// Assigning a whole text (a result, a pasted text) counts it once.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace spanwright::calculator {

class DisplayText {
public:
    DisplayText& operator=(std::string_view text);
    DisplayText& operator+=(char c);  // c is ASCII
    DisplayText& operator+=(std::string_view text);
    void clear();

    bool empty() const { return text_.empty(); }
    char front() const { return text_.front(); }
    char back() const { return text_.back(); }
    const std::string& str() const { return text_; }
    friend bool operator==(const DisplayText& d, std::string_view s) { return d.text_ == s; }

    std::size_t CodePoints() const { return codePoints_; }
    // Whether the text holds the mark: one of . - ' " (any other byte is looked for).
    bool Holds(char mark) const;

    void ReplaceBack(char c);  // the last character and c are ASCII
    void DropLast();           // the last character, nothing when empty
    void EraseFront();         // the first character, which is ASCII
    void InsertFront(char c);  // c is ASCII

private:
    static constexpr std::string_view kMarks = ".-'\"";
    void Count(std::string_view text, bool added);

    std::string text_;
    std::size_t codePoints_ = 0;
    std::array<std::size_t, kMarks.size()> marks_{};
};

}  // namespace spanwright::calculator
