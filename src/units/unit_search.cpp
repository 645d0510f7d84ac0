// SPDX-License-Identifier: MIT
#include "unit_search.h"

#include "categories.h"
#include "unit_names.h"

namespace tevrimo {

namespace {

// No name, or a row number, which the command line takes but which names no unit here.
bool NamesNoUnit(std::string_view name) {
    return name.find_first_not_of("0123456789") == std::string_view::npos;
}

bool Searched(const CategoryTable& table, PagesSearched pages) {
    switch (pages) {
        case PagesSearched::kConversion: return table.kind != CategoryKind::kVacuum;
        case PagesSearched::kVacuum: return table.kind == CategoryKind::kVacuum;
        case PagesSearched::kAll: break;
    }
    return true;
}

}  // namespace

int FindUnitInTab(int tab, std::string_view name, int language, bool anyCase) {
    if (NamesNoUnit(name)) return -1;
    const CategoryTable& table = Category(tab);
    int row = FindUnit(table, name, language);
    if (row < 0 && anyCase) row = FindUnitAnyCase(table, name);
    return table.IsUnitRow(row) ? row : -1;
}

std::vector<UnitPlace> FindUnitInCategories(std::string_view name, int language, bool anyCase,
                                            PagesSearched pages) {
    std::vector<UnitPlace> out;
    for (int tab = 0; tab < kCategoryCount; ++tab) {
        if (!Searched(Category(tab), pages)) continue;
        if (const int row = FindUnitInTab(tab, name, language, anyCase); row >= 0) {
            out.push_back({tab, row});
        }
    }
    return out;
}

}  // namespace tevrimo
