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

// `words` as one list of words, folded into lines of at most 100 columns after the
// first, which starts at column `column`; each line that goes on ends with `more`.
std::string WordList(std::span<const std::string_view> words, std::size_t column,
                     std::string_view more = "") {
    constexpr std::size_t kWidth = 100;
    const std::string indent(16, ' ');
    std::string out;
    for (std::string_view w : words) {
        if (!out.empty() && column + 1 + w.size() + more.size() > kWidth) {
            out.append(more).append("\n").append(indent);
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

// The words a completion offers for `kind` where they are fixed (tokens, choices).
std::span<const std::string_view> FixedWords(ValueKind kind,
                                             std::span<const std::string_view> choices) {
    return kind == ValueKind::kToken ? ReplayTokenSuggestions() : choices;
}

// The bash lines that offer what `kind` stands for, or nothing when nothing is offered.
std::string BashOffer(ValueKind kind, std::span<const std::string_view> choices) {
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
        case ValueKind::kChoice:
            return head + WordList(FixedWords(kind, choices), head.size()) + "\" -- \"$cur\"))\n";
    }
    return {};
}

// The same for zsh, whose compadd leaves out what does not match the word typed.
std::string ZshOffer(ValueKind kind, std::span<const std::string_view> choices) {
    const std::string head = "            compadd -- ";
    switch (kind) {
        case ValueKind::kNumber: return {};
        case ValueKind::kCategory:
            return head + "${(f)\"$(\"$program\" categories 2>/dev/null | cut -f2)\"}\n";
        case ValueKind::kUnit:
            return head + "${(f)\"$(_tevrimo_cli_units \"$program\" \"$category\")\"}\n";
        case ValueKind::kToken:
        case ValueKind::kChoice:
            return head + WordList(FixedWords(kind, choices), head.size(), " \\") + "\n";
    }
    return {};
}

// The same for fish: the argument of complete's -a.
std::string FishOffer(ValueKind kind, std::span<const std::string_view> choices) {
    switch (kind) {
        case ValueKind::kNumber: return {};
        case ValueKind::kCategory: return "(__tevrimo_cli_categories)";
        case ValueKind::kUnit: return "(__tevrimo_cli_units)";
        case ValueKind::kToken:
        case ValueKind::kChoice: {
            std::string out;
            for (std::string_view w : FixedWords(kind, choices)) {
                if (!out.empty()) out += ' ';
                out += w;
            }
            return out;
        }
    }
    return {};
}

using OfferFunction = std::string (*)(ValueKind kind, std::span<const std::string_view> choices);

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
                    FishOffer(known->kind, known->choices) != FishOffer(o.kind, o.choices)) {
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

// What the bash and zsh scripts are made of: the same case statements, each arm's lines
// in the shell's own words.
struct ScriptParts {
    std::string first;                     // the commands and general options
    std::string valueNames;                // "format|lang|...": the options that take a value
    std::string valueCases;                // arms on the word before the cursor
    std::vector<std::string> optionLists;  // per command: "NAME) options..."
    std::string wordCases;                 // arms on "command:positional words typed"
};

ScriptParts Parts(std::span<const Command> commands, OfferFunction offer, const char* noOffer) {
    ScriptParts parts;
    std::vector<std::string> first;
    for (const Command& c : commands) first.emplace_back(c.name);
    for (std::string_view o : kGeneralOptions) first.emplace_back(o);
    parts.first = Joined(first, " ");

    std::vector<std::string> valueNames;
    std::vector<Arm> valueArms;
    for (const Option* o : ValueOptions(commands)) {
        valueNames.emplace_back(o->name.substr(2));
        AddArm(valueArms, std::string(o->name), offer(o->kind, o->choices));
    }
    parts.valueNames = Joined(valueNames, "|");

    std::vector<Arm> wordArms, restArms;
    for (const Command& c : commands) {
        CheckCategoryFirst(c);
        std::vector<std::string> names;
        for (const Option& o : c.options) names.emplace_back(o.name);
        parts.optionLists.push_back(Joined(names, " "));
        bool repeats = false;
        for (const Positional& p : c.positionals) {
            repeats = repeats || p.count == Positional::Count::kAny;
        }
        for (std::size_t i = 0; i < c.positionals.size(); ++i) {
            const Positional& p = c.positionals[i];
            const std::string lines = offer(p.kind, {});
            if (p.count == Positional::Count::kAny) {
                AddArm(restArms, std::string(c.name) + ":*", lines);
            } else if (!lines.empty() || repeats) {
                // With an argument that repeats after it, even a word with nothing to
                // offer needs its arm, or the repeating one would answer for it.
                AddArm(wordArms, std::string(c.name) + ":" + std::to_string(i), lines);
            }
        }
    }
    for (Arm& arm : restArms) wordArms.push_back(std::move(arm));

    for (const Arm& arm : valueArms) {
        const std::string patterns = Joined(arm.patterns, " | ");
        if (arm.offer.empty()) {
            parts.valueCases += "        " + patterns + ") " + noOffer + " ;;\n";
        } else {
            parts.valueCases +=
                "        " + patterns + ")\n" + arm.offer + "            return\n            ;;\n";
        }
    }
    for (const Arm& arm : wordArms) {
        parts.wordCases +=
            "        " + Joined(arm.patterns, " | ") + ")\n" + arm.offer + "            ;;\n";
    }
    return parts;
}

// `text` in single quotes for fish.
std::string FishQuoted(std::string_view text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'' || c == '\\') out += '\\';
        out += c;
    }
    return out + "'";
}

