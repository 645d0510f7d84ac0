// SPDX-License-Identifier: MIT
#include "results.h"

#include <algorithm>

#include "categories.h"

namespace tevrimo::search {

namespace {

constexpr LanguageTexts kOpenTexts{"Tevrimo'da aç", "Open in Tevrimo", "In Tevrimo öffnen",
                                   "Ouvrir dans Tevrimo"};
constexpr std::string_view kSeparator = " · ";

std::string Join(std::string_view a, std::string_view separator, std::string_view b) {
    std::string out;
    out.reserve(a.size() + separator.size() + b.size());
    out.append(a).append(separator).append(b);
    return out;
}

// "binary: 1 GB = 1024 MB", said on every result of the data storage page, whose
// multiples are 1024 apart.
constexpr LanguageTexts kBinaryNotes{"ikili: 1 GB = 1024 MB", "binary: 1 GB = 1024 MB",
                                     "binär: 1 GB = 1024 MB", "binaire : 1 GB = 1024 MB"};
constexpr std::string_view kBinaryCategory = "data";

// The description of a result in unit `row` of `table`.
std::string Description(const CategoryTable& table, int row, int language) {
    const std::string_view category = table.names[static_cast<std::size_t>(language)];
    std::string out = Join(table.FullName(row, language), kSeparator, category);
    if (table.key == kBinaryCategory) {
        out.append(kSeparator).append(kBinaryNotes[language]);
    }
    return out;
}

ResultId ValueId(const Query& query, const Reading& reading, int target) {
    return {ResultId::Kind::kValue, reading.tab, reading.source, query.value, target};
}

}  // namespace

std::string PeopleNumber(std::string_view text, int language) {
    static constexpr std::string_view kSuperscripts[] = {"⁰", "¹", "²", "³", "⁴",
                                                         "⁵", "⁶", "⁷", "⁸", "⁹"};
    const bool comma = DecimalMarkOf(LanguageOrEnglish(language)) == DecimalMark::kPointOrComma;
    std::string out;
    const std::size_t e = text.find_first_of("eE");
    for (char c : text.substr(0, e)) out.push_back(comma && c == '.' ? ',' : c);
    if (e == std::string_view::npos) return out;
    std::string_view exponent = text.substr(e + 1);
    out += " × 10";
    if (!exponent.empty() && (exponent.front() == '+' || exponent.front() == '-')) {
        if (exponent.front() == '-') out += "⁻";
        exponent.remove_prefix(1);
    }
    while (exponent.size() > 1 && exponent.front() == '0') exponent.remove_prefix(1);
    for (char c : exponent) {
        if (c >= '0' && c <= '9') out += kSuperscripts[c - '0'];
    }
    return out;
}

std::string_view OpenText(int language) {
    return kOpenTexts[LanguageOrEnglish(language)];
}

std::vector<std::string> ShellResults(std::string_view text, int language) {
    std::vector<std::string> ids;
    const std::optional<Query> query = ParseQuery(text, language);
    if (!query) return ids;
    const auto hasText = [&](const Reading& r, int target) {
        return ValueText(r.tab, r.source, query->value, target).has_value();
    };
    if (query->readings.front().target >= 0) {
        for (const Reading& r : query->readings) {
            if (hasText(r, r.target)) ids.push_back(EncodeId(ValueId(*query, r, r.target)));
        }
        return ids;
    }
    std::vector<std::vector<int>> units;
    for (const Reading& r : query->readings) {
        std::vector<int> rows;
        for (int row : CommonUnits(r.tab, r.source)) {
            if (rows.size() < kShellUnits && hasText(r, row)) rows.push_back(row);
        }
        units.push_back(std::move(rows));
    }
    for (std::size_t round = 0; round < kShellUnits; ++round) {
        for (std::size_t k = 0; k < units.size(); ++k) {
            if (round < units[k].size()) {
                ids.push_back(EncodeId(ValueId(*query, query->readings[k], units[k][round])));
            }
        }
    }
    for (const Reading& r : query->readings) {
        ids.push_back(EncodeId({ResultId::Kind::kOpen, r.tab, r.source, query->value, -1}));
    }
    return ids;
}

std::optional<ShellMeta> ShellResultMeta(std::string_view text, int language) {
    language = LanguageOrEnglish(language);
    const std::optional<ResultId> id = DecodeId(text);
    if (!id) return std::nullopt;
    const CategoryTable& table = Category(id->tab);
    const std::string_view category = table.names[static_cast<std::size_t>(language)];
    ShellMeta meta;
    meta.id = text;
    if (id->kind == ResultId::Kind::kOpen) {
        meta.name = OpenText(language);
        const std::string typed =
            Join(PeopleNumber(id->value, language), " ", table.Caption(id->source, language));
        meta.description = Join(typed, kSeparator, category);
        return meta;
    }
    std::optional<std::string> value = ValueText(id->tab, id->source, id->value, id->target);
    if (!value) return std::nullopt;
    meta.name = Join(PeopleNumber(*value, language), " ", table.Caption(id->target, language));
    meta.description = Description(table, id->target, language);
    meta.clipboardText = std::move(*value);
    return meta;
}

std::vector<RunnerMatch> RunnerMatches(std::string_view text, int language) {
    language = LanguageOrEnglish(language);
    std::vector<RunnerMatch> matches;
    const std::optional<Query> query = ParseQuery(text, language);
    if (!query) return matches;
    for (const Reading& r : query->readings) {
        const CategoryTable& table = Category(r.tab);
        const std::vector<int> common = CommonUnits(r.tab, r.source);
        for (int row = 0; row < kRowCount; ++row) {
            if (!table.IsUnitRow(row) || (row == r.source && row != r.target)) continue;
            std::optional<std::string> value = ValueText(r.tab, r.source, query->value, row);
            if (!value) continue;
            RunnerMatch m;
            m.id = EncodeId(ValueId(*query, r, row));
            m.text = Join(PeopleNumber(*value, language), " ", table.Caption(row, language));
            m.subtext = table.key == kBinaryCategory ? Join(table.FullName(row, language),
                                                            kSeparator, kBinaryNotes[language])
                                                     : std::string(table.FullName(row, language));
            m.category = table.names[static_cast<std::size_t>(language)];
            const auto it = std::find(common.begin(), common.end(), row);
            m.relevance = row == r.target ? 1.0
                          : it != common.end()
                              ? 0.9 - 0.01 * static_cast<double>(it - common.begin())
                              : 0.5 - 0.01 * row;
            matches.push_back(std::move(m));
        }
    }
    return matches;
}

std::vector<std::string> OpenArguments(const ResultId& id) {
    const CategoryTable& table = Category(id.tab);
    return {"--category", std::string(table.key),
            "--unit",     std::string(table.rows[static_cast<std::size_t>(id.source)].key),
            "--value",    id.value};
}

}  // namespace tevrimo::search
