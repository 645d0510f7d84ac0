// SPDX-License-Identifier: MIT
// The answers to a query, as the two desktop searches take them: a few results for the
// shell's overview, every unit for the runner. Each is computed from its id alone.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "query.h"

namespace tevrimo::search {

// How many units the shell gets for a query without a target, besides the result that
// opens the program: it shows three results at most.
inline constexpr std::size_t kShellUnits = 2;

// A value as the page writes it ("1.33322E-006", "0.5"), written for people in
// `language`: "1.33322 × 10⁻⁶", and "0,5" where the language writes a decimal comma.
std::string PeopleNumber(std::string_view text, int language);

// "Open in Tevrimo" in `language`.
std::string_view OpenText(int language);

// The shell's results for `query`, by id: with a target, that unit in every category
// that knows both units; without one, the most used units of each category (first the
// first of every category, then the second), then one result per category that opens
// the program.
std::vector<std::string> ShellResults(std::string_view query, int language);

struct ShellMeta {
    std::string id;
    std::string name;           // "0.827371 bar", or "Open in Tevrimo"
    std::string description;    // "bar · Pressure", or "12 PSI (=lbf/in²) · Pressure"
    std::string clipboardText;  // the value alone, as the page writes it (what KRunner
                                // copies too); empty for the open result
};
std::optional<ShellMeta> ShellResultMeta(std::string_view id, int language);

struct RunnerMatch {
    std::string id;
    std::string text;      // "0.827371 bar"
    std::string subtext;   // the unit's full name
    std::string category;  // the category's name
    double relevance = 0;  // the named target 1, the most used units next, then the rest
};

// Every unit of every category that reads `query`, but the unit typed.
std::vector<RunnerMatch> RunnerMatches(std::string_view query, int language);

// The arguments that open the program at a result's category and unit, with its value
// typed there: "--category", "pressure", "--unit", "psi", "--value", "12".
std::vector<std::string> OpenArguments(const ResultId& id);

}  // namespace tevrimo::search