// A command's help on one line.
std::string OneLine(std::string_view help) {
    std::string out(help);
    for (char& c : out) {
        if (c == '\n') c = ' ';
    }
    return out;
}

}  // namespace

std::string BashCompletion(std::span<const Command> commands) {
    const ScriptParts parts = Parts(commands, BashOffer, "return");
    std::string optionLists;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        optionLists += "        " + std::string(commands[i].name) + ") options=\"" +
                       parts.optionLists[i] + "\" ;;\n";
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

_tevrimo_cli_units() {  # program, category -> every caption, other name and key, one per line
    "$1" units "$2" 2>/dev/null | cut -f2-4 | tr '\t,' '\n\n'
}

_tevrimo_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD - 1]}
    local program=${COMP_WORDS[0]} command=${COMP_WORDS[1]}
    if ((COMP_CWORD == 1)); then
        COMPREPLY=($(compgen -W ")bash" +
           parts.first + R"bash(" -- "$cur"))
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
           parts.valueNames + R"bash() ]]; then
            ((i++))
        elif [[ $word != --* ]]; then
            words+=("$word")
        fi
    done
    local category=${words[0]}

    case $prev in
)bash" + parts.valueCases +
           R"bash(    esac

    # A phrase ("5 psi to bar"): after its number, the units of every category.
    if [[ $command == ?([-+])[0-9.]* && $cur != -* ]]; then
        _tevrimo_cli_candidates "$cur" < <("$program" units 2>/dev/null | cut -f3-5 | tr '\t,' '\n\n')
        return
    fi

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
)bash" + parts.wordCases +
           R"bash(    esac
}

complete -F _tevrimo_cli tevrimo-cli
)bash";
}

std::string ZshCompletion(std::span<const Command> commands) {
    const ScriptParts parts = Parts(commands, ZshOffer, "return 1");
    std::string optionLists;
    for (std::size_t i = 0; i < commands.size(); ++i) {
        optionLists += "        " + std::string(commands[i].name) + ") options=(" +
                       parts.optionLists[i] + ") ;;\n";
    }
    return R"zsh(#compdef tevrimo-cli
# SPDX-License-Identifier: MIT
# Zsh completion for tevrimo-cli: commands, options, categories, and the units of the
# category already typed. Written from the command table in src/cli/commands.cpp by
# `cmake --build build --target completions`; do not edit it by hand.

_tevrimo_cli_units() {  # program, category -> every caption, other name and key, one per line
    "$1" units "$2" 2>/dev/null | cut -f2-4 | tr '\t,' '\n\n'
}

_tevrimo-cli() {
    local program=${(Q)words[1]} command=${words[2]}
    local cur=${words[CURRENT]} prev=${words[CURRENT - 1]}
    if ((CURRENT == 2)); then
        compadd -- )zsh" +
           parts.first + R"zsh(
        return
    fi

    # The positional words typed so far (options and their values left out).
    local -a typed
    local i word ended=0
    for ((i = 3; i < CURRENT; i++)); do
        word=${words[i]}
        if ((ended)); then
            typed+=("$word")
        elif [[ $word == -- ]]; then
            ended=1
        elif [[ $word == --()zsh" +
           parts.valueNames + R"zsh() ]]; then
            ((i++))
        elif [[ $word != --* ]]; then
            typed+=("$word")
        fi
    done
    local category=${(Q)typed[1]}

    case $prev in
)zsh" + parts.valueCases +
           R"zsh(    esac

    # A phrase ("5 psi to bar"): after its number, the units of every category.
    if [[ $command == (-|+|)[0-9.]* && $cur != -* ]]; then
        compadd -- ${(f)"$("$program" units 2>/dev/null | cut -f3-5 | tr '\t,' '\n\n')"}
        return
    fi

    local -a options
    case $command in
)zsh" + optionLists +
           R"zsh(        *) return 1 ;;
    esac
    if [[ $cur == -* ]]; then
        compadd -- $options --help --
        return
    fi
    case $command:${#typed} in
)zsh" + parts.wordCases +
           R"zsh(        *) return 1 ;;
    esac
}

_tevrimo-cli "$@"
)zsh";
}

