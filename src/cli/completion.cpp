// SPDX-License-Identifier: MIT
#include "completion.h"

#include <stdexcept>
#include <string_view>
#include <utility>
#include <vector>

#include "replay_tokens.h"

namespace tevrimo::cli {

namespace {

std::string Joined(const std::vector<std::string>& words, std::string_view separator) {
    std::string out;
    for (const std::string& w : words) {
        if (!out.empty()) out += separator;
        out += w;
    }
    return out;
}

// `words` as the list of a compgen -W, folded into lines of at most 100 columns after
// the first, which starts at column `column`.
std::string WordList(std::span<const std::string_view> words, std::size_t column) {
    constexpr std::size_t kWidth = 100;
    const std::string indent(16, ' ');
    std::string out;
    for (std::string_view w : words) {
        if (!out.empty() && column + 1 + w.size() > kWidth) {
            out += "\n" + indent;
            column = indent.size();
        } else if (!out.empty()) {
            out += ' ';
            ++column;
        }
        out += w;
        column += w.size();
    }
    return out;
}

// The line that offers what `kind` stands for, or nothing when nothing is offered.
std::string Offer(ValueKind kind, std::span<const std::string_view> choices) {
    const std::string head = "            COMPREPLY=($(compgen -W \"";
    switch (kind) {
        case ValueKind::kNumber: return {};
        case ValueKind::kCategory:
            return "            _tevrimo_cli_candidates \"$cur\" < <(\"$program\" categories "
                   "2>/dev/null | cut -f2)\n";
        case ValueKind::kUnit:
            return "            _tevrimo_cli_candidates \"$cur\" < <(_tevrimo_cli_units "
                   "\"$program\" \"$category\")\n";
        case ValueKind::kToken:
            return head + WordList(ReplayTokenSuggestions(), head.size()) + "\" -- \"$cur\"))\n";
        case ValueKind::kChoice:
            return head + WordList(choices, head.size()) + "\" -- \"$cur\"))\n";
    }
    return {};
}

// Case arms: patterns that share one offer, in the order they first appear.
struct Arm {
    std::vector<std::string> patterns;
    std::string offer;
};

void AddArm(std::vector<Arm>& arms, const std::string& pattern, const std::string& offer) {
    for (Arm& arm : arms) {
        if (arm.offer == offer) {
            arm.patterns.push_back(pattern);
            return;
        }
    }
    arms.push_back({{pattern}, offer});
}

// Every option that takes a value, once, checked to mean the same in every command.
std::vector<const Option*> ValueOptions(std::span<const Command> commands) {
    std::vector<const Option*> options;
    for (const Command& c : commands) {
        for (const Option& o : c.options) {
            if (!o.TakesValue()) continue;
            bool seen = false;
            for (const Option* known : options) {
                if (known->name != o.name) continue;
                seen = true;
                if (known->kind != o.kind ||
                    Offer(known->kind, known->choices) != Offer(o.kind, o.choices)) {
                    throw std::logic_error("option " + std::string(o.name) +
                                           " means two things to the completion");
                }
            }
            if (!seen) options.push_back(&o);
        }
    }
    return options;
}

// The completion finds the category of a unit in the first positional word.
void CheckCategoryFirst(const Command& c) {
    bool units = false;
    for (const Positional& p : c.positionals) units = units || p.kind == ValueKind::kUnit;
    for (const Option& o : c.options) units = units || o.kind == ValueKind::kUnit;
    if (units && (c.positionals.empty() || c.positionals[0].kind != ValueKind::kCategory)) {
        throw std::logic_error("command " + std::string(c.name) +
                               " completes units but does not start with a category");
    }
}

}  // namespace

std::string BashCompletion(std::span<const Command> commands) {
    std::vector<std::string> first;
    for (const Command& c : commands) first.emplace_back(c.name);
    for (std::string_view o : kGeneralOptions) first.emplace_back(o);

    const std::vector<const Option*> valueOptions = ValueOptions(commands);
    std::vector<std::string> valueNames;
    std::vector<Arm> valueArms;
    for (const Option* o : valueOptions) {
        valueNames.emplace_back(o->name.substr(2));
        AddArm(valueArms, std::string(o->name), Offer(o->kind, o->choices));
    }

    std::string optionLists;
    std::vector<Arm> wordArms, restArms;
    for (const Command& c : commands) {
        CheckCategoryFirst(c);
        std::vector<std::string> names;
        for (const Option& o : c.options) names.emplace_back(o.name);
        optionLists +=
            "        " + std::string(c.name) + ") options=\"" + Joined(names, " ") + "\" ;;\n";
        bool repeats = false;
        for (const Positional& p : c.positionals) {
            repeats = repeats || p.count == Positional::Count::kAny;
        }
        for (std::size_t i = 0; i < c.positionals.size(); ++i) {
            const Positional& p = c.positionals[i];
            const std::string offer = Offer(p.kind, {});
            if (p.count == Positional::Count::kAny) {
                AddArm(restArms, std::string(c.name) + ":*", offer);
            } else if (!offer.empty() || repeats) {
                // With an argument that repeats after it, even a word with nothing to
                // offer needs its arm, or the repeating one would answer for it.
                AddArm(wordArms, std::string(c.name) + ":" + std::to_string(i), offer);
            }
        }
    }
    for (Arm& arm : restArms) wordArms.push_back(std::move(arm));

    std::string valueCases;
    for (const Arm& arm : valueArms) {
        const std::string patterns = Joined(arm.patterns, " | ");
        if (arm.offer.empty()) {
            valueCases += "        " + patterns + ") return ;;\n";
        } else {
            valueCases +=
                "        " + patterns + ")\n" + arm.offer + "            return\n            ;;\n";
        }
    }
    std::string wordCases;
    for (const Arm& arm : wordArms) {
        wordCases +=
            "        " + Joined(arm.patterns, " | ") + ")\n" + arm.offer + "            ;;\n";
    }

    return R"bash(# SPDX-License-Identifier: MIT
# Bash completion for tevrimo-cli: commands, options, categories, and the units of the
# category already typed. Written from the command table in src/cli/commands.cpp by
# `cmake --build build --target completions`; do not edit it by hand.

_tevrimo_cli_candidates() {  # words, one per line -> COMPREPLY, quoted for the shell
    local cur=$1 word
    COMPREPLY=()
    while IFS= read -r word; do
        [[ -n $word && $word == "$cur"* ]] && COMPREPLY+=("$(printf '%q' "$word")")
    done
}

_tevrimo_cli_units() {  # program, category -> every caption and other name, one per line
    "$1" units "$2" 2>/dev/null | cut -f2,3 | tr '\t,' '\n\n'
}

_tevrimo_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local program=${COMP_WORDS[0]} command=${COMP_WORDS[1]}
    if ((COMP_CWORD == 1)); then
        COMPREPLY=($(compgen -W ")bash" +
           Joined(first, " ") + R"bash(" -- "$cur"))
        return
    fi

    # The positional words typed so far (options and their values left out).
    local -a words=()
    local i word ended=0
    for ((i = 2; i < COMP_CWORD; i++)); do
        word=${COMP_WORDS[i]}
        if ((ended)); then
            words+=("$word")
        elif [[ $word == -- ]]; then
            ended=1
        elif [[ $word == --@()bash" +
           Joined(valueNames, "|") + R"bash() ]]; then
            ((i++))
        elif [[ $word != --* ]]; then
            words+=("$word")
        fi
    done
    local category=${words[0]}

    case $prev in
)bash" + valueCases +
           R"bash(    esac

    local options
    case $command in
)bash" + optionLists +
           R"bash(        *) return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options --help --" -- "$cur"))
        return
    fi
    case $command:${#words[@]} in
)bash" + wordCases +
           R"bash(    esac
}

complete -F _tevrimo_cli tevrimo-cli
)bash";
}

}  // namespace tevrimo::cli
