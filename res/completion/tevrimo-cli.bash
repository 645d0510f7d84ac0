# SPDX-License-Identifier: MIT
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
        COMPREPLY=($(compgen -W "categories units convert replay pumpdown --help --version" -- "$cur"))
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
        elif [[ $word == --@(format|lang|to|capacity|time|volume|pressure) ]]; then
            ((i++))
        elif [[ $word != --* ]]; then
            words+=("$word")
        fi
    done
    local category=${words[0]}

    case $prev in
        --format)
            COMPREPLY=($(compgen -W "tsv csv json" -- "$cur"))
            return
            ;;
        --lang)
            COMPREPLY=($(compgen -W "tr en de fr" -- "$cur"))
            return
            ;;
        --to)
            _tevrimo_cli_candidates "$cur" < <(_tevrimo_cli_units "$program" "$category")
            return
            ;;
        --capacity | --time | --volume | --pressure) return ;;
    esac

    # A phrase ("5 psi to bar"): after its number, the units of every category.
    if [[ $command == ?([-+])[0-9.]* && $cur != -* ]]; then
        _tevrimo_cli_candidates "$cur" < <("$program" units 2>/dev/null | cut -f3-5 | tr '\t,' '\n\n')
        return
    fi

    local options
    case $command in
        categories) options="--format --header" ;;
        units) options="--lang --format --header" ;;
        convert) options="--lang --to --as-typed --strict --format --header" ;;
        replay) options="--lang --captions" ;;
        pumpdown) options="--capacity --time --volume --pressure --lang" ;;
        *) return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options --help --" -- "$cur"))
        return
    fi
    case $command:${#words[@]} in
        units:0 | convert:0 | replay:0)
            _tevrimo_cli_candidates "$cur" < <("$program" categories 2>/dev/null | cut -f2)
            ;;
        convert:1)
            _tevrimo_cli_candidates "$cur" < <(_tevrimo_cli_units "$program" "$category")
            ;;
        replay:*)
            COMPREPLY=($(compgen -W "0 1 2 3 4 5 6 7 8 9 num0 num5 add sub mul div decimal minus
                plus period comma slash backslash enter esc back up down left right home end tab
                shift+tab space del ins pgup pgdn ctrl+c ctrl+v f1 focus:0 button:0 flag:0 flag:1
                flag:2 flag:3 lang:tr lang:en lang:de lang:fr background" -- "$cur"))
            ;;
    esac
}

complete -F _tevrimo_cli tevrimo-cli
