#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The manual pages read without a remark by mandoc's lint and by man's own formatter:
#   man_check.sh PAGE...   (a page may be gzipped, as installed)
# Exit status 77 (a skip, not a pass) when mandoc or man is not installed.
set -u
missing=""
command -v mandoc >/dev/null || missing="mandoc"
command -v man >/dev/null || missing="$missing man"
if [ -n "$missing" ]; then
  echo "SKIPPED: the manual pages are not checked: no$missing (Debian: mandoc, man-db)"
  exit 77
fi
pass=0 fail=0
for page in "$@"; do
  lint=$(mandoc -Tlint "$page" 2>&1)
  [ -z "$lint" ] && pass=$((pass + 1)) || { fail=$((fail + 1)); echo "FAILED: mandoc -Tlint $page:"; echo "$lint"; }
  warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] && pass=$((pass + 1)) || { fail=$((fail + 1)); echo "FAILED: man --warnings $page:"; echo "$warnings"; }
done
echo "manual pages: $pass passed, $fail failed"
[ $fail -eq 0 ]
