// SPDX-License-Identifier: MIT
// The commands of tevrimo-cli, declared once: their words, options, help and what runs
// them. The table drives the dispatch, the usage lines of --help, the completion
// scripts and the checks of the manual page.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tevrimo::cli {

class Arguments;

// What a word, or the value of an option, stands for: what a completion offers there.
enum class ValueKind {
    kNumber,    // a value to convert or compute with: nothing to offer
    kCategory,  // a category key (or tab index or tab caption)
    kUnit,      // a unit of the category named by the command's first word
    kToken,     // a replay token
    kChoice,    // one of the option's choices
};

// An option: "--name VALUE" or "--name=VALUE", or a flag, "--name" alone.
struct Option {
    std::string_view name = {};       // with its dashes
    std::string_view valueName = {};  // as the help shows it ("L"); empty for a flag
    ValueKind kind = ValueKind::kNumber;
    std::span<const std::string_view> choices = {};  // for kChoice

    bool TakesValue() const { return !valueName.empty(); }
};

// A positional argument: exactly one word, an optional one, or any number of them (the
// last argument only; the help shows it after the options).
struct Positional {
    enum class Count { kOne, kOptional, kAny };
    std::string_view name;  // as the help shows it
    Count count;
    ValueKind kind;
};

struct Command {
    std::string_view name;
    std::span<const Positional> positionals;
    std::span<const Option> options;  // in the order the help lists them
    // What the command does, for the help: one line, or lines joined by '\n' where the
    // help breaks them.
    std::string_view help;
    // Runs the command on its arguments; returns the exit status. Throws Failure.
    int (*run)(const Arguments& arguments);
};

// The options that stand in place of a command.
inline constexpr std::string_view kGeneralOptions[] = {"--help", "--version"};

// Every command, in the order the help lists them.
std::span<const Command> Commands();

// The command called `name`, or null.
[[nodiscard]] const Command* FindCommand(std::string_view name);

// The words after the command's name in its usage line: its positional arguments and
// options ("CATEGORY [--lang L] [--captions] TOKEN...").
[[nodiscard]] std::string Synopsis(const Command& command);

// The text of --help.
[[nodiscard]] std::string Usage();

// Runs the command line `argv`; returns the exit status. Throws Failure.
int RunCommandLine(int argc, char** argv);

// The commands, one source file each.
int RunCategories(const Arguments& arguments);
int RunUnits(const Arguments& arguments);
int RunConvert(const Arguments& arguments);
int RunReplay(const Arguments& arguments);
int RunPumpDown(const Arguments& arguments);
int RunPhrase(const Arguments& arguments);

// What runs "tevrimo-cli VALUE UNIT [to UNIT]", a phrase in place of a command: its
// words and options, outside the table of commands.
const Command& PhraseCommand();

// The words after "tevrimo-cli" in a phrase's usage line: "VALUE UNIT [to UNIT]" and
// the phrase's options.
[[nodiscard]] std::string PhraseSynopsis();

}  // namespace tevrimo::cli
