#compdef tevrimo-cli
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
        compadd -- categories units convert replay pumpdown --help --version
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
        elif [[ $word == --(format|lang|to|capacity|time|volume|pressure) ]]; then
            ((i++))
        elif [[ $word != --* ]]; then
            typed+=("$word")
        fi
    done
    local category=${(Q)typed[1]}

    case $prev in
        --format)
            compadd -- tsv csv json
            return
            ;;
        --lang)
            compadd -- tr en de fr
            return
            ;;
        --to)
            compadd -- ${(f)"$(_tevrimo_cli_units "$program" "$category")"}
            return
            ;;
        --capacity | --time | --volume | --pressure) return 1 ;;
    esac

    # A phrase ("5 psi to bar"): after its number, the units of every category.
    if [[ $command == (-|+|)[0-9.]* && $cur != -* ]]; then
        compadd -- ${(f)"$("$program" units 2>/dev/null | cut -f3-5 | tr '\t,' '\n\n')"}
        return
    fi

    local -a options
    case $command in
        categories) options=(--format --header) ;;
        units) options=(--lang --format --header) ;;
        convert) options=(--lang --to --as-typed --strict --format --header) ;;
        replay) options=(--lang --captions) ;;
        pumpdown) options=(--capacity --time --volume --pressure --lang) ;;
        *) return 1 ;;
    esac
    if [[ $cur == -* ]]; then
        compadd -- $options --help --
        return
    fi
    case $command:${#typed} in
        units:0 | convert:0 | replay:0)
            compadd -- ${(f)"$("$program" categories 2>/dev/null | cut -f2)"}
            ;;
        convert:1)
            compadd -- ${(f)"$(_tevrimo_cli_units "$program" "$category")"}
            ;;
        replay:*)
            compadd -- 0 1 2 3 4 5 6 7 8 9 num0 num5 add sub mul div decimal minus plus period \
                comma slash backslash enter esc back up down left right home end tab shift+tab \
                space del ins pgup pgdn ctrl+c ctrl+v f1 focus:0 button:0 flag:0 flag:1 flag:2 \
                flag:3 lang:tr lang:en lang:de lang:fr background
            ;;
        *) return 1 ;;
    esac
}

_tevrimo-cli "$@"
