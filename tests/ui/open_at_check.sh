#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The real program's --category, --unit and --value: a bad one is refused in one line
# with status 2 before any display is needed; good ones start the program at that tab,
# in the saved language (the profile it saves at the end tells).
set -u
program=$(readlink -f "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pass=0 fail=0
check() {  # description, condition
  if eval "$2"; then pass=$((pass + 1)); else echo "FAILED: $1"; fail=1; fi
}

while IFS='|' read -r args message; do
  eval "set -- $args"
  err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" 2>&1 >/dev/null)
  status=$?
  check "$args: exit 2 with '$message' (exit $status, stderr: $err)" \
    '[ $status -eq 2 ] && [ "$err" = "tevrimo: $message" ]'
done <<'EOF_CASES'
--category|option '--category' needs a value
--category pressure --unit psi --value|option '--value' needs a value
--category nowhere|unknown category 'nowhere'
--category lenght --unit ft|unknown category 'lenght'; did you mean 'length'?
--unit psi|--unit needs --category
--unit psi --value 12|--unit needs --category
--category pressure --value 12|--value needs --unit
--category pressure --unit nowhere|unknown unit 'nowhere' in category 'pressure'
--category pressure --unit psx|unknown unit 'psx' in category 'pressure'; did you mean 'psf' or 'psi'?
--category data --unit 13|row 13 of category 'data' has no unit
--category pressure --unit psi --value 12abc|invalid number '12abc'
--category pressure --unit psi --value 1,5|invalid number '1,5'
--category=pressure --unit=psi --value=|invalid number ''
--category vacuum --unit s --value 5|unit 's' of category 'vacuum' is computed from the others and takes no --value
--category vacuum --unit=min --value=1|unit 'min' of category 'vacuum' is computed from the others and takes no --value
-category pressure|unknown option '-category' (try 'tevrimo --help')
EOF_CASES

# Good options pass the arguments and reach the display check.
err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --category pressure \
  --unit psi --value -5 2>&1 >/dev/null)
check "good options without a display (stderr: $err)" '[[ $err == "tevrimo: cannot open a display"* ]]'
check "--help lists them" '"$program" --help | grep -q -- "--category CATEGORY"'

# Started offscreen and closed as a window manager would (SIGTERM, once the program's
# own handler is in place): the saved tab is the one asked for, the language the saved
# one.
start() {  # profile text, arguments... -> the profile the program saved
  local cfg=$work/cfg pid caught deadline
  rm -rf "$cfg"
  mkdir "$cfg"
  printf '%s' "$1" >"$cfg/tevrimo.INI"
  shift
  XDG_CONFIG_HOME=$cfg QT_QPA_PLATFORM=offscreen "$program" "$@" 2>>"$work/err" &
  pid=$!
  deadline=$((SECONDS + 60))
  while [ $SECONDS -lt $deadline ]; do
    if [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$program" ]; then
      caught=$(awk '/^SigCgt:/ { print $2 }' "/proc/$pid/status" 2>/dev/null)
      [ -z "$caught" ] && break
      (( 0x$caught & (1 << 14) )) && break
    fi
    [ -e "/proc/$pid" ] || break
    sleep 0.01
  done
  kill -TERM "$pid" 2>/dev/null
  wait "$pid"
  saved=$(tr '\n' ' ' <"$cfg/tevrimo.INI")
}
start $'[Settings]\ncurtab=0\ncurlang=2\n' --category pressure --unit psi --value 12
check "opened at the pressure tab in German (saved: $saved)" '[[ $saved == *"curtab=5 curlang=2"* ]]'
start $'[Settings]\ncurtab=3\ncurlang=3\n' --category=Sıcaklık --unit=°F
check "opened at the temperature tab in French (saved: $saved)" '[[ $saved == *"curtab=6 curlang=3"* ]]'
start $'[Settings]\ncurtab=3\ncurlang=1\n'
check "without the options as saved (saved: $saved)" '[[ $saved == *"curtab=3 curlang=1"* ]]'
check "nothing on stderr" '[ ! -s "$work/err" ]'
echo "open at a unit: $pass passed, $fail failed"
exit $fail
