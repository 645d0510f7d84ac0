// SPDX-License-Identifier: MIT
// A unit name looked up in every category at once: what the unit finder, the desktop's
// search and tevrimo-cli's phrases answer a name with.
#pragma once

#include <string_view>
#include <vector>

namespace tevrimo {

// A unit: the tab of its category and its row there.
struct UnitPlace {
    int tab = 0;
    int row = 0;
    bool operator==(const UnitPlace&) const = default;
};

// The pages a search looks in: all of them, the conversion pages, or the vacuum page.
enum class PagesSearched { kAll, kConversion, kVacuum };

// The unit row `name` stands for in tab `tab` as the command line reads a unit name
// (FindUnit), or else, with `anyCase`, a key or symbol in another case that names one of
// its units (FindUnitAnyCase); -1 when none. Row numbers, which the command line takes,
// name no unit here.
[[nodiscard]] int FindUnitInTab(int tab, std::string_view name, int language, bool anyCase);

// Every unit `name` stands for, as FindUnitInTab finds it, one per category, in tab order.
[[nodiscard]] std::vector<UnitPlace> FindUnitInCategories(
    std::string_view name, int language, bool anyCase, PagesSearched pages = PagesSearched::kAll);

}  // namespace tevrimo
