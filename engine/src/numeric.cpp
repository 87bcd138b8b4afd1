// The engine's numeric conversions: text to number, number to text, rounding.
// "." is the decimal point whatever the locale: only std::from_chars and
// std::to_chars are used here, never strtod, printf or iostreams.
#include "engine/numeric.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <system_error>

#include "engine/errors.h"

namespace spanwright::numeric {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && IsBlank(s[b])) ++b;
    while (e > b && IsBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

// 10^0 to 10^22, each exact in a double.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                   1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// A value's 15-significant-digit decimal form: digits d[0..14] (d[0] != 0
// unless the value is zero) and the power of ten of d[0].
struct Decimal15 {
    bool negative = false;
    bool zero = true;
    char digits[15] = {};
    int exp10 = 0;
};

Decimal15 ToDecimal15(double value) {
    Decimal15 d;
    d.negative = value < 0;
    if (value == 0) return d;
    char buf[48];
    // The shortest representation first (fast): when it has at most 15
    // significant digits it is the 15-digit form. Otherwise round to 15.
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
    int count = 0;
    for (const char* q = buf; q < res.ptr && *q != 'e'; ++q) count += IsDigit(*q) ? 1 : 0;
    // (A subnormal has fewer bits, so its shortest form may be shorter than
    // its 15-digit form: always round those.)
    if (count > 15 || std::fabs(value) < std::numeric_limits<double>::min()) {
        res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    }
    // "d.ddde+XX"
    const char* p = buf;
    int n = 0;
    while (p < res.ptr && *p != 'e') {
        if (IsDigit(*p) && n < 15) d.digits[n++] = *p;
        ++p;
    }
    while (n < 15) d.digits[n++] = '0';
    int e = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), res.ptr, e);
    d.exp10 = e;
    d.zero = false;
    return d;
}

// Rounds the 15-digit form to `places` decimals. half_even chooses the tie
// rule (false: half away from zero). Result: significant digits (possibly
// empty for zero) and the power of ten of the first.
struct Rounded {
    bool negative = false;
    std::string digits;  // empty: zero
    int exp10 = 0;
};

Rounded RoundDecimal(const Decimal15& d, int places, bool half_even) {
    Rounded r;
    r.negative = d.negative;
    if (d.zero) return r;
    const long kept = static_cast<long>(d.exp10) + places + 1;  // digits kept
    if (kept >= 15) {
        r.digits.assign(d.digits, 15);
        r.exp10 = d.exp10;
    } else if (kept < 0) {
        return r;  // below half a unit of the last place: zero
    } else {
        const int k = static_cast<int>(kept);
        const char next = d.digits[k];
        bool up;
        if (!half_even) {
            up = next >= '5';
        } else if (next > '5') {
            up = true;
        } else if (next < '5') {
            up = false;
        } else {
            bool rest = false;
            for (int i = k + 1; i < 15; ++i) rest = rest || d.digits[i] != '0';
            const bool last_odd = k > 0 && ((d.digits[k - 1] - '0') % 2 == 1);
            up = rest || last_odd;
        }
        r.digits.assign(d.digits, k);
        r.exp10 = d.exp10;
        if (up) {
            int i = k - 1;
            while (i >= 0 && r.digits[i] == '9') {
                r.digits[i] = '0';
                --i;
            }
            if (i >= 0) {
                ++r.digits[i];
            } else {
                r.digits.insert(r.digits.begin(), '1');
                ++r.exp10;
            }
        }
    }
    // Drop trailing zeros; all zeros means zero.
    while (!r.digits.empty() && r.digits.back() == '0') r.digits.pop_back();
    return r;
}

// Rounding to `places` decimals without writing the value out, where the
// answer is plain: |value| below 10^(14 - places), so the 15-digit form is
// rounded at all, and the scaled value z far enough from a half that the
// 15-digit form (within 5E-15 of z) and z's own rounding error cannot be on
// the other side of it. The result m / 10^places is then the double the
// written-out form reads back as (m and 10^places exact, one division).
// False: decide on the written form.
bool RoundQuickly(double value, int places, double& result) {
    if (places < 0 || places > 14 || !(std::fabs(value) < kPowersOfTen[14 - places])) return false;
    const double scaled = std::fabs(value) * kPowersOfTen[places];
    const double whole = std::floor(scaled);
    const double part = scaled - whole;
    if (std::fabs(part - 0.5) <= scaled * 1e-13) return false;
    const double units = part > 0.5 ? whole + 1 : whole;
    const double magnitude = units / kPowersOfTen[places];
    result = value < 0 ? -magnitude : magnitude;
    return true;
}

