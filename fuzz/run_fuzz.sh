#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs one fuzz target for a bounded time on a copy of its seed corpus and reports the
# number of executions.
set -eu
target=$1 seeds=$2 seconds=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$seeds"/. "$work/"
"$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 "$work" 2>"$work.log" || {
  tail -40 "$work.log"; rm -f "$work.log"; exit 1; }
runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work.log" | grep -o '[0-9]*$' || echo '?')
rm -f "$work.log"
echo "$(basename "$target"): $runs executions in ${seconds}s, no failure"
