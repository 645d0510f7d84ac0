#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Two builds of tevrimo-cli give the same bytes: every unit of every category as the
# source of a set of values (so every pair), in each format and language, the unit
# lists, a replay and pump-down results.
#   tests/cli_compare_check.sh REFERENCE_CLI OTHER_CLI
set -u
reference=$1
other=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pass=0 fail=0

# Runs both with the same arguments and input ($work/input); compares output and status.
same() {
  "$reference" "$@" < "$work/input" > "$work/a" 2>&1
  local a=$?
  "$other" "$@" < "$work/input" > "$work/b" 2>&1
  local b=$?
  if [ $a -eq $b ] && cmp -s "$work/a" "$work/b"; then
    pass=$((pass + 1))
  else
    fail=$((fail + 1))
    echo "FAILED: $* (status $a and $b)"
    diff "$work/a" "$work/b" | head -5
  fi
}

# Values that reach the formatting's corners: ties at the sixth digit, powers of ten,
# tiny and huge values, signs, INF and NAN, and texts that are no number.
cat > "$work/input" <<'VALUES'
1
0
-0
2.5
0.1
1234565
999999.5
-12.34
1e-300
1.7976931348623157e308
4.9e-324
123456789012
0.000123456
1e21
nan
inf
abc
.5
VALUES
: > "$work/none"
"$reference" categories < "$work/none" | cut -f2 > "$work/categories"
while read -r category; do
  for lang in tr en de fr; do
    same units "$category" --lang "$lang"
  done
  while read -r key; do
    same convert "$category" "$key"
    same convert "$category" "$key" --as-typed --format json
  done < <("$reference" units "$category" < "$work/none" | awk -F'\t' '{print $NF}')
  same convert "$category" 0 --format csv --header --lang de
done < "$work/categories"
same units
same categories --format json
same replay length 1 div 3 enter mul 3 enter
same replay pressure --captions --lang fr 7 . 5 tab 2
same pumpdown --capacity 10m3/h --time 10 --volume 200
same pumpdown --capacity 500 --time 10 --pressure 2000
echo "compared: $pass passed, $fail failed"
[ $fail -eq 0 ]
