// SPDX-License-Identifier: MIT
#include "phrase.h"

#include <array>
#include <cmath>
#include <string>
#include <unordered_set>

#include "categories.h"
#include "unit_names.h"
#include "unit_search.h"
#include "user_text.h"

namespace tevrimo {

namespace {

// Longer phrases are no conversion anyone types.
constexpr std::size_t kMaxPhraseLength = 200;
constexpr std::size_t kMaxWords = 12;

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsNumberEnd(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == ',';
}

// Whether `text` is a finite number and nothing else, with the decimal mark `mark`;
// `value` gets it with "." as the decimal point. INF and NaN are no value to convert.
bool ReadValue(std::string_view text, DecimalMark mark, std::string& value) {
    double number = 0;
    if (!ParseWholeNumber(text, number, mark) || !std::isfinite(number)) {
        return false;
    }
    value = text;
    for (char& c : value) {
        if (c == ',') c = '.';
    }
    return true;
}

bool IsConnector(std::string_view word) {
    if (word == ">") return true;
    if (word.size() != 2) return false;
    const char a = AsciiLower(word[0]), b = AsciiLower(word[1]);
    return (a == 't' && b == 'o') || (a == 'i' && b == 'n') || (a == 'e' && b == 'n');
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

// Every folded name some unit answers to, in the categories a phrase looks in: a name
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

// Whether `name`, or the singular of it, is a name some unit answers to.
bool IsKnownName(std::string_view name) {
    const auto& known = KnownNames();
    std::u32string folded = Folded(name);
    if (known.contains(folded)) return true;
    for (int cut = 0; cut < 2 && folded.size() > 3 && folded.back() == U's'; ++cut) {
        folded.pop_back();
        if (known.contains(folded)) return true;
        if (folded.back() != U'e') break;
    }
    return false;
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
// categories. Names as written come first; a key or symbol in another case ("gb") only
// when no unit answers to it as written and it then names one unit of one category
// ("Mb" is megabyte or millibar, so nothing). The target, in the source's category, may
// be in another case where that names one of its units.
std::vector<PhraseReading> Readings(const std::string& source, const std::string& target,
                                    int language) {
    std::vector<PhraseReading> out;
    if (!IsKnownName(source)) return out;
    if (!target.empty() && !IsKnownName(target)) return out;
    const auto look = [&](PagesSearched pages, bool anyCase) {
        for (const UnitPlace& s : FindUnitInCategories(source, language, anyCase, pages)) {
            const int t = target.empty() ? -1 : FindUnitInTab(s.tab, target, language, true);
            if (!target.empty() && t < 0) continue;
            out.push_back({s.tab, s.row, t});
        }
    };
    for (bool anyCase : {false, true}) {
        look(PagesSearched::kConversion, anyCase);
        if (out.empty()) look(PagesSearched::kVacuum, anyCase);
        if (!out.empty()) break;
    }
    if (out.size() > 1 && FindUnitInTab(out.front().tab, source, language, false) < 0) out.clear();
    return out;
}

}  // namespace

std::optional<Phrase> ReadPhrase(std::string_view text, int language, DecimalMark mark) {
    if (text.size() > kMaxPhraseLength) return std::nullopt;
    Words words;
    if (!Split(text, words) || words.count < 1) return std::nullopt;

    // The value: the first word, or the number at its start when a unit follows
    // without a blank ("12psi", "1.5e3m"): the longest one that ends in a digit or a
    // point before something else.
    Phrase phrase;
    Words units;
    const std::string_view first = words.items[0];
    if (!ReadValue(first, mark, phrase.value)) {
        std::size_t cut = 0;
        for (std::size_t i = first.size() - 1; i > 0; --i) {
            if (IsNumberEnd(first[i - 1]) && !IsNumberEnd(first[i]) &&
                ReadValue(first.substr(0, i), mark, phrase.value)) {
                cut = i;
                break;
            }
        }
        if (cut == 0) return std::nullopt;
        units.Add(first.substr(cut));
    }
    for (std::size_t k = 1; k < words.count; ++k) units.Add(words.items[k]);
    if (units.count == 0) return std::nullopt;  // a plain number

    // All of the rest as one unit ("12 inch of water"), else a unit, "to", a unit.
    std::string source, target;
    Join(units, 0, units.count, source);
    phrase.readings = Readings(source, target, language);
    for (std::size_t k = 1; phrase.readings.empty() && k + 1 < units.count; ++k) {
        if (!IsConnector(units.items[k])) continue;
        Join(units, 0, k, source);
        Join(units, k + 1, units.count, target);
        phrase.readings = Readings(source, target, language);
    }
    // "5 psi bar": two units without a word between them.
    for (std::size_t k = 1; phrase.readings.empty() && k < units.count; ++k) {
        Join(units, 0, k, source);
        Join(units, k, units.count, target);
        phrase.readings = Readings(source, target, language);
    }
    // "12 psi to", while the target is still being typed, reads as "12 psi".
    if (phrase.readings.empty() && units.count > 1 && IsConnector(units.items[units.count - 1])) {
        Join(units, 0, units.count - 1, source);
        target.clear();
        phrase.readings = Readings(source, target, language);
    }
    if (phrase.readings.empty()) return std::nullopt;
    return phrase;
}

}  // namespace tevrimo
