#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that every tracked C++ file is formatted as clang-format makes it with the
# repository's .clang-format, and names the files that are not. With --fix it
# reformats them instead. Exit status: 0 formatted, 1 files differ, 2 no clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
fix=0
case "${1:-}" in
  "") ;;
  --fix) fix=1 ;;
  *) echo "check-format.sh: unknown option '$1' (use --fix or nothing)" >&2; exit 2 ;;
esac
if ! command -v clang-format >/dev/null; then
  echo "check-format.sh: clang-format not found (scripts/install-deps.sh --format installs it)" >&2
  exit 2
fi
mapfile -d '' files < <(git ls-files -z -- '*.cpp' '*.h')
if [ $fix -eq 1 ]; then
  clang-format -i --style=file "${files[@]}"
  exit 0
fi
# One run over all files; each difference is reported as "FILE:LINE:COLUMN: error: ...".
if report=$(clang-format --style=file --dry-run -Werror "${files[@]}" 2>&1); then
  echo "formatting: ${#files[@]} files as .clang-format asks"
  exit 0
fi
mapfile -t differ < <(grep -oE '^[^:]+:[0-9]+:[0-9]+: error' <<<"$report" | cut -d: -f1 | sort -u)
if [ ${#differ[@]} -eq 0 ]; then
  echo "check-format.sh: clang-format failed:" >&2
  echo "$report" >&2
  exit 2
fi
echo "Not formatted as .clang-format asks ($(clang-format --version | grep -o 'version [0-9.]*')):"
printf '  %s\n' "${differ[@]}"
echo "Run scripts/check-format.sh --fix (or make format) and check the result."
exit 1
