// SPDX-License-Identifier: MIT
#include "number_text.h"

#include <locale.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tevrimo {

namespace {

// Powers of ten that a double holds exactly.
constexpr double kExactPow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

locale_t CLocale() {
    static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

// Plain decimals of up to 15 significant digits without exponent: the value is one
// correctly rounded multiplication or division of two exactly held numbers. Returns
// the end of the number, or null when the text needs the general reader.
const char* ParseSimpleDecimal(const char* p, const char* end, bool negative, double& result) {
    std::uint64_t mantissa = 0;
    int digits = 0;    // significant digits taken into mantissa
    int fraction = 0;  // digits after the point
    bool any = false;
    bool point = false;
    for (; p != end; ++p) {
        const char c = *p;
        if (IsDigit(c)) {
            any = true;
            if (mantissa == 0 && c == '0') {
                if (point) ++fraction;
                continue;
            }
            if (++digits > 15) return nullptr;
            mantissa = mantissa * 10 + static_cast<std::uint64_t>(c - '0');
            if (point) ++fraction;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!any) return nullptr;
    if (p != end && (*p == 'e' || *p == 'E' || *p == 'x' || *p == 'X')) return nullptr;
    if (fraction > 22) return nullptr;
    double v = static_cast<double>(mantissa);
    if (fraction > 0) v /= kExactPow10[fraction];
    result = negative ? -v : v;
    return p;
}

// Reads the number at the start of `text`; returns how many characters it took, 0 when
// there is no number (the value is then zero with the sign given).
std::size_t ParsePrefix(std::string_view text, double& result) {
    const char* const begin = text.data();
    const char* p = begin;
    const char* end = p + text.size();
    while (p != end && IsSpace(*p)) ++p;
    bool negative = false;
    const char* afterSign = p;
    if (p != end && (*p == '+' || *p == '-')) {
        negative = *p == '-';
        afterSign = p + 1;
    }
    if (const char* stop = ParseSimpleDecimal(afterSign, end, negative, result)) {
        return static_cast<std::size_t>(stop - begin);
    }

    // The general reader needs a terminated string; entries are short, so copy when the
    // view does not end at a NUL we may rely on.
    char small[128];
    std::string large;
    const char* start;
    const std::size_t length = static_cast<std::size_t>(end - p);
    if (length < sizeof small) {
        std::memcpy(small, p, length);
        small[length] = '\0';
        start = small;
    } else {
        large.assign(p, length);
        start = large.c_str();
    }
    const int savedErrno = errno;
    char* stop = nullptr;
    result = strtod_l(start, &stop, CLocale());
    errno = savedErrno;
    if (stop == start) {
        result = negative ? -0.0 : 0.0;
        return 0;
    }
    return static_cast<std::size_t>(p - begin) + static_cast<std::size_t>(stop - start);
}

}  // namespace

double ParseNumber(std::string_view text) {
    double result;
    ParsePrefix(text, result);
    return result;
}

bool ParseWholeNumber(std::string_view text, double& value) {
    const std::size_t start = text.find_first_not_of(" \t");
    if (start != std::string_view::npos && IsSpace(text[start])) return false;
    const std::size_t used = ParsePrefix(text, value);
    if (used == 0) return false;
    for (char c : text.substr(used)) {
        if (c != ' ' && c != '\t') return false;
    }
    return true;
}

bool ParseWholeNumber(std::string_view text, double& value, DecimalMark mark) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos) return ParseWholeNumber(text, value);
    if (mark != DecimalMark::kPointOrComma || text.find(',', comma + 1) != std::string_view::npos ||
        text.find('.') != std::string_view::npos || comma + 1 == text.size() ||
        !IsDigit(text[comma + 1])) {
        return false;
    }
    std::string point(text);
    point[comma] = '.';
    return ParseWholeNumber(point, value);
}