double RoundedValue(const Rounded& r) {
    if (r.digits.empty()) return r.negative ? -0.0 : 0.0;
    char buf[64];
    char* p = buf;
    for (const char c : r.digits) *p++ = c;
    *p++ = 'e';
    p = std::to_chars(p, buf + sizeof buf, r.exp10 - static_cast<int>(r.digits.size()) + 1).ptr;
    double v = 0;
    std::from_chars(buf, p, v);
    return r.negative ? -v : v;
}

// Writes a rounded decimal with exactly `places` decimals (none when <= 0).
std::string FixedText(const Rounded& r, int places, bool negative_sign) {
    std::string out;
    if (negative_sign) out += '-';
    auto digit_at = [&](long power) -> char {  // digit of 10^power
        const long i = static_cast<long>(r.exp10) - power;
        if (i < 0 || i >= static_cast<long>(r.digits.size())) return '0';
        return r.digits[static_cast<std::size_t>(i)];
    };
    const long top = r.digits.empty() ? 0 : std::max(0, r.exp10);
    for (long p = top; p >= 0; --p) out += digit_at(p);
    if (places > 0) {
        out += '.';
        for (long p = -1; p >= -places; --p) out += digit_at(p);
    }
    return out;
}

}  // namespace

double Real(std::string_view text) {
    const std::string_view s = TrimBlanks(text);
    std::size_t i = 0;
    const std::size_t n = s.size();
    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const std::size_t mant_begin = i;
    std::size_t int_digits = 0;
    std::size_t frac_digits = 0;
    // Power of ten of the first non-zero mantissa digit (relative to the
    // units place), for telling overflow from underflow.
    long lead_power = 0;
    bool nonzero = false;
    long int_count = 0;
    // The significant digits as a whole number while there are at most 15.
    std::uint64_t significand = 0;
    int significant_digits = 0;
    auto take_digit = [&](char c) {
        if (nonzero && ++significant_digits <= 15) significand = significand * 10 + static_cast<unsigned>(c - '0');
    };
    while (i < n && IsDigit(s[i])) {
        if (!nonzero && s[i] != '0') {
            nonzero = true;
            int_count = 0;
        }
        if (nonzero) ++int_count;
        take_digit(s[i]);
        ++int_digits;
        ++i;
    }
    if (nonzero) lead_power = int_count - 1;
    if (i < n && s[i] == '.') {
        ++i;
        long pos = 0;
        while (i < n && IsDigit(s[i])) {
            --pos;
            if (!nonzero && s[i] != '0') {
                nonzero = true;
                lead_power = pos;
            }
            take_digit(s[i]);
            ++frac_digits;
            ++i;
        }
    }
    if (int_digits + frac_digits == 0) Raise(kTypeMismatch);
    long exponent = 0;
    if (i < n && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        bool exp_negative = false;
        if (i < n && (s[i] == '+' || s[i] == '-')) {
            exp_negative = s[i] == '-';
            ++i;
        }
        const std::size_t exp_begin = i;
        while (i < n && IsDigit(s[i])) {
            if (exponent < 100000000) exponent = exponent * 10 + (s[i] - '0');
            ++i;
        }
        if (i == exp_begin) Raise(kTypeMismatch);
        if (exp_negative) exponent = -exponent;
    }
    if (i != n) Raise(kTypeMismatch);
    if (!nonzero) return negative ? -0.0 : 0.0;

    // from_chars does not take a leading "+"; the sign is applied here.
    double v = 0;
    const auto res = std::from_chars(s.data() + mant_begin, s.data() + n, v, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range || !std::isfinite(v) || (v == 0 && nonzero)) {
        if (lead_power + exponent > 0) Raise(kOverflow);
        return negative ? -0.0 : 0.0;  // below the smallest double: zero
    }
    if (res.ec != std::errc() || res.ptr != s.data() + n) Raise(kTypeMismatch);
    return negative ? -v : v;
}

double Finite(double value) {
    if (!std::isfinite(value)) Raise(kOverflow);
    return value;
}

double Quotient(double numerator, double denominator) {
    if (denominator == 0) Raise(numerator == 0 ? kOverflow : kDivisionByZero);
    return Finite(numerator / denominator);
}

std::int32_t ToWhole(double value) {
    Finite(value);
    double r = std::round(value);  // half away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5 && std::fmod(r, 2.0) != 0) {
        r -= std::copysign(1.0, value);  // tie: to even
    }
    if (r < -2147483648.0 || r > 2147483647.0) Raise(kOverflow);
    return static_cast<std::int32_t>(r);
}

std::int16_t ToWhole16(double value) {
    const std::int32_t w = ToWhole(value);
    if (w < -32768 || w > 32767) Raise(kOverflow);
    return static_cast<std::int16_t>(w);
}

