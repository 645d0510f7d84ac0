#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The completion script of one shell, loaded and asked as that shell asks it:
#   completion_check.sh bash|zsh|fish PROGRAM SCRIPT
# SCRIPT is res/completion/tevrimo-cli.SHELL or the file an installation holds. It must
# load without a word on standard error and offer, for each line typed, the words of the
# table below. Exit status 77 when the shell is not installed (a skip, not a pass).
set -u
shell=$1
program=$(readlink -f "$2")
script=$(readlink -f "$3")

# The line typed, then what the completion offers for its last word (sorted, no
# duplicates). The program answers for the categories and the units.
cases=(
  "tevrimo-cli con|convert"
  "tevrimo-cli --v|--version"
  "tevrimo-cli convert le|length"
  "tevrimo-cli replay le|length"
  "tevrimo-cli convert length fe|feet"
  "tevrimo-cli convert length foot --to ya|yard yards"
  "tevrimo-cli convert pressure inH|inH2O inHg"
  "tevrimo-cli convert pressure mmH|mmH2O mmHg"
  "tevrimo-cli units length --format j|json"
  "tevrimo-cli convert length foot 1 --lang f|fr"
  "tevrimo-cli pumpdown --capacity 5 --la|--lang"
  "tevrimo-cli convert length foot --st|--strict"
  "tevrimo-cli replay length --lang de 5 foc|focus:0"
  "tevrimo-cli 5 thou|thou thous"
  "tevrimo-cli 100 f to rank|rankine"
)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The scripts call the program by the name typed: "tevrimo-cli", found on PATH.
mkdir "$work/bin"
ln -s "$program" "$work/bin/tevrimo-cli"
export PATH="$work/bin:$PATH"

if ! command -v "$shell" >/dev/null; then
  echo "SKIPPED: $shell is not installed, its completion is not checked"
  exit 77
fi

lines=()
for c in "${cases[@]}"; do lines+=("${c%%|*}"); done

# What the shell offers for each line, one line of words per line typed.
case $shell in
  bash)
    load=$(bash --norc -c 'source "$1" && complete -p tevrimo-cli >/dev/null' _ "$script" 2>&1)
    for line in "${lines[@]}"; do
      # shellcheck disable=SC2086
      bash --norc -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _tevrimo_cli
                      printf "%s\n" "${COMPREPLY[*]}"' _ "$script" $line 2>/dev/null
    done > "$work/offered"
    ;;
  zsh)
    # Loaded as zsh loads a completion: from fpath, by compinit.
    mkdir "$work/fpath"
    cp "$script" "$work/fpath/_tevrimo-cli"
    load=$(zsh -f -c 'fpath=("$1" $fpath); autoload -Uz compinit && compinit -u -D &&
                      [[ $_comps[tevrimo-cli] == _tevrimo-cli ]] && autoload +X _tevrimo-cli' _ "$work/fpath" 2>&1) ||
      load="not registered by compinit: $load"
    # Completion needs a terminal: an interactive zsh on a pseudo-terminal gets each line
    # and a Tab; compadd is wrapped to note the words that match before it adds them.
    # Each line is typed once the line editor has said it is ready for it (<R1>, <R2>,
    # ... from zle-line-init); the line is then emptied with a key the terminal itself
    # leaves alone (^X k, not ^U).
    : > "$work/offered"
    zsh -f -s -- "$work/fpath" "$work/offered" "${lines[@]}" <<'ZSH' > "$work/zsh.log" 2>&1
zmodload zsh/zpty || exit 3
dir=$1 out=$2
shift 2
zpty z zsh -f -i
zpty -w z "PS1='> '; fpath=(${(q)dir} \$fpath); autoload -Uz compinit; compinit -u -D"
zpty -w z "compadd() { local -a m; builtin compadd -O m \"\$@\"; print -rn -- \"\${m[*]} \" >> ${(q)out}; builtin compadd \"\$@\"; }"
zpty -w z "bindkey '^Xk' kill-whole-line; zle-line-init() { print -rn -- \"<R\$((++ready))>\" }; zle -N zle-line-init"
n=0
for line in "$@"; do
  n=$((n + 1))
  zpty -r z got "*<R$n>*" || exit 4
  zpty -w -n z "$line"$'\t\C-e\C-xk'
  zpty -w z "print -r -- >> ${(q)out}"
done
zpty -r z got "*<R$((n + 1))>*" || exit 5
zpty -d z
ZSH
    status=$?
    [ $status -eq 0 ] || { echo "FAILED: driving zsh (status $status)"; cat "$work/zsh.log"; exit 1; }
    ;;
  fish)
    load=$(fish --no-config -c 'source $argv[1]' "$script" 2>&1)
    for line in "${lines[@]}"; do
      fish --no-config -c 'source $argv[1]; complete -C $argv[2]' "$script" "$line" 2>/dev/null |
        cut -f1 | tr '\n' ' '
      echo
    done > "$work/offered"
    ;;
  *)
    echo "usage: completion_check.sh bash|zsh|fish PROGRAM SCRIPT" >&2
    exit 2
    ;;
esac

pass=0 fail=0
if [ -z "$load" ]; then pass=$((pass + 1)); else fail=$((fail + 1)); echo "FAILED: $shell loads the script: $load"; fi
i=0
while IFS= read -r offered; do
  c=${cases[$i]}
  got=$(printf '%s\n' $offered | sort -u | tr '\n' ' ')
  want=$(printf '%s\n' ${c#*|} | sort -u | tr '\n' ' ')
  if [ "$got" = "$want" ]; then
    pass=$((pass + 1))
  else
    fail=$((fail + 1))
    echo "FAILED: $shell, '${c%%|*}': offered '$got', expected '$want'"
  fi
  i=$((i + 1))
done < "$work/offered"
[ $i -eq ${#cases[@]} ] || { fail=$((fail + 1)); echo "FAILED: $shell answered $i of ${#cases[@]} lines"; }
echo "$shell completion: $pass passed, $fail failed"
[ $fail -eq 0 ]
