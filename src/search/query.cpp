// SPDX-License-Identifier: MIT
#include "query.h"

#include <array>
#include <string>
#include <unordered_set>

#include "categories.h"
#include "number_text.h"
#include "pumpdown.h"
#include "unit_names.h"

namespace tevrimo::search {

namespace {

// Longer queries are no conversion anyone types.
constexpr std::size_t kMaxQueryLength = 200;
constexpr std::size_t kMaxWords = 12;
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsNumberEnd(char c) {
    return (c >= '0' && c <= '9') || c == '.';
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsConnector(std::string_view word) {
    if (word == ">") return true;
    if (word.size() != 2) return false;
    const char a = Lower(word[0]), b = Lower(word[1]);
    return (a == 't' && b == 'o') || (a == 'i' && b == 'n');
}

// Words split at blanks; ">" is a word of its own wherever it stands.
struct Words {
    std::array<std::string_view, kMaxWords> items{};
    std::size_t count = 0;

    bool Add(std::string_view w) {
        if (count == kMaxWords) return false;
        items[count++] = w;
        return true;
    }
};

bool Split(std::string_view text, Words& out) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (IsBlank(text[i])) {
            ++i;
            continue;
        }
        if (text[i] == '>') {
            if (!out.Add(text.substr(i, 1))) return false;
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && !IsBlank(text[i]) && text[i] != '>') ++i;
        if (!out.Add(text.substr(start, i - start))) return false;
    }
    return true;
}

// Every folded name some unit answers to, in the categories a query looks in: a name
// outside this set is no unit anywhere, whatever its case.
const std::unordered_set<std::u32string>& KnownNames() {
    static const std::unordered_set<std::u32string> names = [] {
        std::unordered_set<std::u32string> set;
        for (int tab = 0; tab < kCategoryCount; ++tab) {
            const CategoryTable& table = Category(tab);
            for (int r = 0; r < kRowCount; ++r) {
                if (!table.IsUnitRow(r)) continue;
                const UnitRow& row = table.rows[static_cast<std::size_t>(r)];
                set.insert(Folded(row.key));
                for (std::string_view caption : row.captions) set.insert(Folded(caption));
                for (const Alias& a : Aliases(row)) set.insert(Folded(a.text));
            }
        }
        return set;
    }();
    return names;
}

// The row `name` stands for in tab `tab`, or -1. Row numbers, which the command line
// takes, are no unit names here: "12 3" is no query.
int FindRow(int tab, std::string_view name, int language) {
    const CategoryTable& table = Category(tab);
    const int row = FindUnit(table, name, language);
    return table.IsUnitRow(row) ? row : -1;
}

bool IsRowNumber(std::string_view name) {
    return !name.empty() && name.find_first_not_of("0123456789") == std::string_view::npos;
}

void Join(const Words& words, std::size_t from, std::size_t to, std::string& out) {
    out.clear();
    for (std::size_t k = from; k < to; ++k) {
        if (k > from) out.push_back(' ');
        out.append(words.items[k]);
    }
}

// The readings of `source` (and `target`, when not empty) in every category that knows
// both. The vacuum page's pairs (l/min and m³/h, ...) answer only for units no other
// category knows: its seconds, litres and millibars are better answered by their own
// categories.
std::vector<Reading> Readings(const std::string& source, const std::string& target, int language) {
    std::vector<Reading> out;
    if (IsRowNumber(source) || IsRowNumber(target)) return out;
    const auto& known = KnownNames();
    if (!known.contains(Folded(source))) return out;
    if (!target.empty() && !known.contains(Folded(target))) return out;
    const auto look = [&](bool vacuumPage) {
        for (int tab = 0; tab < kCategoryCount; ++tab) {
            if ((Category(tab).kind == CategoryKind::kVacuum) != vacuumPage) continue;
            const int s = FindRow(tab, source, language);
            if (s < 0) continue;
            const int t = target.empty() ? -1 : FindRow(tab, target, language);
            if (!target.empty() && t < 0) continue;
            out.push_back({tab, s, t});
        }
    };
    look(false);
    if (out.empty()) look(true);
    return out;
}

// The row of unit key `key` in `table`, exactly as written, or -1.
int RowOfKey(const CategoryTable& table, std::string_view key) {
    for (int r = 0; r < kRowCount; ++r) {
        if (table.IsUnitRow(r) && table.rows[static_cast<std::size_t>(r)].key == key) return r;
    }
    return -1;
}

std::string_view KeyOf(int tab, int row) {
    return Category(tab).rows[static_cast<std::size_t>(row)].key;
}

}  // namespace