std::int32_t Whole(std::string_view text) { return ToWhole(Real(text)); }
std::int16_t Whole16(std::string_view text) { return ToWhole16(Real(text)); }

float Single(std::string_view text) {
    const double v = Real(text);
    if (std::fabs(v) > static_cast<double>(std::numeric_limits<float>::max())) Raise(kOverflow);
    return static_cast<float>(v);
}

bool ToBoolean(std::string_view text) {
    const std::string_view s = TrimBlanks(text);
    auto equals_nocase = [&](const char* word) {
        const std::size_t len = std::strlen(word);
        if (s.size() != len) return false;
        for (std::size_t i = 0; i < len; ++i) {
            char c = s[i];
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
            if (c != word[i]) return false;
        }
        return true;
    };
    if (equals_nocase("true")) return true;
    if (equals_nocase("false")) return false;
    return Real(s) != 0;
}

std::string Text(double value) {
    if (value == 0) return "0";
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
        char buf[24];
        const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<std::int64_t>(value));
        return std::string(buf, res.ptr);
    }
    // %.15G from the 15-digit form: no trailing zeros, exponent form below
    // 1E-4 and from 1E15 on, with at least two exponent digits.
    const Decimal15 d = ToDecimal15(value);
    int n = 15;
    while (n > 1 && d.digits[n - 1] == '0') --n;
    std::string out;
    out.reserve(24);
    if (d.negative) out += '-';
    if (d.exp10 < -4 || d.exp10 >= 15) {
        out += d.digits[0];
        if (n > 1) {
            out += '.';
            out.append(d.digits + 1, static_cast<std::size_t>(n - 1));
        }
        out += 'E';
        out += d.exp10 < 0 ? '-' : '+';
        const int e = d.exp10 < 0 ? -d.exp10 : d.exp10;
        if (e < 10) out += '0';
        out += std::to_string(e);
    } else if (d.exp10 < 0) {
        out += "0.";
        out.append(static_cast<std::size_t>(-d.exp10 - 1), '0');
        out.append(d.digits, static_cast<std::size_t>(n));
    } else {
        const int int_digits = d.exp10 + 1;
        for (int i = 0; i < int_digits; ++i) out += i < n ? d.digits[i] : '0';
        if (n > int_digits) {
            out += '.';
            out.append(d.digits + int_digits, static_cast<std::size_t>(n - int_digits));
        }
    }
    return out;
}

double Remainder15(double value, double whole) {
    const double magnitude = std::fabs(value);
    const double taken = std::fabs(whole);
    if (taken == 0 || !std::isfinite(value)) return value;
    // From 10^15 on the value is a whole number and its own precision is
    // coarser than 15 digits: the binary remainder is exact and right.
    if (magnitude >= 1e15) return value < 0 ? -(magnitude - taken) : magnitude - taken;
    const Decimal15 d = ToDecimal15(magnitude);
    // The 15-digit form is digits x 10^(exp10 - 14): with exp10 >= 14 a whole
    // number, else one with 14 - exp10 decimals. taken <= magnitude < 10^15,
    // so the difference is at least 0 and exact in 64 bits.
    std::int64_t digits = 0;
    for (const char c : d.digits) digits = digits * 10 + (c - '0');
    double rest;
    if (d.exp10 >= 14) {
        for (int i = 14; i < d.exp10; ++i) digits *= 10;
        rest = static_cast<double>(digits - static_cast<std::int64_t>(taken));
    } else {
        const int decimals = 14 - d.exp10;
        const auto scaled = digits - static_cast<std::int64_t>(taken) * static_cast<std::int64_t>(kPowersOfTen[decimals]);
        rest = static_cast<double>(scaled) / kPowersOfTen[decimals];
    }
    return value < 0 ? -rest : rest;
}

std::string Pattern(double value, int places) {
    if (!std::isfinite(value)) return Text(value);
    const int p = places < 0 ? 0 : places;
    const Rounded r = RoundDecimal(ToDecimal15(value), p, false);
    return FixedText(r, p, value < 0);
}

double PatternValue(double value, int places) {
    if (!std::isfinite(value)) return value;
    const int p = places < 0 ? 0 : places;
    if (double quick; value != 0 && RoundQuickly(value, p, quick)) return quick;
    return RoundedValue(RoundDecimal(ToDecimal15(value), p, false));
}

double RoundPlaces(double value, int places) {
    if (places < 0) Raise(kInvalidArgument);
    if (!std::isfinite(value)) return value;
    if (double quick; value != 0 && RoundQuickly(value, places, quick)) return quick;
    return RoundedValue(RoundDecimal(ToDecimal15(value), places, true));
}

}  // namespace spanwright::numeric
