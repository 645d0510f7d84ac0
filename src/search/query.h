// SPDX-License-Identifier: MIT
// What the desktop's search asks: "VALUE UNIT [to|in|> UNIT]" read against every
// category, the language of the answers, and result ids that carry everything needed to
// compute a result again.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "languages.h"

namespace tevrimo::search {

// One reading of a query in one category: the tab, the row typed into, and the row
// asked for (-1 when the query names none).
struct Reading {
    int tab = 0;
    int source = 0;
    int target = -1;
    bool operator==(const Reading&) const = default;
};

struct Query {
    std::string value;              // the number as typed, "." its decimal point
    std::vector<Reading> readings;  // one per category that knows the units, in tab order
};

// Reads "VALUE UNIT", "VALUE UNIT to UNIT" (also "in", "en" and ">"), with or without a blank
// between the value and the first unit ("12psi"). The value must be a finite number and
// nothing else, with "." as the decimal point, or "," where `language` writes a decimal
// comma ("1,5"); Query::value has it with "."; the units are found as the command line finds
// them (keys, symbols, captions in `language` first, names), in every category; the
// vacuum page's pairs answer only for units no other category knows. Nothing when the text is no
// such query: a plain number or a word that names no unit returns early, before any category is
// looked at.
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