std::optional<Query> ParseQuery(std::string_view text, int language) {
    if (text.size() > kMaxQueryLength) return std::nullopt;
    Words words;
    if (!Split(text, words) || words.count < 1) return std::nullopt;

    // The value: the first word, or the number at its start when a unit follows
    // without a blank ("12psi", "1.5e3m"): the longest one that ends in a digit or a
    // point before something else.
    Query query;
    Words units;
    double number = 0;
    const std::string_view first = words.items[0];
    if (ParseWholeNumber(first, number)) {
        query.value = first;
    } else {
        std::size_t cut = 0;
        for (std::size_t i = first.size() - 1; i > 0; --i) {
            if (IsNumberEnd(first[i - 1]) && !IsNumberEnd(first[i]) &&
                ParseWholeNumber(first.substr(0, i), number)) {
                cut = i;
                break;
            }
        }
        if (cut == 0) return std::nullopt;
        query.value = first.substr(0, cut);
        units.Add(first.substr(cut));
    }
    for (std::size_t k = 1; k < words.count; ++k) units.Add(words.items[k]);
    if (units.count == 0) return std::nullopt;  // a plain number

    // All of the rest as one unit ("12 inch of water"), else a unit, "to", a unit.
    std::string source, target;
    Join(units, 0, units.count, source);
    query.readings = Readings(source, target, language);
    for (std::size_t k = 1; query.readings.empty() && k + 1 < units.count; ++k) {
        if (!IsConnector(units.items[k])) continue;
        Join(units, 0, k, source);
        Join(units, k + 1, units.count, target);
        query.readings = Readings(source, target, language);
    }
    // "12 psi to", while the target is still being typed, reads as "12 psi".
    if (query.readings.empty() && units.count > 1 && IsConnector(units.items[units.count - 1])) {
        Join(units, 0, units.count - 1, source);
        target.clear();
        query.readings = Readings(source, target, language);
    }
    if (query.readings.empty()) return std::nullopt;
    return query;
}

std::string EncodeId(const ResultId& id) {
    std::string out = id.kind == ResultId::Kind::kValue ? "v:" : "o:";
    out += CategoryKey(id.tab);
    out += ':';
    out += KeyOf(id.tab, id.source);
    out += ':';
    out += id.value;
    if (id.kind == ResultId::Kind::kValue) {
        out += ':';
        out += KeyOf(id.tab, id.target);
    }
    return out;
}

std::optional<ResultId> DecodeId(std::string_view text) {
    std::array<std::string_view, 5> parts{};
    std::size_t count = 0;
    while (count < parts.size()) {
        const std::size_t colon = text.find(':');
        parts[count++] = text.substr(0, colon);
        if (colon == std::string_view::npos) break;
        text.remove_prefix(colon + 1);
        if (count == parts.size()) return std::nullopt;  // more parts than any id has
    }
    ResultId id;
    if (parts[0] == "v" && count == 5) {
        id.kind = ResultId::Kind::kValue;
    } else if (parts[0] == "o" && count == 4) {
        id.kind = ResultId::Kind::kOpen;
    } else {
        return std::nullopt;
    }
    id.tab = -1;
    for (int tab = 0; tab < kCategoryCount; ++tab) {
        if (CategoryKey(tab) == parts[1]) id.tab = tab;
    }
    if (id.tab < 0) return std::nullopt;
    const CategoryTable& table = Category(id.tab);
    id.source = RowOfKey(table, parts[2]);
    if (id.source < 0) return std::nullopt;
    double number = 0;
    const std::string_view value = parts[3];
    if (value.empty() || IsBlank(value.front()) || IsBlank(value.back()) ||
        !ParseWholeNumber(value, number)) {
        return std::nullopt;
    }
    id.value = value;
    // The program opens with a value only where the value stays.
    if (id.kind == ResultId::Kind::kOpen && pumpdown::ComputedAtStart(id.tab, id.source))
        return std::nullopt;
    if (id.kind == ResultId::Kind::kValue) {
        id.target = RowOfKey(table, parts[4]);
        if (id.target < 0) return std::nullopt;
    }
    return id;
}

std::optional<std::string> ValueText(int tab, int source, std::string_view value, int target) {
    RowWrites writes;
    Category(tab).Refresh(value, ParseNumber(value), source, writes);
    for (const RowWrites::Write& w : writes) {
        if (w.boxId == BoxId(target) && !w.text.empty()) return std::string(w.text);
    }
    return std::nullopt;
}

std::vector<int> CommonUnits(int tab, int source) {
    std::vector<int> out;
    const CategoryTable& table = Category(tab);
    for (std::string_view keys = table.commonUnits; !keys.empty();) {
        const std::size_t bar = keys.find('|');
        const int row = RowOfKey(table, keys.substr(0, bar));
        // Only rows the source converts into: on the vacuum page, its partner.
        if (row >= 0 && row != source && table.Pair(source, row).kind != PairRule::Kind::kSkip)
            out.push_back(row);
        keys = bar == std::string_view::npos ? std::string_view() : keys.substr(bar + 1);
    }
    return out;
}

}  // namespace tevrimo::search
