#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program typed at under real keyboard layouts (us, tr, de, fr) on an X server
# of its own: the keys that type "." and "," are the decimal point in each, "/" and "\"
# too; digits typed with Shift (French) are digits; on the Turkish keyboard the key at
# the US "." place types "ç" and starts again at 0. Each entry is read back by selecting
# the value box (Shift+Home) and copying it (Ctrl+C). Skipped, with the reason, where
# there is no X server, xkb data or the tools that type.
set -u
program=$(readlink -f "$1")
skip() {
  echo "SKIP: $1 (scripts/install-deps.sh installs what this check needs)"
  exit 77
}
for tool in Xvfb setxkbmap xdotool xclip; do
  command -v "$tool" >/dev/null || skip "$tool is missing"
done
[ -f /usr/share/X11/xkb/symbols/tr ] || skip "the xkb layouts are missing"

work=$(mktemp -d)
xvfb=
app=
cleanup() {
  [ -n "$app" ] && kill -TERM "$app" 2>/dev/null && wait "$app" 2>/dev/null
  [ -n "$xvfb" ] && kill -TERM "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# A display of our own, on a number the server picks.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
deadline=$((SECONDS + 60))
until [ -s "$work/display" ]; do
  [ $SECONDS -lt $deadline ] && [ -e "/proc/$xvfb" ] || skip "Xvfb did not start: $(head -c 300 "$work/xvfb.log")"
  sleep 0.05
done
export DISPLAY=:$(tr -d '\n' <"$work/display")
unset WAYLAND_DISPLAY QT_QPA_PLATFORM XDG_ACTIVATION_TOKEN
# Under AddressSanitizer: the X keyboard library hands strndup names that are not
# NUL-terminated, with their length, which is correct; strict string checks would read
# past them.
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
# No session bus: every start below is a window of its own.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus

pass=0 fail=0
check() {  # description, condition
  if eval "$2"; then pass=$((pass + 1)); else echo "FAILED: $1"; fail=1; fi
}

# Waits until the clipboard holds $1; the text it held last is in $clip.
clipboard_becomes() {
  local deadline=$((SECONDS + 30))
  while [ $SECONDS -lt $deadline ]; do
    clip=$(timeout 10 xclip -o -selection clipboard 2>/dev/null)
    [ "$clip" = "$1" ] && return 0
    sleep 0.05
  done
  return 1
}

# layout | what is typed | the entry it makes
cases='
us|1.5|1.5
us|2,5|2.5
us|3/5|3.5
us|4\5|4.5
tr|1.5|1.5
tr|2,5|2.5
tr|3/5|3.5
tr|4ç5|5
de|1.5|1.5
de|2,5|2.5
de|3/5|3.5
de|12.75|12.75
fr|1.5|1.5
fr|2,5|2.5
fr|3/5|3.5
fr|67.89|67.89
'
for layout in us tr de fr; do
  setxkbmap -layout "$layout" || { check "setxkbmap -layout $layout" false; continue; }
  mkdir -p "$work/$layout"
  XDG_CONFIG_HOME=$work/$layout "$program" --category length --unit m 2>>"$work/err" &
  app=$!
  window=$(timeout 60 xdotool search --sync --onlyvisible --pid "$app" 2>/dev/null | head -n 1)
  if [ -z "$window" ]; then
    check "$layout: the window appears" false
  else
    timeout 30 xdotool windowfocus --sync "$window"
    while IFS='|' read -r l typed entry; do
      [ "$l" = "$layout" ] || continue
      xdotool key Escape
      if [[ $typed == *ç* ]]; then  # by its key's own name: no character set in the way
        xdotool type --delay 30 "${typed%%ç*}"
        xdotool key ccedilla
        xdotool type --delay 30 "${typed#*ç}"
      else
        xdotool type --delay 30 "$typed"
      fi
      xdotool key shift+Home ctrl+c
      clipboard_becomes "$entry"
      check "$layout: '$typed' gives the entry '$entry' (clipboard: '$clip')" '[ "$clip" = "$entry" ]'
    done <<<"$cases"
  fi
  kill -TERM "$app" 2>/dev/null
  wait "$app"
  app=
done
check "nothing on stderr: $(head -c 500 "$work/err")" '[ ! -s "$work/err" ]'
echo "keyboard layouts: $pass passed, $fail failed"
exit $fail
