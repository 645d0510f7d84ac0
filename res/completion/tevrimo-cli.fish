# SPDX-License-Identifier: MIT
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
        else if contains -- $token --format --lang --to --capacity --time --volume --pressure
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
complete -c tevrimo-cli -n '__tevrimo_cli_at "" 0' -a categories -d 'list the categories in tab order'
complete -c tevrimo-cli -n '__tevrimo_cli_at "" 0' -a units -d 'list the units of a category: row, caption and the other names it answers to; without CATEGORY, every unit of every category, its key first'
complete -c tevrimo-cli -n '__tevrimo_cli_at "" 0' -a convert -d 'convert VALUE typed in UNIT into every unit of the category; without VALUE, convert each line of standard input, one output line per input line'
complete -c tevrimo-cli -n '__tevrimo_cli_at "" 0' -a replay -d 'play keys and clicks on a fresh page and print its fourteen value boxes'
complete -c tevrimo-cli -n '__tevrimo_cli_at "" 0' -a pumpdown -d 'give three, get the fourth; each a positive number with an optional unit (10m3/h, 30s, 0.2m3, 1e-2Torr), the pressure below 1013.25 mbar'
complete -c tevrimo-cli -n '__tevrimo_cli_at "" 0' -l help
complete -c tevrimo-cli -n '__tevrimo_cli_at "" 0' -l version
complete -c tevrimo-cli -n '__tevrimo_cli_command categories units convert' -l format -x -a 'tsv csv json'
complete -c tevrimo-cli -n '__tevrimo_cli_command categories units convert' -l header
complete -c tevrimo-cli -n '__tevrimo_cli_command units convert replay pumpdown' -l lang -x -a 'tr en de fr'
complete -c tevrimo-cli -n '__tevrimo_cli_command convert' -l to -x -a '(__tevrimo_cli_units)'
complete -c tevrimo-cli -n '__tevrimo_cli_command convert' -l as-typed
complete -c tevrimo-cli -n '__tevrimo_cli_command convert' -l strict
complete -c tevrimo-cli -n '__tevrimo_cli_command replay' -l captions
complete -c tevrimo-cli -n '__tevrimo_cli_command pumpdown' -l capacity -x
complete -c tevrimo-cli -n '__tevrimo_cli_command pumpdown' -l time -x
complete -c tevrimo-cli -n '__tevrimo_cli_command pumpdown' -l volume -x
complete -c tevrimo-cli -n '__tevrimo_cli_command pumpdown' -l pressure -x
complete -c tevrimo-cli -n 'not __tevrimo_cli_at "" 0' -l help
complete -c tevrimo-cli -n '__tevrimo_cli_at units 0' -a '(__tevrimo_cli_categories)'
complete -c tevrimo-cli -n '__tevrimo_cli_at convert 0' -a '(__tevrimo_cli_categories)'
complete -c tevrimo-cli -n '__tevrimo_cli_at convert 1' -a '(__tevrimo_cli_units)'
complete -c tevrimo-cli -n '__tevrimo_cli_at replay 0' -a '(__tevrimo_cli_categories)'
complete -c tevrimo-cli -n '__tevrimo_cli_at replay 1+' -a '0 1 2 3 4 5 6 7 8 9 num0 num5 add sub mul div decimal minus plus period comma slash backslash enter esc back up down left right home end tab shift+tab space del ins pgup pgdn ctrl+c ctrl+v f1 focus:0 button:0 flag:0 flag:1 flag:2 flag:3 lang:tr lang:en lang:de lang:fr background'
