// SPDX-License-Identifier: MIT
#include "commands.h"

#include <vector>

#include "categories.h"
#include "command_line.h"
#include "failure.h"
#include "records.h"
#include "replay_tokens.h"
#include "tevrimo_version.h"
#include "user_text.h"

namespace tevrimo::cli {

namespace {

using Count = Positional::Count;

constexpr Option kLang{"--lang", "L", ValueKind::kChoice, kLanguageCodes};
constexpr Option kFormat{"--format", "F", ValueKind::kChoice, kFormatNames};
constexpr Option kHeader{"--header"};

constexpr Positional kCategory{"CATEGORY", Count::kOne, ValueKind::kCategory};

constexpr Option kCategoriesOptions[] = {kFormat, kHeader};

constexpr Positional kUnitsWords[] = {{"CATEGORY", Count::kOptional, ValueKind::kCategory}};
constexpr Option kUnitsOptions[] = {kLang, kFormat, kHeader};

constexpr Positional kConvertWords[] = {kCategory,
                                        {"UNIT", Count::kOne, ValueKind::kUnit},
                                        {"VALUE", Count::kOptional, ValueKind::kNumber}};
constexpr Option kConvertOptions[] = {
    kLang, {"--to", "UNIT", ValueKind::kUnit}, {"--as-typed"}, {"--strict"}, kFormat, kHeader};

constexpr Positional kReplayWords[] = {kCategory, {"TOKEN", Count::kAny, ValueKind::kToken}};
constexpr Option kReplayOptions[] = {kLang, {"--captions"}};

constexpr Option kPumpDownOptions[] = {{"--capacity", "L/MIN"},
                                       {"--time", "MIN"},
                                       {"--volume", "LITRES"},
                                       {"--pressure", "MBAR"},
                                       kLang};

constexpr Positional kPhraseWords[] = {{"PHRASE", Count::kAny, ValueKind::kNumber}};
constexpr Option kPhraseOptions[] = {
    {"--category", "C", ValueKind::kCategory}, kLang, kFormat, kHeader};
constexpr Command kPhrase{"", kPhraseWords, kPhraseOptions, "", RunPhrase};

// The help breaks each command's text where it is written with '\n', below its usage.
constexpr Command kCommands[] = {
    {"categories", {}, kCategoriesOptions, "list the categories in tab order", RunCategories},
    {"units", kUnitsWords, kUnitsOptions,
     "list the units of a category: row, caption and\n"
     "the other names it answers to; without CATEGORY,\n"
     "every unit of every category, its key first",
     RunUnits},
    {"convert", kConvertWords, kConvertOptions,
     "convert VALUE typed in UNIT into every unit of the\n"
     "category; without VALUE, convert each line of\n"
     "standard input, one output line per input line",
     RunConvert},
    {"replay", kReplayWords, kReplayOptions,
     "play keys and clicks on a fresh page and print its\n"
     "fourteen value boxes",
     RunReplay},
    {"pumpdown",
     {},
     kPumpDownOptions,
     "give three, get the fourth; each a positive\n"
     "number with an optional unit (10m3/h, 30s,\n"
     "0.2m3, 1e-2Torr), the pressure below 1013.25 mbar",
     RunPumpDown},
};

constexpr std::size_t kWidth = 80;       // of the help's lines
constexpr std::size_t kHelpColumn = 34;  // where a command's help starts

// `items` after `label`, a blank between them, folded into lines of at most kWidth
// columns; each line after the first indented to the column where `label` ends. An item
// is never broken.
std::string Wrapped(std::string_view label, const std::vector<std::string>& items) {
    std::string out(label);
    std::size_t column = label.size();
    for (const std::string& item : items) {
        if (column > label.size() && column + 1 + item.size() > kWidth) {
            out += "\n" + std::string(label.size(), ' ');
            column = label.size();
        } else if (column > label.size()) {
            out += ' ';
            ++column;
        }
        out += item;
        column += item.size();
    }
    return out + "\n";
}

// The words of `text`.
std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        words.emplace_back(text.substr(0, space));
        text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
    }
    return words;
}

// The items of a usage line: the positional arguments, the options in brackets, and an
// argument that repeats after them.
std::vector<std::string> SynopsisItems(const Command& command) {
    std::vector<std::string> items;
    for (const Positional& p : command.positionals) {
        if (p.count == Count::kOne) items.emplace_back(p.name);
        if (p.count == Count::kOptional) items.push_back("[" + std::string(p.name) + "]");
    }
    for (const Option& o : command.options) {
        std::string item = "[" + std::string(o.name);
        if (o.TakesValue()) item += " " + std::string(o.valueName);
        items.push_back(item + "]");
    }
    for (const Positional& p : command.positionals) {
        if (p.count == Count::kAny) items.push_back(std::string(p.name) + "...");
    }
    return items;
}

}  // namespace

const Command& PhraseCommand() {
    return kPhrase;
}

