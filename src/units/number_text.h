// SPDX-License-Identifier: MIT
// Number text: how the program reads an entry and writes a value.
//
// Reading follows strtod with "." as the decimal point in every locale; writing is
// "%.6G" with a three-digit exponent and exact ties rounded away from zero.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tevrimo {

// Reads the longest number at the start of `text` the way strtod does (leading white
// space, sign, decimal or hexadecimal digits, exponent, "inf", "infinity", "nan").
// Characters after the number are ignored. A text without a number reads as zero with
// its sign, so "-" gives minus zero. errno is left as it was.
double ParseNumber(std::string_view text);

// True when `text` is a number and nothing else, blanks (space, tab) around it allowed,
// with the value in `value`; an empty text, "-" or "1.5 kg" are not numbers.
[[nodiscard]] bool ParseWholeNumber(std::string_view text, double& value);

// What a person may write between the whole and the fractional digits. "." is always
// read; a session whose language writes a decimal comma (Turkish, German, French) also
// reads "1,5" as 1.5.
enum class DecimalMark { kPoint, kPointOrComma };

// ParseWholeNumber with `mark`: under kPointOrComma one "," followed by a digit stands
// for the decimal point when the text has no "." ("12,5" is 12.5; "1,234,5", "1.234,5"
// and "12," are not numbers).
[[nodiscard]] bool ParseWholeNumber(std::string_view text, double& value, DecimalMark mark);

// Room for the longest formatted value ("-1.23457E-308" and the like).
inline constexpr std::size_t kFormatBufferSize = 24;

// Writes `value` into `out` (at least kFormatBufferSize bytes) and returns the length.
// No terminating NUL is written.
std::size_t FormatNumber(double value, char* out);

std::string FormatNumber(double value);

// Room for the shortest text of any double ("-2.2250738585072014e-308").
inline constexpr std::size_t kShortestBufferSize = 32;

// Writes the fewest significant digits that read back as the finite `value`, as
// std::to_chars(value) writes them ("0.1", "1e-06", "123456789"), into `out` (at least
// kShortestBufferSize bytes) and returns the length. No terminating NUL is written.
std::size_t ShortestNumberText(double value, char* out);

}  // namespace tevrimo