std::string FishCompletion(std::span<const Command> commands) {
    const ScriptParts parts = Parts(commands, FishOffer, "");
    std::string lines;
    const std::string head = "complete -c tevrimo-cli ";
    for (const Command& c : commands) {
        lines += head + "-n '__tevrimo_cli_at \"\" 0' -a " + std::string(c.name) + " -d " +
                 FishQuoted(OneLine(c.help)) + "\n";
    }
    for (std::string_view o : kGeneralOptions) {
        lines += head + "-n '__tevrimo_cli_at \"\" 0' -l " + std::string(o.substr(2)) + "\n";
    }
    // The options of each command, with what their values may be; a name that several
    // commands share, once for all of them.
    std::vector<std::string> done;
    for (const Command& c : commands) {
        for (const Option& o : c.options) {
            const std::string name(o.name);
            bool seen = false;
            for (const std::string& d : done) seen = seen || d == name;
            if (seen) continue;
            done.push_back(name);
            std::vector<std::string> users;
            for (const Command& other : commands) {
                for (const Option& p : other.options) {
                    if (p.name == o.name) users.emplace_back(other.name);
                }
            }
            lines +=
                head + "-n '__tevrimo_cli_command " + Joined(users, " ") + "' -l " + name.substr(2);
            if (o.TakesValue()) {
                lines += " -x";
                const std::string offer = FishOffer(o.kind, o.choices);
                if (!offer.empty()) lines += " -a " + FishQuoted(offer);
            }
            lines += "\n";
        }
    }
    lines += head + "-n 'not __tevrimo_cli_at \"\" 0' -l help\n";
    // The positional words: each where it is typed, one that repeats from its place on.
    for (const Command& c : commands) {
        for (std::size_t i = 0; i < c.positionals.size(); ++i) {
            const Positional& p = c.positionals[i];
            const std::string offer = FishOffer(p.kind, {});
            if (offer.empty()) continue;
            const std::string place =
                std::to_string(i) + (p.count == Positional::Count::kAny ? "+" : "");
            lines += head + "-n '__tevrimo_cli_at " + std::string(c.name) + " " + place + "' -a " +
                     FishQuoted(offer) + "\n";
        }
    }
    return R"fish(# SPDX-License-Identifier: MIT
# Fish completion for tevrimo-cli: commands, options, categories, and the units of the
# category already typed. Written from the command table in src/cli/commands.cpp by
# `cmake --build build --target completions`; do not edit it by hand.

# The command and the positional words typed before the cursor, one per line (options
# and their values left out).
function __tevrimo_cli_words
    set -l skip 0
    set -l ended 0
    for token in (commandline -opc)[2..-1]
        if test $skip -eq 1
            set skip 0
        else if test $ended -eq 1
            printf '%s\n' $token
        else if test "$token" = --
            set ended 1
        else if contains -- $token )fish" +
           [&] {
               std::string names;
               for (const Option* o : ValueOptions(commands)) {
                   if (!names.empty()) names += ' ';
                   names += o->name;
               }
               return names;
           }() +
           R"fish(
            set skip 1
        else if not string match -q -- '--*' $token
            printf '%s\n' $token
        end
    end
end

# Whether the command is $argv[1] ("" for none yet) with $argv[2] words after it ("N+":
# at least N).
function __tevrimo_cli_at
    set -l words (__tevrimo_cli_words)
    test "$words[1]" = "$argv[1]"; or return 1
    set -l after (math (count $words) - 1)
    test "$argv[1]" = ""; and set after 0
    if string match -q -- '*+' $argv[2]
        test $after -ge (string trim -r -c + -- $argv[2])
    else
        test $after -eq $argv[2]
    end
end

# Whether the command is one of $argv.
function __tevrimo_cli_command
    set -l words (__tevrimo_cli_words)
    test (count $words) -gt 0; and contains -- $words[1] $argv
end

function __tevrimo_cli_categories
    set -l program (commandline -opc)[1]
    $program categories 2>/dev/null | cut -f2
end

# Every caption, other name and key of the units of the category typed.
function __tevrimo_cli_units
    set -l program (commandline -opc)[1]
    set -l words (__tevrimo_cli_words)
    test (count $words) -ge 2; or return
    $program units $words[2] 2>/dev/null | cut -f2-4 | tr '\t,' '\n\n'
end

# Whether the first word is a number: a phrase ("5 psi to bar").
function __tevrimo_cli_phrase
    set -l words (__tevrimo_cli_words)
    test (count $words) -gt 0; and string match -qr -- '^[-+]?[0-9.]' $words[1]
end

# Every caption, other name and key of every unit, for a phrase.
function __tevrimo_cli_all_units
    set -l program (commandline -opc)[1]
    $program units 2>/dev/null | cut -f3-5 | tr '\t,' '\n\n'
end

complete -c tevrimo-cli -f
complete -c tevrimo-cli -n __tevrimo_cli_phrase -a '(__tevrimo_cli_all_units)'
)fish" + lines;
}

}  // namespace tevrimo::cli
