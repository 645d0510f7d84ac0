// SPDX-License-Identifier: MIT
// tevrimo-cli VALUE UNIT [to UNIT]: a conversion asked as people ask it, read as the
// desktop's search reads it; the category comes from the unit.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "categories.h"
#include "command_line.h"
#include "failure.h"
#include "number_text.h"
#include "phrase.h"
#include "user_text.h"

namespace tevrimo::cli {

namespace {

// Why `text`, which ReadPhrase does not read, is refused: a first word that is no number
// is no phrase (most likely a mistyped command); a number with a decimal comma is a
// refused value; anything else names no unit.
[[noreturn]] void Refuse(std::string_view text, std::string_view first) {
    double value;
    const std::size_t numberEnd = first.find_first_not_of("0123456789.,+-eE");
    const std::string_view number = first.substr(0, numberEnd);
    if (!ParseWholeNumber(number, value, DecimalMark::kPointOrComma)) {
        FailUsage("unknown command " + Quoted(first) + " (try 'tevrimo-cli --help')");
    }
    if (!ParseWholeNumber(number, value)) {
        throw Failure(kFailedStatus,
                      "invalid number " + Quoted(number) + " (use '.' as the decimal point)");
    }
    FailUsage("no unit to read in " + Quoted(text) +
              " (a phrase is VALUE UNIT [to UNIT]; 'tevrimo-cli units' lists the units)");
}

}  // namespace

int RunPhrase(const Arguments& arguments) {
    const std::vector<std::string_view>& words = arguments.Words();
    if (words.empty()) FailUsage("missing COMMAND (try 'tevrimo-cli --help')");
    std::string text;
    for (std::string_view w : words) {
        if (!text.empty()) text += ' ';
        text += w;
    }
    const int language = RequireLanguage(arguments.Value("--lang"));
    const Format format = RequireFormat(arguments.Value("--format"));
    const CategoryTable* chosen = nullptr;
    if (const auto category = arguments.Value("--category")) chosen = &RequireCategory(*category);
    const std::optional<Phrase> phrase = ReadPhrase(text, language, DecimalMark::kPoint);
    if (!phrase) Refuse(text, words.front());
    std::vector<PhraseReading> readings;
    for (const PhraseReading& r : phrase->readings) {
        if (!chosen || &Category(r.tab) == chosen) readings.push_back(r);
    }
    if (readings.empty()) {
        FailUsage(Quoted(text) + " names no unit of category " + Quoted(chosen->key));
    }
    // A name of several categories ("a": are and year) answers in the first, as the
    // search lists it first; the others are named so that --category can choose.
    if (readings.size() > 1) {
        std::string others;
        for (std::size_t k = 1; k < readings.size(); ++k) {
            others += (k > 1 ? ", " : "") + std::string(Category(readings[k].tab).key);
        }
        std::fprintf(stderr, "%s: read in category %s; also %s (choose with --category)\n",
                     kProgram, std::string(Category(readings.front().tab).key).c_str(),
                     others.c_str());
    }
    const PhraseReading& r = readings.front();
    std::optional<int> target;
    if (r.target >= 0) target = r.target;
    return ConvertValue(Category(r.tab), r.source, target, language, format,
                        arguments.Flag("--header"), phrase->value);
}

}  // namespace tevrimo::cli
