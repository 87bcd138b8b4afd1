#include "calculator/display_text.h"

namespace spanwright::calculator {
namespace {

bool Continues(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

// A byte below 0x80 is a character of its own in UTF-8, never part of
// another, so the marks are counted byte by byte.
void DisplayText::Count(std::string_view text, bool added) {
    for (const char c : text) {
        if (!Continues(c)) added ? ++codePoints_ : --codePoints_;
        const std::size_t mark = kMarks.find(c);
        if (mark != std::string_view::npos) added ? ++marks_[mark] : --marks_[mark];
    }
}

DisplayText& DisplayText::operator=(std::string_view text) {
    text_.assign(text);
    codePoints_ = 0;
    marks_ = {};
    Count(text_, true);
    return *this;
}

DisplayText& DisplayText::operator+=(char c) {
    text_ += c;
    Count(std::string_view(&c, 1), true);
    return *this;
}

DisplayText& DisplayText::operator+=(std::string_view text) {
    text_ += text;
    Count(text, true);
    return *this;
}

void DisplayText::clear() { *this = std::string_view(); }

bool DisplayText::Holds(char mark) const {
    const std::size_t at = kMarks.find(mark);
    return at != std::string_view::npos ? marks_[at] > 0 : text_.find(mark) != std::string::npos;
}

void DisplayText::ReplaceBack(char c) {
    Count(std::string_view(&text_.back(), 1), false);
    text_.back() = c;
    Count(std::string_view(&c, 1), true);
}

void DisplayText::DropLast() {
    if (text_.empty()) return;
    std::size_t start = text_.size() - 1;
    while (start > 0 && Continues(text_[start])) --start;
    Count(std::string_view(text_).substr(start), false);
    text_.resize(start);
}

void DisplayText::EraseFront() {
    Count(std::string_view(text_).substr(0, 1), false);
    text_.erase(0, true);
}

void DisplayText::InsertFront(char c) {
    text_.insert(0, 1, c);
    Count(std::string_view(&c, 1), true);
}

}  // namespace spanwright::calculator
