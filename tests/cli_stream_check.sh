#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# tevrimo-cli streaming under bad and large input: one output line per input line, no
# crash, and memory that stays flat over ten million lines.
set -u
cli=$1
max_rss_kb=${2:-20000}  # a sanitized build carries its shadow memory: pass 0 to skip
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pass=0 fail=0
ok() { pass=$((pass + 1)); }
bad() { fail=$((fail + 1)); echo "FAILED: $*"; }

lines_out() { "$cli" convert length foot --to meter < "$1" | wc -l; }

head -c 100000 /dev/urandom > "$work/junk"
expected=$(tr -cd '\n' < "$work/junk" | wc -c)
# A last line without a newline counts too. (Its last byte is looked at as a number: a
# NUL would vanish from a shell string and the line would go uncounted, once in 256 runs.)
[ "$(tail -c1 "$work/junk" | od -An -tx1 | tr -d ' \n')" != 0a ] && expected=$((expected + 1))
[ "$(lines_out "$work/junk")" -eq "$expected" ] && ok || bad "binary junk"

{ head -c 10000000 /dev/zero | tr '\0' '7'; printf '\n2\n'; } > "$work/long"
[ "$("$cli" convert length foot --to meter < "$work/long" 2>/dev/null | tr '\n' ' ')" = " 0.6096 " ] && ok || bad "10 MB line"

# The 1 MiB limit counts a line without its LF or CR-LF. The 65535-byte line before
# puts the CR at the very end of a 64 kB read.
line() { printf 1; head -c $(($1 - 1)) /dev/zero | tr '\0' ' '; printf "$2"; }
mib=1048576
for before in 0 65535; do
  for end in '\n' '\r\n' ''; do
    for size in $mib $((mib + 1)); do
      { [ $before -eq 0 ] || line $((before - 1)) '\n'; line $size "$end"; } > "$work/limit"
      want=0.3048 status_want=0
      [ $size -gt $mib ] && want='' status_want=1
      got=$("$cli" convert length foot --to meter < "$work/limit" 2>/dev/null | tail -1 | tr -d "\n"; echo ":${PIPESTATUS[0]}")
      [ "$got" = "$want:$status_want" ] && ok || bad "line of $size bytes ending '$end' after $before: $got"
    done
  done
done

printf '1\xff\xfe\n\xc3\x28\n\xe2\x82\n' > "$work/utf8"
[ "$(lines_out "$work/utf8")" -eq 3 ] && ok || bad "invalid UTF-8"

printf '1\r\n2\r\n' > "$work/crlf"
[ "$("$cli" convert length foot < "$work/crlf" | cut -f4 | tr '\n' ' ')" = "1 2 " ] && ok || bad "CR-LF kept the CR"

printf '1\n2' > "$work/nofinal"
[ "$(lines_out "$work/nofinal")" -eq 2 ] && ok || bad "no final newline"

: > "$work/empty"
[ "$(lines_out "$work/empty")" -eq 0 ] && ok || bad "empty input"

seq 1 10000000 > "$work/many"
rss=$( { /usr/bin/time -f '%M' "$cli" convert length foot --to meter < "$work/many" > "$work/many.out"; } 2>&1 | tail -1)
[ "$(wc -l < "$work/many.out")" -eq 10000000 ] && ok || bad "ten million lines"
if [ "$max_rss_kb" -gt 0 ]; then
  [ "$rss" -lt "$max_rss_kb" ] && ok || bad "ten million lines peaked at ${rss} kB"
fi

echo "cli streaming: $pass passed, $fail failed"
[ $fail -eq 0 ]
