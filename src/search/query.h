// SPDX-License-Identifier: MIT
// What the desktop's search asks: a phrase ("VALUE UNIT [to UNIT]") read against every
// category, the language of the answers, and result ids that carry everything needed to
// compute a result again.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "languages.h"
#include "phrase.h"

namespace tevrimo::search {

// A query is a phrase as the core reads it ("12 psi", "12 psi to bar").
using Reading = PhraseReading;
using Query = Phrase;

// The phrase `text`, as ReadPhrase reads it, with the decimal mark of `language`: "1,5"
// is 1.5 in a Turkish, German or French session.
std::optional<Query> ParseQuery(std::string_view text, int language);

// A result: a value in a unit, or the program opened at the query's unit.
struct ResultId {
    enum class Kind { kValue, kOpen };
    Kind kind = Kind::kValue;
    int tab = 0;
    int source = 0;
    std::string value;
    int target = -1;  // kValue only
    bool operator==(const ResultId&) const = default;
};

// "v:pressure:psi:12:bar" and "o:pressure:psi:12": the category and unit keys, the value.
std::string EncodeId(const ResultId& id);
// The result an id names; nothing for an id this program did not make (unknown keys, a
// value that is not a number, a row without a unit).
std::optional<ResultId> DecodeId(std::string_view id);

// The text row `target` of tab `tab` shows for `value` typed into row `source`, as the
// page writes it; nothing when the page writes no text there, or INF or NaN.
std::optional<std::string> ValueText(int tab, int source, std::string_view value, int target);

// The most used units of tab `tab`, most used first, `source` left out: a short list
// per category, for the few results a desktop shows.
std::vector<int> CommonUnits(int tab, int source);

}  // namespace tevrimo::search
