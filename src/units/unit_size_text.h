// SPDX-License-Identifier: MIT
// What a unit is, in one line: its size from its exact definition, in a page's language.
#pragma once

#include <string>

#include "category_table.h"

namespace tevrimo {

// The size of the unit of row `row` in language `language`, with the captions of that
// language: "1 atm = 101.325 kPa", "1 bit = 0.125 Byte", "1 acre ≈ 4046.86 m²". The
// value is written exactly when it has at most nine significant digits or is a whole
// number below 10^15 (in full, or in the pages' exponent form below 0.0001), else rounded
// to six significant digits as the pages write numbers, after "≈". Some units have a
// fixed text instead, such as the temperature scales ("T(°F) = 1.8 × T(°C) + 32").
// Empty for a row without a unit and a language outside 0..3.
std::string UnitSizeText(const CategoryTable& table, int row, int language);

}  // namespace tevrimo
