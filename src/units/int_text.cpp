// SPDX-License-Identifier: MIT
#include "int_text.h"

#include <charconv>
#include <climits>

namespace tevrimo {

std::optional<int> ParseInt(std::string_view text, int base) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
    return value;
}

std::optional<int> ParseSmallInt(std::string_view text, int max) {
    std::size_t digits = 1;
    for (int rest = max; rest >= 10; rest /= 10) ++digits;
    if (text.empty() || text.size() > digits) return std::nullopt;
    long long value = 0;  // ten digits at most: no overflow
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > max) return std::nullopt;
    return static_cast<int>(value);
}

int ParseClampedInt(std::string_view text) {
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    // Counted on past INT_MAX only to the magnitude of INT_MIN, which is one more.
    constexpr long long kMostMagnitude = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kMostMagnitude) magnitude = kMostMagnitude;
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value > INT_MAX) return INT_MAX;
    return static_cast<int>(value);
}

}  // namespace tevrimo