namespace {

// True when |value| equals (d * 10 + 5) * 10^(exponent - 6) exactly, that is when the
// value lies exactly halfway between d and d + 1 at the sixth significant digit.
bool IsExactTie(double value, std::uint32_t d, int exponent) {
    std::uint64_t c = std::uint64_t{d} * 10 + 5;  // seven digits, ends in 5
    const int k = exponent - 6;                   // value == c * 10^k ?
    const double a = std::fabs(value);
    if (k >= 0) {
        // c * 5^k * 2^k must fit the 53-bit significand.
        for (int i = 0; i < k; ++i) {
            c *= 5;
            if (c >= (std::uint64_t{1} << 53)) return false;
        }
        return std::ldexp(a, -k) == static_cast<double>(c);
    }
    // c / (5^q * 2^q): c must be divisible by 5^q.
    const int q = -k;
    for (int i = 0; i < q; ++i) {
        if (c % 5 != 0) return false;
        c /= 5;
    }
    return std::ldexp(a, q) == static_cast<double>(c);
}

// The six significant digits of `a` (positive, finite) and its decimal exponent, for
// the many values where one multiplication or division by an exactly held power of ten
// decides them: that step rounds once, by far less than the margin kept from a tie.
// False when the value is out of that range or may lie on a tie; the exact path then
// decides.
bool SixDigitsQuickly(double a, std::uint32_t& digits, int& exponent) {
    int binaryExponent = 0;
    std::frexp(a, &binaryExponent);  // a in [2^(b-1), 2^b)
    // floor(log10(a)) is this or one more.
    int e = static_cast<int>(std::floor((binaryExponent - 1) * 0.30102999566398119521));
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int k = 5 - e;
        if (k > 22 || k < -22) return false;
        const double scaled = k >= 0 ? a * kExactPow10[k] : a / kExactPow10[-k];
        if (scaled >= 1000000) {
            ++e;
            continue;
        }
        if (scaled < 100000) {
            --e;
            continue;
        }
        const double whole = std::floor(scaled);
        if (std::fabs(scaled - whole - 0.5) < 1e-6) return false;
        digits = static_cast<std::uint32_t>(whole) + (scaled - whole > 0.5 ? 1 : 0);
        exponent = e;
        return true;
    }
    return false;
}

#if defined(__cpp_lib_to_chars) && !defined(TEVRIMO_PORTABLE_NUMBER_TEXT)
// The six significant digits of `a` (positive, finite), correctly rounded with ties to
// even, and its decimal exponent: "d.ddddde±x" read back.
void ExactSixDigits(double a, std::uint32_t& digits, int& exponent) {
    char sci[32];
    const auto res = std::to_chars(sci, sci + sizeof sci, a, std::chars_format::scientific, 5);
    const char* s = sci;
    digits = static_cast<std::uint32_t>(s[0] - '0');
    for (int i = 2; i < 7; ++i) digits = digits * 10 + static_cast<std::uint32_t>(s[i] - '0');
    std::from_chars(s[8] == '+' ? s + 9 : s + 8, res.ptr, exponent);
}
#else
// The same where the standard library has no floating-point to_chars: the C library's
// "%.5e" is exact too (glibc and musl expand the binary value in full and round it once,
// ties to even in the default rounding mode). Only the digits and the exponent are read,
// so the locale's decimal point does not matter.
void ExactSixDigits(double a, std::uint32_t& digits, int& exponent) {
    char sci[64];
    const int length = std::snprintf(sci, sizeof sci, "%.5e", a);
    const char* p = sci;
    const char* const end = sci + (length > 0 ? length : 0);
    digits = 0;
    for (; p != end && *p != 'e'; ++p) {
        if (IsDigit(*p)) digits = digits * 10 + static_cast<std::uint32_t>(*p - '0');
    }
    if (p != end) ++p;  // the 'e'
    const bool negativeExponent = p != end && *p == '-';
    if (p != end && (*p == '-' || *p == '+')) ++p;
    int e = 0;
    for (; p != end && IsDigit(*p); ++p) e = e * 10 + (*p - '0');
    exponent = negativeExponent ? -e : e;
}
#endif

std::size_t WriteSpecial(double value, char* out) {
    const bool negative = std::signbit(value);
    const char* word = std::isnan(value) ? "NAN" : "INF";
    std::size_t n = 0;
    if (negative) out[n++] = '-';
    std::memcpy(out + n, word, 3);
    return n + 3;
}

}  // namespace

