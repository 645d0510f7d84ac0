// SPDX-License-Identifier: MIT
#include "unit_names.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "categories.h"
#include "int_text.h"
#include "user_text.h"

namespace tevrimo {

namespace {

char32_t Fold(char32_t cp) {
    if (cp < 0x80) return AsciiLower(cp);
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) return cp + 32;  // Latin-1 capitals
    switch (cp) {
        case 0x130: return 'i';    // İ
        case 0x131: return 'i';    // ı
        case 0x11E: return 0x11F;  // Ğ
        case 0x15E: return 0x15F;  // Ş
        default: return cp;
    }
}

void ForEachPart(std::string_view list, bool caseSensitive, std::vector<Alias>& out) {
    while (!list.empty()) {
        const std::size_t bar = list.find('|');
        out.push_back({list.substr(0, bar), caseSensitive});
        list = bar == std::string_view::npos ? std::string_view() : list.substr(bar + 1);
    }
}

// `text` folded as Folded does; nothing when it has more than `most` code points.
std::optional<std::u32string> FoldedAtMost(std::string_view text, std::size_t most) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        if (out.size() == most) return std::nullopt;
        out.push_back(Fold(Utf8NextLoose(text, i)));
    }
    return out;
}

// Edits (insert, delete, replace, swap two neighbours) that turn `a` into `b`, or
// `bound` + 1 for anything beyond `bound`. The table is kept three rows at a time (a
// swap looks two rows back), and the work ends once a whole row lies beyond the bound,
// since no later row has a smaller value than the smallest of the row before it.
std::size_t Distance(std::u32string_view a, std::u32string_view b, std::size_t bound) {
    const std::size_t n = a.size(), m = b.size();
    if ((n > m ? n - m : m - n) > bound) return bound + 1;
    std::vector<std::size_t> twoBack(m + 1), previous(m + 1), current(m + 1);
    for (std::size_t j = 0; j <= m; ++j) previous[j] = j;
    for (std::size_t i = 1; i <= n; ++i) {
        current[0] = i;
        std::size_t smallest = i;
        for (std::size_t j = 1; j <= m; ++j) {
            const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
            std::size_t d = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + cost});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d = std::min(d, twoBack[j - 2] + 1);
            }
            current[j] = d;
            smallest = std::min(smallest, d);
        }
        if (smallest > bound) return bound + 1;
        std::swap(twoBack, previous);
        std::swap(previous, current);
    }
    return std::min(previous[m], bound + 1);
}

// A name that may have been meant: the thing it names (a row, a category), how much
// it is preferred among that thing's names (lower first), and its text.
struct Candidate {
    int owner;
    int preference;
    std::string_view text;
};

std::vector<std::string> Suggest(std::string_view typed, const std::vector<Candidate>& candidates) {
    constexpr std::size_t kMaxSuggestions = 3;
    constexpr std::size_t kMaxEdits = 3;
    // A name longer than every candidate by more than the edits allowed is near none;
    // such a name, however long, is not even folded in full.
    std::size_t longest = 0;  // in bytes, never fewer than the code points
    for (const Candidate& c : candidates) longest = std::max(longest, c.text.size());
    const std::optional<std::u32string> folded = FoldedAtMost(typed, longest + kMaxEdits);
    if (!folded) return {};
    const std::u32string& input = *folded;
    // Short names allow one edit, longer ones up to three; never all of it.
    const std::size_t limit = input.size() <= 4 ? 1 : input.size() <= 8 ? 2 : kMaxEdits;
    struct Best {
        std::size_t distance;
        int preference;
        int owner;
        std::string_view text;
    };
    std::vector<Best> best;
    for (const Candidate& c : candidates) {
        const std::size_t d = Distance(input, Folded(c.text), limit);
        if (d > limit || d >= input.size()) continue;
        auto it = std::find_if(best.begin(), best.end(),
                               [&c](const Best& b) { return b.owner == c.owner; });
        if (it == best.end()) {
            best.push_back({d, c.preference, c.owner, c.text});
        } else if (d < it->distance || (d == it->distance && c.preference < it->preference)) {
            *it = {d, c.preference, c.owner, c.text};
        }
    }
    std::stable_sort(best.begin(), best.end(), [](const Best& a, const Best& b) {
        return a.distance != b.distance ? a.distance < b.distance : a.owner < b.owner;
    });
    std::vector<std::string> out;
    for (std::size_t i = 0; i < best.size() && i < kMaxSuggestions; ++i) {
        out.emplace_back(best[i].text);
    }
    return out;
}

// The row with the name `name` in any case, or -1.
int FindName(const CategoryTable& table, std::string_view name) {
    for (int r = 0; r < table.rowCount; ++r) {
        for (const Alias& a : Aliases(table.rows[static_cast<std::size_t>(r)])) {
            if (!a.caseSensitive && SameCaption(a.text, name)) return r;
        }
    }
    return -1;
}

