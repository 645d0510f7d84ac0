#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# tevrimo-search as the desktops meet it: installed into a temporary prefix, started by
# the bus on a private session bus that knows only that prefix, and asked over both
# interfaces with gdbus. The desktop program and the clipboard tools are stand-ins that
# note how they were started.
set -u
N=example.tevrimo.converter.SearchProvider
O=/example/tevrimo/converter/SearchProvider
pass=0 fail=0
check() {  # description, condition
  if eval "$2"; then pass=$((pass + 1)); else echo "FAILED: $1"; fail=$((fail + 1)); fi
}
wait_for() {  # condition: true as soon as it holds, false after 30 s
  local i
  for ((i = 0; i < 600; i++)); do
    eval "$1" && return 0
    sleep 0.05
  done
  return 1
}

if [ "${1:-}" = --inside ]; then
  work=$2 manager=$3
  G=org.gnome.Shell.SearchProvider2 K=org.kde.krunner1
  # gdbus writes what the locale can show: a UTF-8 one for the captions.
  call() { LC_ALL=C.UTF-8 gdbus call -e -d $N -o $O -m "$@" 2>&1; }
  bus() { gdbus call -e -d org.freedesktop.DBus -o /org/freedesktop/DBus -m "org.freedesktop.DBus.$1" "$2"; }
  owned() { bus NameHasOwner "$1" | grep -q true; }
  expect_call() {  # expected part of the answer, method, arguments...
    local want=$1
    shift
    out=$(call "$@")
    check "$* gives $want (got: $out)" '[[ $out == *"$want"* ]]'
  }
  opened() { [ -f "$work/opened" ] && wc -l <"$work/opened" || echo 0; }
  expect_open() {  # expected command line, method, arguments...: one start of the program
    local want=$1 before
    shift
    before=$(opened)
    call "$@" >/dev/null
    wait_for '[ "$(opened)" -gt "$before" ]'
    got=$(sed -n "$((before + 1))p" "$work/opened")
    check "$* starts '$want' (got: '$got')" '[ "$got" = "$want" ]'
  }
  children() {  # the processes whose parent is $1
    local s
    for s in /proc/[0-9]*/stat; do
      awk -v p="$1" '{ sub(/.*\) /, ""); if ($2 == p) print FILENAME }' "$s" 2>/dev/null
    done
  }

  check "not running before it is asked" '! owned $N'
  expect_call "(['v:pressure:psi:12:bar', 'v:pressure:psi:12:kPa', 'o:pressure:psi:12'],)" \
    $G.GetInitialResultSet "['12', 'psi']"
  check "started by the bus" 'owned $N'
  pid=$(bus GetConnectionUnixProcessID $N | tr -dc 0-9)
  expect_call "(['v:length:ft:5:in'],)" $G.GetSubsearchResultSet "['x']" "['5', 'Fuß', 'in', 'Zoll']"
  expect_call "(@as [],)" $G.GetInitialResultSet "['12']"
  expect_call "(@as [],)" $G.GetInitialResultSet "['12', 'firefox']"
  expect_call "([{'id': <'v:pressure:psi:12:bar'>, 'name': <'0,827369 Bar'>, 'description': <'Bar · Druck'>, 'clipboardText': <'0.827369'>}, {'id': <'o:pressure:psi:12'>, 'name': <'In Tevrimo öffnen'>, 'description': <'12 Pfund/Zoll² · Druck'>}],)" \
    $G.GetResultMetas "['v:pressure:psi:12:bar', 'nonsense', 'o:pressure:psi:12']"
  expect_call "('v:pressure:psi:12:bar', '0,827369 Bar', 'example.tevrimo.converter', 100, 1.0, {'subtext': <'Bar'>, 'category': <'Druck'>})" \
    $K.Match "12 psi to bar"
  check "every other pressure unit matches" '[ "$(grep -o "v:pressure:psi:12:" <<<"$out" | wc -l)" -eq 13 ]'
  expect_call "('v:pressure:psi:12:kPa', '82,7369 Kilopascal', 'example.tevrimo.converter', 100, 0.89" \
    $K.Match "12 psi to bar"
  expect_call "(@a(sssida{sv}) [],)" $K.Match "hello"
  expect_call "([('open', 'In Tevrimo öffnen', 'example.tevrimo.converter')],)" $K.Actions
  expect_call "()" $K.Teardown

  # The program starts at the result's unit, on its own: no child of the service, no
  # descriptor of the bus, no trace of the activation in its environment.
  expect_open "tevrimo --category pressure --unit psi --value 12" \
    $G.ActivateResult "o:pressure:psi:12" "['12', 'psi']" 0
  call $G.ActivateResult "v:pressure:psi:12:bar" "['12', 'psi']" 0 >/dev/null  # the shell copies
  expect_open "tevrimo --category length --unit ft --value 5" $G.LaunchSearch "['5', 'ft']" 0
  expect_open "tevrimo" $G.LaunchSearch "['hello']" 0
  expect_open "tevrimo --category temperature --unit degC --value -40" \
    $K.Run "v:temperature:degC:-40:degF" "open"
  check "only the program's starts were noted: $(cat "$work/opened")" '[ "$(opened)" -eq 4 ]'
  check "no process left behind the service" '[ -z "$(children "$pid")" ]'
  expect_call "InvalidArgs" $K.Run "nonsense" ""
  expect_call "InvalidArgs" $K.Run "v:pressure:psi:12:bar" "frobnicate"

  # A value is copied with xclip when there is no clipboard manager, through the
  # manager when it runs.
  expect_call "()" $K.Run "v:pressure:psi:12:bar" ""
  check "copied with xclip" 'wait_for "grep -qx -- \"-selection clipboard|0.827369\" \"$work/xclip\" 2>/dev/null"'
  "$manager" "$work/manager" &
  manager_pid=$!
  check "the clipboard manager is on the bus" 'wait_for "owned org.kde.klipper"'
  expect_call "()" $K.Run "v:length:ft:5:in" ""
  check "copied through the clipboard manager" 'wait_for "grep -qx 60 \"$work/manager\" 2>/dev/null"'
  check "xclip was used once" '[ "$(wc -l <"$work/xclip")" -eq 1 ]'
  kill "$manager_pid"
  wait "$manager_pid" 2>/dev/null

  # A clipboard manager that never answers holds up no call: fifteen copies at once,
  # then a search, answered before gdbus gives up (25 s; a service that waited for
  # the manager would take 30 s); each copy then goes to xclip.
  "$manager" "$work/hung" --never-answer &
  hung_pid=$!
  check "a manager that never answers is on the bus" 'wait_for "owned org.kde.klipper"'
  copies=()
  for v in $(seq 1 15); do
    call $K.Run "v:length:ft:$v:in" "" >/dev/null &
    copies+=($!)
  done
  expect_call "(['v:pressure:psi:12:bar'" $G.GetInitialResultSet "['12', 'psi']"
  wait "${copies[@]}"
  check "each copy went to xclip after all" 'wait_for "[ \"\$(wc -l <\"$work/xclip\")\" -eq 16 ]"'
  kill "$hung_pid"
  wait "$hung_pid" 2>/dev/null

  # Arrays past what a call may hand over are answered at once: empty, or an error.
  expect_call "(@as [],)" $G.GetInitialResultSet "[$(printf "'%d', " $(seq 1 12))'psi']"
  expect_call "(@as [],)" $G.GetInitialResultSet "['12', 'psi$(printf '%0200d' 0)']"
  expect_call "(@as [],)" $G.GetInitialResultSet "[$(printf "'w%d', " $(seq 1 12000))'psi']"
  expect_call "(@as [],)" $G.GetSubsearchResultSet "[$(printf "'w%d', " $(seq 1 12000))'x']" "[$(printf "'w%d', " $(seq 1 12000))'psi']"
  expect_call "InvalidArgs" $G.GetResultMetas "[$(printf "'o:pressure:psi:%d', " $(seq 1 256))'o:pressure:psi:0']"
  expect_call "'o:pressure:psi:256'" $G.GetResultMetas "[$(printf "'o:pressure:psi:%d', " $(seq 1 255))'o:pressure:psi:256']"
  expect_call "(@aa{sv} [],)" $G.GetResultMetas "['o:vacuum:s:5']"

  # Ten seconds after the last call it gives the name back and ends; the next call
  # starts it again.
  check "left when idle" 'wait_for "! owned $N && [ ! -e /proc/$pid ]"'
  expect_call "(['v:data:GB:1:MB', 'v:data:GB:1:kB', 'o:data:GB:1'],)" $G.GetInitialResultSet "['1GB']"
  echo "search service: $pass passed, $fail failed"
  exit $((fail > 0))
