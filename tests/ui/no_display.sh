#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Without a display the program says so in one line and exits non-zero, no crash; its
# --help and --version answer without one, and a bad option is refused in one line.
program=$1
fail=0 pass=0
run() {  # display, arguments... -> status, out, err
  local display=$1
  shift
  err=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$program" "$@" 2>&1 >/dev/null)
  status=$?
  out=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$program" "$@" 2>/dev/null)
  lines=$(printf '%s\n' "$err" | wc -l)
}
expect() {  # description, condition
  if eval "$2"; then pass=$((pass + 1)); else echo "FAILED: $1 (exit $status, stderr: $err)"; fail=1; fi
}
for display in "" ":87"; do
  run "$display"
  expect "DISPLAY='$display'" '[ $status -ne 0 ] && [ $status -lt 128 ] && [ "$lines" -eq 1 ] && [[ $err == tevrimo:* ]]'
done
run "" --help
expect "--help" '[ $status -eq 0 ] && [[ $out == Usage:* ]] && [ -z "$err" ]'
run "" --version
expect "--version" '[ $status -eq 0 ] && [[ $out == "tevrimo "* ]]'
for args in "--frobnicate" "extra" "-style"; do
  run "" $args
  expect "$args" '[ $status -eq 2 ] && [ "$lines" -eq 1 ] && [[ $err == tevrimo:* ]]'
done
echo "no display: $pass passed, $fail failed"
exit $fail