std::size_t FormatNumber(double value, char* out) {
    if (!std::isfinite(value)) return WriteSpecial(value, out);
    if (value == 0) {
        out[0] = '0';
        return 1;
    }

    const bool negative = std::signbit(value);
    std::uint32_t d = 0;
    int exponent = 0;
    if (!SixDigitsQuickly(std::fabs(value), d, exponent)) {
        ExactSixDigits(std::fabs(value), d, exponent);
        // Ties go away from zero: an even last digit may have been a tie rounded down.
        if (d % 2 == 0 && IsExactTie(value, d, exponent)) ++d;
    }
    if (d == 1000000) {  // 999999.5 and the like round up into the next decade
        d = 100000;
        ++exponent;
    }

    char digits[6];
    for (int i = 5; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + d % 10);
        d /= 10;
    }
    int count = 6;  // significant digits without trailing zeros
    while (count > 1 && digits[count - 1] == '0') --count;

    std::size_t n = 0;
    if (negative) out[n++] = '-';
    if (exponent < -4 || exponent >= 6) {
        out[n++] = digits[0];
        if (count > 1) {
            out[n++] = '.';
            for (int i = 1; i < count; ++i) out[n++] = digits[i];
        }
        out[n++] = 'E';
        out[n++] = exponent < 0 ? '-' : '+';
        const int e = exponent < 0 ? -exponent : exponent;
        out[n++] = static_cast<char>('0' + e / 100);
        out[n++] = static_cast<char>('0' + e / 10 % 10);
        out[n++] = static_cast<char>('0' + e % 10);
    } else if (exponent >= 0) {
        for (int i = 0; i <= exponent; ++i) out[n++] = digits[i];
        if (count > exponent + 1) {
            out[n++] = '.';
            for (int i = exponent + 1; i < count; ++i) out[n++] = digits[i];
        }
    } else {
        out[n++] = '0';
        out[n++] = '.';
        for (int i = -1; i > exponent; --i) out[n++] = '0';
        for (int i = 0; i < count; ++i) out[n++] = digits[i];
    }
    return n;
}

std::string FormatNumber(double value) {
    char buffer[kFormatBufferSize];
    return std::string(buffer, FormatNumber(value, buffer));
}

#if defined(__cpp_lib_to_chars) && !defined(TEVRIMO_PORTABLE_NUMBER_TEXT)

std::size_t ShortestNumberText(double value, char* out) {
    return static_cast<std::size_t>(std::to_chars(out, out + kShortestBufferSize, value).ptr - out);
}

#else

// Where the standard library has no floating-point to_chars: the fewest digits of the C
// library's "%.*e" that read back as `value`, in plain or scientific notation ("1e-06",
// two exponent digits at least), whichever is shorter, plain on a tie.
std::size_t ShortestNumberText(double value, char* out) {
    char sci[40];
    int precision = 0;
    for (; precision < 17; ++precision) {
        std::snprintf(sci, sizeof sci, "%.*e", precision, value);
        if (std::strtod(sci, nullptr) == value) break;
    }
    // sci is now "-d.ddde+XX" with precision + 1 digits (the C library's decimal point
    // may be any character: only digits are taken).
    std::string digits;
    const char* p = sci;
    const bool negative = *p == '-';
    if (negative) ++p;
    for (; *p != 'e'; ++p) {
        if (IsDigit(*p)) digits += *p;
    }
    const int exponent = std::atoi(p + 1);
    const int count = static_cast<int>(digits.size());

    std::string plain = negative ? "-" : "";
    if (exponent >= count - 1) {
        plain += digits;
        plain.append(static_cast<std::size_t>(exponent - (count - 1)), '0');
    } else if (exponent >= 0) {
        plain.append(digits, 0, static_cast<std::size_t>(exponent + 1));
        plain += '.';
        plain.append(digits, static_cast<std::size_t>(exponent + 1));
    } else {
        plain += "0.";
        plain.append(static_cast<std::size_t>(-exponent - 1), '0');
        plain += digits;
    }
    std::string scientific = negative ? "-" : "";
    scientific += digits[0];
    if (count > 1) {
        scientific += '.';
        scientific.append(digits, 1);
    }
    char tail[16];
    std::snprintf(tail, sizeof tail, "e%c%02d", exponent < 0 ? '-' : '+',
                  exponent < 0 ? -exponent : exponent);
    scientific += tail;

    const std::string& best = plain.size() <= scientific.size() ? plain : scientific;
    const std::size_t n = best.size() < kShortestBufferSize ? best.size() : kShortestBufferSize;
    best.copy(out, n);
    return n;
}

#endif

}  // namespace tevrimo