// The row of which `name` is a plural: a caption in any language or a name, with "s" or
// "es" added. Short words are left alone ("ms" is no plural of "m").
int FindPlural(const CategoryTable& table, std::string_view name) {
    constexpr std::size_t kShortest = 4;
    if (name.size() < kShortest || (name.back() != 's' && name.back() != 'S')) return -1;
    for (std::size_t cut : {std::size_t{1}, std::size_t{2}}) {
        const std::string_view singular = name.substr(0, name.size() - cut);
        if (cut == 2 && singular.back() != 'e' && singular.back() != 'E') break;
        for (int r = 0; r < kRowCount; ++r) {
            if (!table.IsUnitRow(r)) continue;
            for (int l = 0; l < kLanguageCount; ++l) {
                if (SameCaption(table.Caption(r, l), singular)) return r;
            }
        }
        if (const int row = FindName(table, singular); row >= 0) return row;
    }
    return -1;
}

}  // namespace

std::u32string Folded(std::string_view text) {
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) out.push_back(Fold(Utf8NextLoose(text, i)));
    return out;
}

bool SameCaption(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (Fold(Utf8NextLoose(a, i)) != Fold(Utf8NextLoose(b, j))) return false;
    }
    return i == a.size() && j == b.size();
}

std::vector<Alias> Aliases(const UnitRow& row) {
    std::vector<Alias> out;
    ForEachPart(row.symbols, true, out);
    ForEachPart(row.names, false, out);
    return out;
}

int FindUnit(const CategoryTable& table, std::string_view name, int language) {
    if (const auto row = ParseSmallInt(name, 99)) return *row < kRowCount ? *row : -1;
    // Keys and symbols first, in their own case; a text that is a symbol in another case
    // stands for nothing (a key in another case may still be a name).
    for (int r = 0; r < table.rowCount; ++r) {
        const UnitRow& row = table.rows[static_cast<std::size_t>(r)];
        if (row.HasUnit() && row.key == name) return r;
    }
    bool caseVariant = false;
    for (int r = 0; r < table.rowCount; ++r) {
        for (const Alias& a : Aliases(table.rows[static_cast<std::size_t>(r)])) {
            if (!a.caseSensitive) continue;
            if (a.text == name) return r;
            caseVariant = caseVariant || SameCaption(a.text, name);
        }
    }
    if (caseVariant) return -1;
    // Captions in `language` first, then in English, then in the others in id order.
    const auto captionRow = [&](int l) {
        for (int r = 0; r < kRowCount; ++r) {
            if (table.IsUnitRow(r) && SameCaption(table.Caption(r, l), name)) return r;
        }
        return -1;
    };
    if (IsLanguage(language)) {
        if (const int row = captionRow(language); row >= 0) return row;
    }
    if (language != kEnglish) {
        if (const int row = captionRow(kEnglish); row >= 0) return row;
    }
    for (int l = 0; l < kLanguageCount; ++l) {
        if (l == language || l == kEnglish) continue;
        if (const int row = captionRow(l); row >= 0) return row;
    }
    if (const int row = FindName(table, name); row >= 0) return row;
    return FindPlural(table, name);
}

int FindUnitAnyCase(const CategoryTable& table, std::string_view name) {
    int found = -1;
    for (int r = 0; r < table.rowCount; ++r) {
        const UnitRow& row = table.rows[static_cast<std::size_t>(r)];
        if (!row.HasUnit()) continue;
        bool matches = SameCaption(row.key, name);
        for (const Alias& a : Aliases(row))
            matches = matches || (a.caseSensitive && SameCaption(a.text, name));
        if (!matches) continue;
        if (found >= 0) return -1;
        found = r;
    }
    return found;
}

std::vector<std::string> SuggestUnits(const CategoryTable& table, std::string_view name,
                                      int language) {
    std::vector<Candidate> candidates;
    for (int r = 0; r < kRowCount; ++r) {
        if (!table.IsUnitRow(r)) continue;
        for (int l = 0; l < kLanguageCount; ++l) {
            const int preference = l == language ? 0 : l == kEnglish ? 1 : 3;
            candidates.push_back({r, preference, table.Caption(r, l)});
        }
        for (const Alias& a : Aliases(table.rows[static_cast<std::size_t>(r)])) {
            candidates.push_back({r, 2, a.text});
        }
    }
    return Suggest(name, candidates);
}

std::vector<std::string> SuggestCategories(std::string_view name) {
    std::vector<Candidate> candidates;
    for (int i = 0; i < kCategoryCount; ++i) {
        candidates.push_back({i, 0, CategoryKey(i)});
        candidates.push_back({i, 1, CategoryTabCaption(i)});
    }
    return Suggest(name, candidates);
}

}  // namespace tevrimo
