#!/usr/bin/env bash
# Without a display the program says so in one line and exits non-zero, no crash.
program=$1
fail=0
for display in "" ":87"; do
  err=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$program" 2>&1 >/dev/null)
  status=$?
  lines=$(printf '%s\n' "$err" | wc -l)
  if [ $status -eq 0 ] || [ $status -ge 128 ] || [ "$lines" -ne 1 ] || [[ "$err" != tevrimo:* ]]; then
    echo "DISPLAY='$display': exit $status, stderr: $err"; fail=1
  fi
done
[ $fail -eq 0 ] && echo "no display: 2 passed, 0 failed"
exit $fail
