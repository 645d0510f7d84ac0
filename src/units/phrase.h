// SPDX-License-Identifier: MIT
// How people ask for a conversion: "VALUE UNIT [to|in|en|> UNIT]" ("12 psi", "5 psi to
// bar", "12 fuß in m", "72 F C"), read against every category. The desktop's search and
// tevrimo-cli's phrases read it here, the same way.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "number_text.h"

namespace tevrimo {

// One reading of a phrase in one category: the tab, the row typed into, and the row
// asked for (-1 when the phrase names none).
struct PhraseReading {
    int tab = 0;
    int source = 0;
    int target = -1;
    bool operator==(const PhraseReading&) const = default;
};

struct Phrase {
    std::string value;                    // the number as typed, "." its decimal point
    std::vector<PhraseReading> readings;  // one per category that knows the units, in tab order
};

// Reads "VALUE UNIT", "VALUE UNIT to UNIT" (also "in", "en" and ">") and "VALUE UNIT
// UNIT", with or without a blank between the value and the first unit ("12psi"). The
// value must be a finite number and nothing else, with "." as the decimal point, or ","
// too under DecimalMark::kPointOrComma ("1,5"). The units are found as the command line
// finds them (keys, symbols, captions in `language` first, names, plurals), in every
// category; a key or symbol in another case ("gb") counts only when no unit answers to
// the name as written and it then names one unit. All of the words after the value are
// tried as one unit first ("12 inch of water"), then split at "to", "in", "en" or ">",
// then split without a word between the two units. The vacuum page's pairs answer only
// for units no other category knows. Nothing when the text is no such phrase: a plain
// number or a word that names no unit returns early, before any category is looked at.
std::optional<Phrase> ReadPhrase(std::string_view text, int language, DecimalMark mark);

}  // namespace tevrimo
