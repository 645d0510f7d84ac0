#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# One window per session, on a private session bus: a second start hands its arguments
# to the running window and ends at once with 0, with no window and no profile of its
# own; the window that stays shows the tab asked for and saves the profile at its end.
# Without a session bus a second start is a window of its own, as before. Skipped, with
# the reason, where dbus-run-session or gdbus is missing.
set -u
program=$(readlink -f "$1")
if [ -z "${TEVRIMO_PRIVATE_BUS:-}" ]; then
  for tool in dbus-run-session gdbus; do
    command -v "$tool" >/dev/null ||
      { echo "SKIP: $tool is missing (scripts/install-deps.sh installs it)"; exit 77; }
  done
  exec env TEVRIMO_PRIVATE_BUS=1 dbus-run-session -- "$0" "$@"
fi
work=$(mktemp -d)
first=
cleanup() {
  [ -n "$first" ] && kill -TERM "$first" 2>/dev/null && wait "$first" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
export QT_QPA_PLATFORM=offscreen
unset XDG_ACTIVATION_TOKEN DESKTOP_STARTUP_ID
pass=0 fail=0
check() {  # description, condition
  if eval "$2"; then pass=$((pass + 1)); else echo "FAILED: $1"; fail=1; fi
}

# Waits until the program $1 has its handler of SIGTERM in place, which it installs
# before it builds its window (a TERM then closes the window once it is up, and saves).
window_up() {
  local caught deadline=$((SECONDS + 60))
  while [ $SECONDS -lt $deadline ] && [ -e "/proc/$1" ]; do
    caught=$(awk '/^SigCgt:/ { print $2 }' "/proc/$1/status" 2>/dev/null)
    [ -n "$caught" ] && (( 0x$caught & (1 << 14) )) && return 0
    sleep 0.02
  done
  return 1
}
owned() {
  gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
    --method org.freedesktop.DBus.NameHasOwner example.tevrimo.converter 2>/dev/null
}
# A second start with its own, empty configuration folder; its status, output and what
# it left in the folder.
second() {
  rm -rf "$work/second"
  mkdir "$work/second"
  out=$(XDG_CONFIG_HOME=$work/second timeout 60 "$program" "$@" 2>&1)
  status=$?
  left=$(ls -A "$work/second")
}

mkdir "$work/first"
printf '[Settings]\ncurtab=0\ncurlang=2\n' >"$work/first/tevrimo.INI"
XDG_CONFIG_HOME=$work/first "$program" 2>"$work/err" &
first=$!
window_up "$first"
check "the first start is up and owns the name ($(owned))" '[ "$(owned)" = "(true,)" ]'

second --category pressure --unit psi --value 12
check "a second start hands over and ends with 0 (status $status: $out)" \
  '[ $status -eq 0 ] && [ -z "$out" ]'
check "the second start wrote no profile ($left)" '[ -z "$left" ]'
second
check "a plain second start hands over too (status $status: $out)" \
  '[ $status -eq 0 ] && [ -z "$out" ] && [ -z "$left" ]'
second --category pressure --unit nowhere
check "bad arguments are refused as before (status $status: $out)" \
  '[ $status -eq 2 ] && [ "$out" = "tevrimo: unknown unit '"'nowhere'"' in category '"'pressure'"'" ]'
check "the first window still runs" '[ -e /proc/$first ]'

# The window that stays was moved to the pressure tab and saves that, in its language.
kill -TERM "$first"
wait "$first"
status=$?
first=
saved=$(tr '\n' ' ' <"$work/first/tevrimo.INI")
check "the first window ends with 0 and saves the tab asked for (status $status, saved: $saved)" \
  '[ $status -eq 0 ] && [[ $saved == *"curtab=5 curlang=2"* ]]'
check "the name is free again ($(owned))" '[ "$(owned)" = "(false,)" ]'

# No session bus: a window of its own, which saves its own profile.
mkdir "$work/alone"
DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus XDG_CONFIG_HOME=$work/alone \
  "$program" --category length 2>>"$work/err" &
alone=$!
window_up "$alone"
kill -TERM "$alone"
wait "$alone"
status=$?
saved=$(tr '\n' ' ' <"$work/alone/tevrimo.INI" 2>/dev/null)
check "without a bus a start opens its own window (status $status, saved: $saved)" \
  '[ $status -eq 0 ] && [[ $saved == *"curtab=0"* ]]'
# The offscreen platform has no window stacking to raise a window in.
grep -v "^This plugin does not support raise()$" "$work/err" >"$work/err.rest"
check "nothing on stderr: $(head -c 500 "$work/err.rest")" '[ ! -s "$work/err.rest" ]'
echo "one window: $pass passed, $fail failed"
exit $fail
