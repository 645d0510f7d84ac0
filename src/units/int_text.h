// SPDX-License-Identifier: MIT
// Whole numbers in text that is not a measurement: row and tab numbers, key codes, the
// exponents of written constants, profile entries. One checked reader for each way such
// a number is written; measurements are read by number_text.
#pragma once

#include <optional>
#include <string_view>

namespace tevrimo {

// The int that all of `text` spells in `base` (10 or 16): an optional '-', then digits
// ("-12", "0041", "ff" in base 16); no blanks, no '+', no "0x". Nothing for anything else
// and for a number beyond the range of int.
[[nodiscard]] std::optional<int> ParseInt(std::string_view text, int base = 10);

// A row or tab number as people type it: decimal digits only, no more of them than `max`
// (>= 0) has, and a value of at most `max`. With `max` 12, "5" and "05" are 5, while
// "005", "13", "-1" and "" are nothing.
[[nodiscard]] std::optional<int> ParseSmallInt(std::string_view text, int max);

// `text` read as strtol reads a setting: an optional sign and the digits after it, the
// rest ignored ("12px" is 12), 0 when no digit follows; a value beyond the range of int is
// clamped to it. Blanks at the start are not skipped: "  5" is 0.
[[nodiscard]] int ParseClampedInt(std::string_view text);

}  // namespace tevrimo
