// SPDX-License-Identifier: MIT
// The thirteen categories in tab order.
#pragma once

#include <string_view>

#include "category_table.h"

namespace tevrimo {

inline constexpr int kCategoryCount = 13;
inline constexpr int kVacuumTab = 12;  // the vacuum page; pumpdown::Table() is its table

// The key, the tab caption and the tab index of category `tabIndex` (0..12), known
// without building its table.
std::string_view CategoryKey(int tabIndex);
std::string_view CategoryTabCaption(int tabIndex);

// The table of tab `tabIndex` (0..12), built on first use.
const CategoryTable& Category(int tabIndex);

// The tab index by English key, tab index or Turkish tab caption, case-insensitive; -1 if
// none. Builds no table.
[[nodiscard]] int FindCategoryIndex(std::string_view name);
// The same, as the table; null if none.
[[nodiscard]] const CategoryTable* FindCategory(std::string_view name);

}  // namespace tevrimo
