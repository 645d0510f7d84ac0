// SPDX-License-Identifier: MIT
// What every command of tevrimo-cli does with its arguments: splitting them into
// options and words, and turning the words into categories, units, languages and
// formats, or a usage failure that says what is wrong.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "category_table.h"
#include "commands.h"
#include "records.h"

namespace tevrimo::cli {

// The arguments after a command's name, split by the command's table entry. Only the
// command's own options are options: "-", "-5", "--5" and "--.5" stay words, and "--"
// ends the options.
class Arguments {
  public:
    // Throws a usage Failure for an option the command does not take, a flag given a
    // value, or an option without its value.
    Arguments(const Command& command, std::span<char* const> args);

    const std::vector<std::string_view>& Words() const { return m_words; }
    // Word `index`; a usage failure naming the positional argument ("missing UNIT")
    // when there are not that many words.
    std::string_view Required(std::size_t index) const;
    // A usage failure for the first word beyond the command's positional arguments.
    void NoMoreWords() const;

    // The value of option `name` (the last one given), or nothing.
    std::optional<std::string_view> Value(std::string_view name) const;
    // Whether flag `name` was given.
    bool Flag(std::string_view name) const;

  private:
    // The index of option `name` among the command's; std::logic_error for a name the
    // command does not declare.
    std::size_t OptionIndex(std::string_view name, bool takesValue) const;

    const Command& m_command;
    std::vector<std::string_view> m_words;
    std::vector<std::optional<std::string_view>> m_values;  // by option; "" for a flag given
};

// "; did you mean 'a', 'b' or 'c'?", or nothing without names.
[[nodiscard]] std::string DidYouMean(const std::vector<std::string>& names);

// "a, b or c".
[[nodiscard]] std::string OneOf(std::span<const std::string_view> names);

// The category, unit row, language (English when not given) and format (TSV when not
// given) named by the user, or a usage failure saying what is wrong.
[[nodiscard]] const CategoryTable& RequireCategory(std::string_view name);
[[nodiscard]] int RequireUnit(const CategoryTable& table, std::string_view name, int language);
[[nodiscard]] int RequireLanguage(const std::optional<std::string_view>& code);
[[nodiscard]] Format RequireFormat(const std::optional<std::string_view>& name);

// Converts `value` typed into row `source` of `table` and writes every unit's text (or
// the target's) as `convert` does; returns 0. A value that is not a number and nothing
// else is refused with status 1, with a hint for a decimal comma.
int ConvertValue(const CategoryTable& table, int source, std::optional<int> target, int language,
                 Format format, bool header, std::string_view value);

// Writes `text` to standard output; returns 0.
int Print(std::string_view text);

}  // namespace tevrimo::cli
