#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# tevrimo-cli as a Unix tool: failed writes and reads, a reader that goes away, answers
# that arrive while the input is still coming, bounded memory on a line without end,
# and the bash completion.
set -u
cli=$1
completion=$2
pass=0 fail=0
ok() { pass=$((pass + 1)); }
bad() { fail=$((fail + 1)); echo "FAILED: $*"; }
# status, stderr line count and stderr of a command line run by bash
probe() { err=$(bash -c "$1" 2>&1 >/dev/null); status=$?; lines=$(printf '%s' "$err" | grep -c .); }

probe "'$cli' convert length foot 1 > /dev/full"
[ $status -eq 1 ] && [ "$lines" -eq 1 ] && [[ $err == *"No space left"* ]] && ok || bad "/dev/full: $status $err"
probe "'$cli' categories >&-"
[ $status -eq 1 ] && [ "$lines" -eq 1 ] && ok || bad "closed stdout: $status $err"
probe "seq 1 2000000 | '$cli' convert length foot --to meter | head -1 >/dev/null; exit \${PIPESTATUS[1]}"
[ $status -eq 141 ] && [ -z "$err" ] && ok || bad "closed pipe: $status $err"
probe "'$cli' convert length foot < /"
[ $status -eq 1 ] && [ "$lines" -eq 1 ] && [[ $err == *"directory"* ]] && ok || bad "directory: $status $err"
probe "'$cli' convert length foot <&-"
[ $status -eq 1 ] && [ "$lines" -eq 1 ] && ok || bad "closed stdin: $status $err"

# Each answer is out before the next value comes.
first=$({ echo 1; sleep 3; echo 2; } | "$cli" convert length foot --to meter |
  { IFS= read -r -t 2 line; echo "$line"; cat >/dev/null; })
[ "$first" = 0.3048 ] && ok || bad "live streaming gave '$first' within 2 s"

# A line without end: one message naming it, an empty line in its place, exit 1, and
# memory bounded by a small multiple of the 1 MiB limit.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
{ echo 1; head -c 50000000 /dev/zero; printf '\n2\n'; } > "$work/endless"
/usr/bin/time -o "$work/rss" -f '%M' "$cli" convert length foot --to meter \
  < "$work/endless" > "$work/out" 2> "$work/err"
status=$?
[ "$(tr '\n' ' ' < "$work/out")" = "0.3048  0.6096 " ] && ok || bad "endless line: $(head -c 100 "$work/out")"
[ $status -eq 1 ] && [ "$(wc -l < "$work/err")" -eq 1 ] && grep -q 'line 2' "$work/err" && ok ||
  bad "endless line: exit $status, $(cat "$work/err")"
[ "${3:-1}" = 0 ] || [ "$(tail -1 "$work/rss")" -lt 8000 ] && ok || bad "endless line took $(tail -1 "$work/rss") kB"

# Completion: commands, categories, the units of the category typed, option values.
complete_words() {
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _tevrimo_cli
           printf "%s\n" "${COMPREPLY[*]}"' _ "$completion" "$cli" "$@"
}
[ "$(complete_words con)" = convert ] && ok || bad "completion of a command"
[ "$(complete_words convert le)" = length ] && ok || bad "completion of a category"
[ "$(complete_words convert length foot --to ya)" = "yard yards" ] && ok || bad "completion of --to"
[ "$(complete_words convert length fe)" = feet ] && ok || bad "completion of a unit"
[ "$(complete_words units length --format j)" = json ] && ok || bad "completion of --format"

echo "cli as a Unix tool: $pass passed, $fail failed"
[ $fail -eq 0 ]