fi

build=$1 manager=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/pre fix"  # the bus reads its Exec line as a shell would
cmake --install "$build" --prefix "$prefix" >/dev/null || exit 1

# What the desktops read.
service=$prefix/share/dbus-1/services/$N.service
provider=$prefix/share/gnome-shell/search-providers/example.tevrimo.converter.search-provider.ini
runner=$prefix/share/krunner/dbusplugins/example.tevrimo.converter.desktop
check "bus service file" 'grep -qx "\[D-BUS Service\]" "$service" && grep -qx "Name=$N" "$service"'
check "bus service starts the installed program" 'grep -qxF "Exec='"'"'$prefix/libexec/tevrimo-search'"'"'" "$service" && [ -x "$prefix/libexec/tevrimo-search" ]'
for line in "[Shell Search Provider]" "DesktopId=example.tevrimo.converter.desktop" "BusName=$N" \
  "ObjectPath=$O" "Version=2"; do
  check "search provider: $line" 'grep -qxF "$line" "$provider"'
done
check "the provider's application is installed" '[ -f "$prefix/share/applications/example.tevrimo.converter.desktop" ]'
for line in "Type=Service" "X-Plasma-API=DBus" "X-Plasma-DBusRunner-Service=$N" \
  "X-Plasma-DBusRunner-Path=$O" "X-KDE-PluginInfo-EnabledByDefault=true"; do
  check "runner: $line" 'grep -qxF "$line" "$runner"'
