// Dimension text to inches. Every step is one scan or one
// conversion of a part of the text, so the time is linear in its length.
#include "engine/mdlConvertInput.h"

#include <cmath>
#include <string>

#include "engine/errors.h"
#include "engine/numeric.h"

namespace spanwright::mdlConvertInput {

namespace {

using numeric::Finite;
using numeric::Quotient;
using numeric::Real;
using numeric::Substring;
using numeric::Whole;

// 1-based position of the first c at or after `from`, 0 when none.
std::int64_t InStr(std::string_view text, char c, std::int64_t from = 1) {
    if (from < 1) from = 1;
    if (from > static_cast<std::int64_t>(text.size())) return 0;
    const std::size_t p = text.find(c, static_cast<std::size_t>(from - 1));
    return p == std::string_view::npos ? 0 : static_cast<std::int64_t>(p) + 1;
}

std::int64_t Len(std::string_view s) { return static_cast<std::int64_t>(s.size()); }

// VB's Left: the first n characters (all when n exceeds the length).
std::string_view Left(std::string_view s, std::int64_t n) {
    if (n < 0) spanwright::Raise(spanwright::kInvalidArgument);
    return s.substr(0, static_cast<std::size_t>(n < Len(s) ? n : Len(s)));
}

struct Common {
    std::int64_t DQ = 0;
    std::int64_t SQ = 0;
    std::int64_t DASH = 0;
    bool negative = false;
    std::string_view W;
};

Common CommonSteps(std::string_view text) {
    Common c;
    c.DQ = InStr(text, '"');
    c.SQ = InStr(text, '\'');
    c.DASH = InStr(text, '-');
    if (c.DASH == 1) {
        c.negative = true;
        c.DASH = InStr(text, '-', 2);
    }
    c.W = c.DQ > 0 ? text.substr(0, text.size() - 1) : text;
    return c;
}

}  // namespace

double ParseFraction(std::string_view text) {
    const Common c = CommonSteps(text);
    const std::string_view W = c.W;
    if (c.SQ > 0) {
        const double F = Real(Left(W, c.SQ - 1));
        const std::string R = Substring(W, c.DASH + 1, Len(W));
        const std::int64_t S = InStr(R, '/');
        const std::int32_t N = Whole(Substring(R, 1, S - 1));
        const std::int32_t D = Whole(Substring(R, S + 1, Len(R)));
        const std::string I = Substring(Substring(W, 1, c.DASH - 1), c.SQ + 1, c.DASH - 1);
        const double Q = Quotient(N, D);
        double inches = Finite(Real(I) + Q);
        if (c.negative) inches = -inches;
        return Finite(F * 12 + inches);
    }
    const std::string R = Substring(W, c.DASH + 1, Len(W));
    const std::int64_t S = InStr(R, '/');
    std::int32_t N = Whole(Substring(R, 1, S - 1));
    const std::int32_t D = Whole(Substring(R, S + 1, Len(R)));
    if (c.negative) {
        if (N == INT32_MIN) spanwright::Raise(spanwright::kOverflow);  // integer negation overflows
        N = -N;
    }
    const double H = Real(Substring(W, 1, c.DASH - 1));
    return Finite(H + Quotient(N, D));
}

double ParsePlain(std::string_view text) {
    const Common c = CommonSteps(text);
    if (c.DASH > 0) spanwright::Raise(spanwright::kBadDashOrPoint);
    const std::string_view W = c.W;
    if (c.SQ > 0) {
        const double F = Real(Left(W, c.SQ - 1));
        double inches = 0;
        if (c.SQ != Len(text)) {
            inches = Real(Substring(W, c.SQ + 1, Len(W)));
            if (c.negative) inches = -inches;
        }
        return Finite(F * 12 + inches);
    }
    return Real(W);
}

double ConvertInput(std::string_view text, const std::int32_t& mode) {
    if (text.empty()) return 0;
    if (mode == 0) return ParseFraction(text);
    if (mode == 1) return ParsePlain(text);
    return 0;
}

}  // namespace spanwright::mdlConvertInput
