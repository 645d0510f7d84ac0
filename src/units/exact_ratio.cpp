// SPDX-License-Identifier: MIT
#include "exact_ratio.h"

#include <stdexcept>
#include <string>

#include "int_text.h"
#include "number_text.h"

namespace tevrimo {

namespace {
using u128 = unsigned __int128;
constexpr u128 kLimit = static_cast<u128>(1) << 122;  // leaves room for remainder * 10
}  // namespace

ExactRatio::Decimal ExactRatio::ParseDecimal(std::string_view text) {
    Decimal d;
    bool point = false;
    bool any = false;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            any = true;
            d.mantissa = d.mantissa * 10 + static_cast<unsigned>(c - '0');
            if (d.mantissa >= kLimit) throw std::invalid_argument("decimal too long");
            if (point) --d.exponent;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::string_view exponent = text.substr(i + 1);
        if (!exponent.empty() && exponent.front() == '+') exponent.remove_prefix(1);
        const auto e = ParseInt(exponent);
        if (!e) throw std::invalid_argument("bad exponent: " + std::string(text));
        d.exponent += *e;
        i = text.size();
    }
    if (!any || i != text.size()) throw std::invalid_argument("bad decimal: " + std::string(text));
    return d;
}

ExactRatio::Decimal ExactRatio::Multiply(const Decimal& a, const Decimal& b) {
    if (a.mantissa != 0 && b.mantissa > kLimit / a.mantissa) {
        throw std::overflow_error("exact ratio out of range");
    }
    return {a.mantissa * b.mantissa, a.exponent + b.exponent};
}

ExactRatio ExactRatio::FromText(std::string_view text) {
    ExactRatio r;
    const std::size_t slash = text.find('/');
    r.m_num = ParseDecimal(text.substr(0, slash));
    if (slash != std::string_view::npos) r.m_den = ParseDecimal(text.substr(slash + 1));
    return r;
}

ExactRatio ExactRatio::operator*(const ExactRatio& o) const {
    ExactRatio r;
    r.m_num = Multiply(m_num, o.m_num);
    r.m_den = Multiply(m_den, o.m_den);
    return r;
}

ExactRatio ExactRatio::operator/(const ExactRatio& o) const {
    return *this * o.Inverse();
}

ExactRatio ExactRatio::Inverse() const {
    ExactRatio r;
    r.m_num = m_den;
    r.m_den = m_num;
    return r;
}

double ExactRatio::Rounded(int digits) const {
    if (m_den.mantissa == 0) throw std::domain_error("division by zero");
    if (m_num.mantissa == 0) return 0.0;
    const u128 den = m_den.mantissa;
    u128 quotient = m_num.mantissa / den;
    u128 remainder = m_num.mantissa % den;

    // Significant digits of num/den, and where the decimal point falls among them.
    std::string kept;
    int pointPos = 0;  // value = 0.<kept...> * 10^pointPos (before the decimal exponent)
    std::string whole;
    for (u128 q = quotient; q != 0; q /= 10) whole.insert(whole.begin(), char('0' + int(q % 10)));
    pointPos = static_cast<int>(whole.size());
    std::string all = whole;
    if (all.size() > static_cast<std::size_t>(digits) + 1) {
        // More integer digits than needed: the remainder only matters as "non-zero".
        all.resize(static_cast<std::size_t>(digits) + 1);
    } else {
        while (all.size() < static_cast<std::size_t>(digits) + 1 &&
               (remainder != 0 || all.empty())) {
            remainder *= 10;
            const int digit = static_cast<int>(remainder / den);
            remainder %= den;
            if (all.empty() && digit == 0) {
                --pointPos;  // leading zero after the point
                continue;
            }
            all.push_back(static_cast<char>('0' + digit));
        }
    }
    kept = all.substr(0, static_cast<std::size_t>(digits));
    const bool roundUp = all.size() > kept.size() && all[kept.size()] >= '5';
    if (roundUp) {
        int i = static_cast<int>(kept.size()) - 1;
        while (i >= 0 && kept[static_cast<std::size_t>(i)] == '9')
            kept[static_cast<std::size_t>(i--)] = '0';
        if (i < 0) {
            kept.insert(kept.begin(), '1');
            kept.pop_back();
            ++pointPos;
        } else {
            ++kept[static_cast<std::size_t>(i)];
        }
    }
    const int exponent = pointPos - static_cast<int>(kept.size()) + m_num.exponent - m_den.exponent;
    return ParseNumber(kept + "E" + std::to_string(exponent));
}

bool ExactRatio::ExactDigits(int maxDigits, std::string& digits, int& exponent) const {
    if (m_den.mantissa == 0) throw std::domain_error("division by zero");
    digits.clear();
    exponent = 0;
    if (m_num.mantissa == 0) {
        digits = "0";
        return true;
    }
    const u128 den = m_den.mantissa;
    const std::size_t limit = static_cast<std::size_t>(maxDigits);
    // value = 0.<digits> * 10^pointPos * 10^(num exponent - den exponent)
    for (u128 q = m_num.mantissa / den; q != 0; q /= 10) {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(q % 10)));
    }
    int pointPos = static_cast<int>(digits.size());
    u128 remainder = m_num.mantissa % den;
    while (remainder != 0) {
        // Every digit up to the last non-zero one counts.
        if (digits.size() >= limit) return false;
        remainder *= 10;
        const int digit = static_cast<int>(remainder / den);
        remainder %= den;
        if (digits.empty() && digit == 0) {
            --pointPos;  // a leading zero after the point
            continue;
        }
        digits.push_back(static_cast<char>('0' + digit));
    }
    digits.erase(digits.find_last_not_of('0') + 1);
    if (digits.size() > limit) return false;
    exponent = pointPos - 1 + m_num.exponent - m_den.exponent;
    return true;
}

}  // namespace tevrimo
