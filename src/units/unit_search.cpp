// SPDX-License-Identifier: MIT
#include "unit_search.h"

#include <algorithm>

#include "categories.h"
#include "languages.h"
#include "unit_names.h"

namespace tevrimo {

namespace {

// Calls `f` with every name of unit row `r`: its captions, its key, its symbols and names.
template <typename F>
void ForEachName(const CategoryTable& table, int r, F f) {
    for (int l = 0; l < kLanguageCount; ++l) f(table.Caption(r, l));
    f(table.rows[static_cast<std::size_t>(r)].key);
    for (const Alias& a : Aliases(table.rows[static_cast<std::size_t>(r)])) f(a.text);
}

// How well `name` completes `typed` (both folded): 0 the same, 1 it begins with it,
// 2 one of its words does; 3 not at all.
int CompletionRank(const std::u32string& typed, const std::u32string& name) {
    if (name == typed) return 0;
    if (name.starts_with(typed)) return 1;
    for (std::size_t i = 1; i < name.size(); ++i) {
        const char32_t before = name[i - 1];
        const bool wordStart = before == ' ' || before == '/' || before == '(' || before == '-';
        if (wordStart && std::u32string_view(name).substr(i).starts_with(typed)) return 2;
    }
    return 3;
}

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

std::vector<UnitHit> CompleteUnitName(std::string_view text, std::size_t most) {
    const std::u32string typed = Folded(text);
    if (typed.empty()) return {};
    struct Ranked {
        int rank;
        UnitHit hit;
    };
    std::vector<Ranked> found;
    for (int c = 0; c < kCategoryCount; ++c) {
        const CategoryTable& table = Category(c);
        for (int r = 0; r < kRowCount; ++r) {
            if (!table.IsUnitRow(r)) continue;
            int best = 3;
            std::string_view by;
            ForEachName(table, r, [&](std::string_view name) {
                const int rank = CompletionRank(typed, Folded(name));
                if (rank < best) {
                    best = rank;
                    by = name;
                }
            });
            if (best < 3) found.push_back({best, {c, r, std::string(by)}});
        }
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Ranked& a, const Ranked& b) { return a.rank < b.rank; });
    std::vector<UnitHit> out;
    for (std::size_t i = 0; i < found.size() && i < most; ++i) out.push_back(found[i].hit);
    return out;
}

std::vector<UnitHit> FindUnitEverywhere(std::string_view name, int language) {
    std::vector<UnitPlace> places = FindUnitInCategories(name, language, false);
    // A key or symbol in another case ("gb"), where nothing answers to the name as
    // written: each unit it may stand for, to choose from ("Mb": MByte and mbar).
    if (places.empty()) places = FindUnitInCategories(name, language, true);
    std::vector<UnitHit> out;
    for (const UnitPlace& p : places) out.push_back({p.tab, p.row, std::string(name)});
    return out;
}

std::vector<UnitHit> SuggestUnitsEverywhere(std::string_view name, int language, std::size_t most) {
    std::vector<std::vector<UnitHit>> perCategory;
    for (int c = 0; c < kCategoryCount; ++c) {
        std::vector<UnitHit> hits;
        for (const std::string& s : SuggestUnits(Category(c), name, language)) {
            const int row = FindUnit(Category(c), s, language);
            if (Category(c).IsUnitRow(row)) hits.push_back({c, row, s});
        }
        perCategory.push_back(std::move(hits));
    }
    std::vector<UnitHit> out;
    for (std::size_t rank = 0; out.size() < most; ++rank) {
        bool any = false;
        for (const std::vector<UnitHit>& hits : perCategory) {
            if (rank >= hits.size() || out.size() == most) continue;
            any = true;
            const UnitHit& h = hits[rank];
            const bool seen = std::any_of(out.begin(), out.end(), [&h](const UnitHit& o) {
                return o.tab == h.tab && o.row == h.row;
            });
            if (!seen) out.push_back(h);
        }
        if (!any) break;
    }
    return out;
}

std::string HitLabel(const UnitHit& hit, int language) {
    const int l = LanguageOrEnglish(language);
    const CategoryTable& table = Category(hit.tab);
    std::string text(table.Caption(hit.row, l));
    if (!hit.matched.empty() && !SameCaption(hit.matched, table.Caption(hit.row, l))) {
        ((text += " (") += hit.matched) += ')';
    }
    return (text += " — ") += table.names[static_cast<std::size_t>(l)];
}

}  // namespace tevrimo
