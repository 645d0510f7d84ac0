// SPDX-License-Identifier: MIT
#include "command_line.h"

#include <stdexcept>

#include "categories.h"
#include "failure.h"
#include "output.h"
#include "replay_tokens.h"
#include "unit_names.h"
#include "user_text.h"

namespace tevrimo::cli {

Arguments::Arguments(const Command& command, std::span<char* const> args)
    : m_command(command), m_values(command.options.size()) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (optionsEnded || arg.size() < 3 || arg.substr(0, 2) != "--" ||
            (arg[2] >= '0' && arg[2] <= '9') || arg[2] == '.') {
            m_words.push_back(arg);
            continue;
        }
        std::string_view name = arg;
        std::optional<std::string_view> inlineValue;
        if (const auto eq = arg.find('='); eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }
        std::size_t option = 0;
        while (option < command.options.size() && command.options[option].name != name) ++option;
        if (option == command.options.size()) FailUsage("unknown option " + Quoted(name));
        if (!command.options[option].TakesValue()) {
            if (inlineValue) FailUsage("option " + Quoted(name) + " takes no value");
            m_values[option] = std::string_view();
        } else if (inlineValue) {
            m_values[option] = inlineValue;
        } else if (i + 1 < args.size()) {
            m_values[option] = std::string_view(args[++i]);
        } else {
            FailUsage("option " + Quoted(name) + " needs a value");
        }
    }
}

std::string_view Arguments::Required(std::size_t index) const {
    if (index >= m_words.size()) {
        FailUsage("missing " + std::string(m_command.positionals[index].name));
    }
    return m_words[index];
}

void Arguments::NoMoreWords() const {
    const std::size_t count = m_command.positionals.size();
    if (m_words.size() > count) FailUsage("unexpected argument " + Quoted(m_words[count]));
}

std::optional<std::string_view> Arguments::Value(std::string_view name) const {
    return m_values[OptionIndex(name, true)];
}

bool Arguments::Flag(std::string_view name) const {
    return m_values[OptionIndex(name, false)].has_value();
}

std::size_t Arguments::OptionIndex(std::string_view name, bool takesValue) const {
    for (std::size_t i = 0; i < m_command.options.size(); ++i) {
        const Option& option = m_command.options[i];
        if (option.name == name && option.TakesValue() == takesValue) return i;
    }
    throw std::logic_error("command " + std::string(m_command.name) + " declares no " +
                           (takesValue ? "option " : "flag ") + std::string(name));
}

std::string DidYouMean(const std::vector<std::string>& names) {
    if (names.empty()) return {};
    std::string out = "; did you mean ";
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) out += i + 1 == names.size() ? " or " : ", ";
        out += Quoted(names[i]);
    }
    return out + "?";
}

std::string OneOf(std::span<const std::string_view> names) {
    std::string out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) out += i + 1 == names.size() ? " or " : ", ";
        out += names[i];
    }
    return out;
}

const CategoryTable& RequireCategory(std::string_view name) {
    const CategoryTable* table = FindCategory(name);
    if (!table) {
        FailUsage("unknown category " + Quoted(name) + DidYouMean(SuggestCategories(name)));
    }
    return *table;
}

int RequireUnit(const CategoryTable& table, std::string_view name, int language) {
    const int row = FindUnit(table, name, language);
    if (row < 0) {
        FailUsage("unknown unit " + Quoted(name) + " in category " + Quoted(table.key) +
                  DidYouMean(SuggestUnits(table, name, language)));
    }
    if (!table.IsUnitRow(row)) {
        FailUsage("row " + std::to_string(row) + " of category " + Quoted(table.key) +
                  " has no unit");
    }
    return row;
}

int RequireLanguage(const std::optional<std::string_view>& code) {
    if (!code) return kEnglish;
    const auto language = ParseLanguage(*code, false);
    if (!language) {
        FailUsage("unknown language " + Quoted(*code) + " (use " + OneOf(kLanguageCodes) + ")");
    }
    return *language;
}

Format RequireFormat(const std::optional<std::string_view>& name) {
    if (!name) return Format::kTsv;
    const auto format = ParseFormat(*name);
    if (!format) {
        FailUsage("unknown format " + Quoted(*name) + " (use " + OneOf(kFormatNames) + ")");
    }
    return *format;
}

int Print(std::string_view text) {
    Output out;
    out.Write(text);
    out.Flush();
    return 0;
}

}  // namespace tevrimo::cli