done
check "runner file is a valid desktop entry" 'desktop-file-validate "$runner"'
check "tevrimo-search --help" '"$prefix/libexec/tevrimo-search" --help | grep -q "^Usage:"'
check "tevrimo-search refuses arguments" '"$prefix/libexec/tevrimo-search" --frobnicate 2>/dev/null; [ $? -eq 2 ]'

# Stand-ins for the desktop program and xclip.
cat >"$prefix/bin/tevrimo" <<EOF
#!/bin/sh
line="tevrimo\${*:+ \$*}"
for fd in /proc/\$\$/fd/*; do
  case \$(readlink "\$fd") in socket:*) line="\$line [a socket is open]" ;; esac
done
env | grep -q '^DBUS_STARTER' && line="\$line [started as a bus service]"
echo "\$line" >>"$work/opened"
EOF
mkdir "$work/bin"
cat >"$work/bin/xclip" <<EOF
#!/bin/sh
{ printf '%s|' "\$*"; cat; echo; } >>"$work/xclip"
EOF
chmod +x "$prefix/bin/tevrimo" "$work/bin/xclip"

cat >"$work/bus.conf" <<EOF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$work</listen>
  <servicedir>$prefix/share/dbus-1/services</servicedir>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
env -u WAYLAND_DISPLAY -u LC_ALL -u LC_MESSAGES -u LANG LANGUAGE=de DISPLAY=:97 \
  PATH="$work/bin:$PATH" dbus-run-session --config-file="$work/bus.conf" -- \
  bash "$0" --inside "$work" "$manager" 2>"$work/bus.log"
status=$?
grep -E "Sanitizer|runtime error" "$work/bus.log" && status=1
[ $status -ne 0 ] && cat "$work/bus.log"
echo "search service files: $pass passed, $fail failed"
[ $status -eq 0 ] && [ $fail -eq 0 ]
