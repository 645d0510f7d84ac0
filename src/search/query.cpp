// SPDX-License-Identifier: MIT
#include "query.h"

#include <array>
#include <cmath>
#include <string>
#include <unordered_set>

#include "categories.h"
#include "number_text.h"
#include "pumpdown.h"
#include "unit_names.h"

namespace tevrimo::search {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
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
    return ReadPhrase(text, language, DecimalMarkOf(language));
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
        // INF and NaN (a value beyond a double's range) are no answer.
        if (w.row == target && !w.text.empty() && std::isfinite(ParseNumber(w.text))) {
            return std::string(w.text);
        }
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
