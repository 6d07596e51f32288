// Reading numbers out of the data files. Both forms share one scanner for the
// plain decimal syntax (sign, digits, point, exponent); words such as "inf" or
// "nan" and hex forms are not numbers here, whatever the C library would accept.
#include "data/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace sd {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The longest prefix of text that is a decimal number. Returns its length
// (0 when text does not start with one) and whether the exponent was used.
struct Scan {
    size_t length = 0;
    bool negative = false;
    size_t mantissaBegin = 0;  // first character after the sign
    size_t mantissaEnd = 0;    // one past the last digit or point of the mantissa
    size_t exponentBegin = 0;  // first character after 'e' (its sign or digit); 0 when none
};

Scan ScanNumber(std::string_view t) {
    Scan s;
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        s.negative = t[i] == '-';
        ++i;
    }
    s.mantissaBegin = i;
    size_t digits = 0;
    while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && IsDigit(t[i])) ++i, ++digits;
    }
    if (digits == 0) return Scan{};
    s.mantissaEnd = i;
    s.length = i;
    // An exponent counts only when it is complete ("1e" is the number 1 and a rest).
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        if (j < t.size() && IsDigit(t[j])) {
            s.exponentBegin = i + 1;
            while (j < t.size() && IsDigit(t[j])) ++j;
            s.length = j;
        }
    }
    return s;
}

// Whether a number that does not fit a double is too large (true) or too
// small (false): compares the decimal order of magnitude with zero.
bool OrderIsPositive(std::string_view t, const Scan& s) {
    // Order of the first significant digit relative to the point.
    long long order = 0;
    bool found = false;
    long long intDigits = 0;
    size_t i = s.mantissaBegin;
    while (i < s.mantissaEnd && t[i] != '.') ++i, ++intDigits;
    long long pos = 0;  // digits seen so far, counting from the first one
    for (size_t k = s.mantissaBegin; k < s.mantissaEnd; ++k) {
        if (t[k] == '.') continue;
        if (t[k] != '0') {
            order = intDigits - pos - 1;
            found = true;
            break;
        }
        ++pos;
    }
    if (!found) return false;
    long long exponent = 0;
    if (s.exponentBegin != 0) {
        size_t k = s.exponentBegin;
        bool negExp = false;
        if (t[k] == '+' || t[k] == '-') negExp = t[k++] == '-';
        for (; k < s.length; ++k) {
            if (exponent < 1'000'000'000'000LL) exponent = exponent * 10 + (t[k] - '0');
        }
        if (negExp) exponent = -exponent;
    }
    return order + exponent > 0;
}

// Converts the scanned number; out-of-range values saturate at the largest
// finite double, underflow gives 0.
double Convert(std::string_view t, const Scan& s) {
    const char* first = t.data() + s.mantissaBegin;
    const char* last = t.data() + s.length;
    double v = 0.0;
    const auto r = std::from_chars(first, last, v, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        v = OrderIsPositive(t, s) ? std::numeric_limits<double>::max() : 0.0;
    } else if (r.ec != std::errc{} || !std::isfinite(v)) {
        v = 0.0;
    }
    return s.negative ? -v : v;
}

std::string_view Trim(std::string_view t) {
    while (!t.empty() && IsBlank(t.front())) t.remove_prefix(1);
    while (!t.empty() && IsBlank(t.back())) t.remove_suffix(1);
    return t;
}

}  // namespace

std::optional<double> IntegerTextValue(std::string_view text) {
    const std::string_view t = Trim(text);
    const Scan s = ScanNumber(t);
    if (s.length == 0 || s.length != t.size()) return std::nullopt;
    return Convert(t, s);
}

double NumberTextValue(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    const Scan s = ScanNumber(text);
    if (s.length == 0) return 0.0;
    return Convert(text, s);
}

}  // namespace sd