std::string PhraseSynopsis() {
    Command options = kPhrase;
    options.positionals = {};
    return "VALUE UNIT [to UNIT] " + Synopsis(options);
}

std::span<const Command> Commands() {
    return kCommands;
}

const Command* FindCommand(std::string_view name) {
    for (const Command& c : kCommands) {
        if (c.name == name) return &c;
    }
    return nullptr;
}

std::string Synopsis(const Command& command) {
    std::string out;
    for (const std::string& item : SynopsisItems(command)) {
        if (!out.empty()) out += ' ';
        out += item;
    }
    return out;
}

std::string Usage() {
    std::string commands;
    for (const Command& c : kCommands) {
        commands += Wrapped("  " + std::string(c.name) + " ", SynopsisItems(c));
        for (std::string_view help = c.help; !help.empty();) {
            const std::size_t end = help.find('\n');
            commands.append(kHelpColumn, ' ').append(help.substr(0, end)).append("\n");
            help = end == std::string_view::npos ? std::string_view() : help.substr(end + 1);
        }
    }
    std::string categories;
    for (int i = 0; i < kCategoryCount; ++i) categories.append(CategoryKey(i)).append(" ");
    return Wrapped("Usage: tevrimo-cli ", Words(PhraseSynopsis())) +
           "       tevrimo-cli COMMAND [ARGUMENTS]\n"
           "Converts physical units the way the Tevrimo pages do: six significant digits.\n"
           "\n"
           "Phrases, as the desktop's search reads them (the category comes from the unit):\n"
           "  tevrimo-cli 5 psi to bar      tevrimo-cli \"5 psi in bar\"     tevrimo-cli 72 F C\n"
           "  tevrimo-cli 1 atm             (every unit of the category)\n"
           "  'to' may also be 'in', 'en' or '>', or left out. A name of several\n"
           "  categories ('1 a': are and year) is read in the first, and the others are\n"
           "  named on standard error; --category C chooses one.\n"
           "\n"
           "Commands:\n" +
           commands + "\n" +
           Wrapped("CATEGORY: ",
                   Words(categories + "(or a tab index 0..12, or the Turkish tab caption)")) +
           "UNIT:     a row number 0..13, a unit caption in any language, or a symbol or\n"
           "          name ('units CATEGORY' lists them).\n"
           "VALUE:    a number and nothing else, '.' the decimal point ('1e-3' too); any\n"
           "          other value or input line is refused (exit status 1), the other\n"
           "          lines of a stream are still converted. With --as-typed, read as the\n"
           "          pages read typed text: text after the number is ignored, no number\n"
           "          reads as 0. Put '--' before a negative value that could look like an\n"
           "          option.\n"
           "L:        " +
           OneOf(kLanguageCodes) +
           " (default en).\n"
           "F:        tsv (default), csv or json (JSON Lines when streaming). A tab, CR, LF\n"
           "          or backslash inside a tsv field is written as \\t, \\r, \\n or \\\\.\n" +
           Wrapped("TOKEN:    ", Words(ReplayTokenHelp())) +
           "\n"
           "Options:\n"
           "  --as-typed read VALUE and input lines as the pages read typed text\n"
           "  --strict   accepted for older scripts; values are read strictly anyway\n"
           "  --header   a first line naming the columns (tsv and csv)\n"
           "  --         end of the options: what follows is taken as it stands\n"
           "  --help     show this help and exit\n"
           "  --version  show the version and exit\n"
           "\n"
           "Exit status: 0 on success, 1 when an input line or a pumpdown value was refused\n"
           "or a read or write failed, 2 for bad usage.\n";
}

int RunCommandLine(int argc, char** argv) {
    if (argc < 2) FailUsage("missing COMMAND (try 'tevrimo-cli --help')");
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h") return Print(Usage());
    if (name == "--version") {
        return Print(std::string(kProgram) + " " TEVRIMO_VERSION "\n" TEVRIMO_LICENCE_NOTICE);
    }
    // --help anywhere before "--" asks for the help, whatever else is there.
    for (int i = 2; i < argc && std::string_view(argv[i]) != "--"; ++i) {
        if (std::string_view(argv[i]) == "--help") return Print(Usage());
    }
    if (const Command* command = FindCommand(name)) {
        const std::span<char* const> args(argv + 2, static_cast<std::size_t>(argc - 2));
        return command->run(Arguments(*command, args));
    }
    // Anything else is a phrase ("5 psi to bar"), which may start with its options; an
    // option no phrase takes is still the unknown command it always was.
    bool phraseOption = false;
    for (const Option& o : kPhraseOptions) {
        phraseOption = phraseOption || name.substr(0, name.find('=')) == o.name;
    }
    if (name.substr(0, 2) == "--" && name != "--" && !phraseOption) {
        FailUsage("unknown command " + Quoted(name) + " (try 'tevrimo-cli --help')");
    }
    const std::span<char* const> args(argv + 1, static_cast<std::size_t>(argc - 1));
    return kPhrase.run(Arguments(kPhrase, args));
}

}  // namespace tevrimo::cli
