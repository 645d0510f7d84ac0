// The thirteen categories in tab order.
#pragma once

#include <string_view>

#include "category_table.h"

namespace tevrimo {

inline constexpr int kCategoryCount = 13;
inline constexpr int kVacuumTab = 12;

// The table of tab `tabIndex` (0..12), built on first use.
const CategoryTable& Category(int tabIndex);

// By English key, tab index or Turkish tab caption, case-insensitive; null if none.
const CategoryTable* FindCategory(std::string_view name);

// Case-insensitive comparison of UTF-8 captions (ASCII, Latin-1 and Turkish letters).
bool SameCaption(std::string_view a, std::string_view b);

// One source file per category.
const CategoryTable& LengthCategory();
const CategoryTable& AreaCategory();
const CategoryTable& VolumeCategory();
const CategoryTable& MassCategory();
const CategoryTable& ForceCategory();
const CategoryTable& PressureCategory();
const CategoryTable& TemperatureCategory();
const CategoryTable& TimeCategory();
const CategoryTable& SpeedCategory();
const CategoryTable& DensityCategory();
const CategoryTable& EnergyCategory();
const CategoryTable& DataStorageCategory();
const CategoryTable& VacuumCategory();

}  // namespace tevrimo
