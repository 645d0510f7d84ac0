// SPDX-License-Identifier: MIT
// A unit name looked up in every category at once: what the unit finder, the desktop's
// search and tevrimo-cli's phrases answer a name with.
#pragma once

#include <cstddef>
#include <string>
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

// A unit of one category, and the name it was found by.
struct UnitHit {
    int tab = 0;
    int row = 0;
    std::string matched;
    bool operator==(const UnitHit& other) const = default;
};

// Units with a name (a caption in any language, key, symbol or name) that begins with
// `text`, or has a word that does, whatever the case; in tab and row order, at most
// `most`.
std::vector<UnitHit> CompleteUnitName(std::string_view text, std::size_t most = 40);

// The units `name` stands for as the command line reads a unit name (FindUnit), in every
// category, in tab order; the first name that matched. Row numbers name nothing here.
// Where nothing answers as written, the units whose key or symbol it is in another case.
std::vector<UnitHit> FindUnitEverywhere(std::string_view name, int language);

// What may have been meant by a name that matches no unit (SuggestUnits of every
// category): each category's best first, then the second best, and so on, at most `most`.
std::vector<UnitHit> SuggestUnitsEverywhere(std::string_view name, int language,
                                            std::size_t most = 6);

// How a hit is listed: its caption in `language`, the name it was found by when that
// is another, and its category's name in `language` ("atm (atmosphere) — Pressure").
std::string HitLabel(const UnitHit& hit, int language);

}  // namespace tevrimo
