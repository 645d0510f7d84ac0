#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the real program (offscreen) on bad and unusual profiles and closes it. Every
# case must start, exit 0, and leave either a complete profile or the old file
# untouched; some cases check more.
set -u
program=$(readlink -f "$1")
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
root=$(mktemp -d)
trap 'chmod -R u+w "$root"; rm -rf "$root"' EXIT
pass=0 fail=0

# Starts the program, waits until its window is up, then closes it the way a window
# manager would. The program takes SIGTERM as a close request once its window is shown.
# Until the new process has become the program, it is a copy of this shell, which
# catches SIGTERM too; so the wait is for the program's own file and its SIGTERM handler
# (SigCgt in /proc), at most 120 s.
run() {
  local cfg=$1 during=${2:-} caught pid
  XDG_CONFIG_HOME=$cfg "$program" &
  pid=$!
  local deadline=$((SECONDS + 120))
  while [ $SECONDS -lt $deadline ]; do
    [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$program" ] || {
      [ -e "/proc/$pid/exe" ] || break  # it has ended already
      sleep 0.01
      continue
    }
    caught=$(awk '/^SigCgt:/ { print $2 }' "/proc/$pid/status" 2>/dev/null)
    [ -z "$caught" ] && break
    (( 0x$caught & (1 << 14) )) && break
    sleep 0.01
  done
  [ -n "$during" ] && (cd "$cfg" && eval "$during")
  kill -TERM "$pid" 2>/dev/null
  wait "$pid"
}

valid() {  # a complete profile
  grep -q '^\[Settings\]$' "$1" && grep -Eq '^xpos=-?[0-9]+$' "$1" && grep -Eq '^ypos=-?[0-9]+$' "$1" &&
    grep -Eq '^curtab=[0-9]+$' "$1" && grep -Eq '^curlang=-?[0-9]+$' "$1"
}

# name, setup command[, what must hold afterwards[, what happens while it runs]]; every
# command runs in the case's config folder.
check() {
  local name=$1 setup=$2 after=${3:-} during=${4:-}
  local cfg="$root/$name" ini
  mkdir -p "$cfg"
  ini="$cfg/tevrimo.INI"
  (cd "$cfg" && eval "$setup")
  local before=""
  [ -f "$ini" ] && before=$(sha256sum < "$ini")
  run "$cfg" "$during"
  local status=$?
  if [ -n "$after" ] && ! (cd "$cfg" && eval "$after"); then
    fail=$((fail + 1))
    echo "FAILED: $name: $after"
    ls -la "$cfg"
    return
  fi
  local after=""
  [ -f "$ini" ] && after=$(sha256sum < "$ini")
  if [ $status -eq 0 ] && { { [ -f "$ini" ] && valid "$ini"; } || [ "$before" = "$after" ]; }; then
    pass=$((pass + 1))
  else
    fail=$((fail + 1))
    echo "FAILED: $name (exit $status)"
    [ -f "$ini" ] && head -c 300 "$ini" | cat -v
  fi
}

check missing ':'
check empty ': > tevrimo.INI'
check not-ini 'printf "hello world\nthis is not an ini file\n" > tevrimo.INI'
check binary 'head -c 4096 /dev/urandom > tevrimo.INI'
check huge 'head -c 50000000 /dev/zero | tr "\0" "x" > tevrimo.INI'
check big-numbers 'printf "[Settings]\nxpos=99999999999999999999\nypos=-99999999999\ncurtab=-5\ncurlang=123456789012\n" > tevrimo.INI'
check trailing-junk 'printf "[Settings]\nxpos=12abc\nypos=7 px\ncurtab=3tabs\ncurlang=1x\n" > tevrimo.INI'
check duplicates 'printf "[Settings]\ncurtab=2\ncurtab=9\n[Settings]\ncurtab=4\n" > tevrimo.INI'
check no-section 'printf "xpos=5\ncurtab=3\n" > tevrimo.INI'
check other-sections 'printf "[Other]\nkeep=me\n[Settings]\ncurtab=1\n" > tevrimo.INI'
check crlf 'printf "[Settings]\r\ncurtab=2\r\ncurlang=1\r\n" > tevrimo.INI'
check directory 'mkdir tevrimo.INI'
check unreadable 'printf "[Settings]\ncurtab=2\n" > tevrimo.INI; chmod 000 tevrimo.INI'
check read-only-folder 'printf "[Settings]\ncurtab=2\n" > tevrimo.INI; chmod 555 .'
check folder-missing 'rmdir "$PWD"'
check nul-bytes 'printf "[Settings]\ncurtab=1\0\n" > tevrimo.INI'
check long-line 'head -c 300000 /dev/zero | tr "\0" "9" | sed "s/^/[Settings]\ncurtab=/" > tevrimo.INI'

# What the profile keeps: links, modes, other content, and no litter.
settings='[Settings]\nxpos=0\nypos=0\ncurtab=3\ncurlang=2\n'
mode() { stat -c %a "$1"; }
check symlink "mkdir dots; printf '$settings[Mine]\nkeep=1\n' > dots/real.INI; chmod 600 dots/real.INI; ln -s dots/real.INI tevrimo.INI" \
  '[ -L tevrimo.INI ] && [ "$(mode dots/real.INI)" = 600 ] && grep -q "^keep=1$" dots/real.INI && grep -q "^curtab=3$" dots/real.INI'
check dangling-symlink 'mkdir dots; ln -s dots/new.INI tevrimo.INI' '[ -L tevrimo.INI ] && grep -q "^curtab=0$" dots/new.INI'
check private "printf '$settings' > tevrimo.INI; chmod 600 tevrimo.INI" '[ "$(mode tevrimo.INI)" = 600 ]'
saved_umask=$(umask)
umask 027  # the program creates the profile under this umask
check umask ':' '[ "$(mode tevrimo.INI)" = 640 ]'
umask "$saved_umask"
check bom "printf '\xef\xbb\xbf$settings' > tevrimo.INI" \
  '[ "$(head -c 3 tevrimo.INI | od -An -tx1 | tr -d " ")" = efbbbf ] && [ "$(grep -c Settings tevrimo.INI)" = 1 ] && grep -q "^curtab=3$" tevrimo.INI'
check utf16 "printf '$settings[Other]\nkeep=1\n' | iconv -t UTF-16 > tevrimo.INI; sha256sum < tevrimo.INI > ../utf16.sum" \
  'sha256sum < tevrimo.INI.not-read | cmp -s - ../utf16.sum && grep -q "^curtab=0$" tevrimo.INI'
check nul-kept "printf '$settings\0[Other]\nkeep=1\n' > tevrimo.INI; cp tevrimo.INI ../nul.copy" \
  'cmp -s tevrimo.INI.not-read ../nul.copy'
check written-meanwhile "printf '$settings' > tevrimo.INI" 'grep -q "^late=1$" tevrimo.INI && grep -q "^curtab=3$" tevrimo.INI' \
  "printf '[Other]\nlate=1\n' >> tevrimo.INI"
check litter "printf '$settings' > tevrimo.INI; printf x > tevrimo.INI.Ab3xYz; touch -d '1 hour ago' tevrimo.INI.Ab3xYz; printf y > tevrimo.INI.fresh1; printf z > tevrimo.INI.my-notes" \
  '[ ! -e tevrimo.INI.Ab3xYz ] && [ -e tevrimo.INI.fresh1 ] && [ -e tevrimo.INI.my-notes ]'

# The folder-missing case must have created the folder and a valid profile.
if ! valid "$root/folder-missing/tevrimo.INI"; then
  echo "FAILED: folder-missing wrote no profile"; fail=$((fail + 1))
fi
# Other sections survive.
if ! grep -q '^keep=me$' "$root/other-sections/tevrimo.INI"; then
  echo "FAILED: other-sections lost a section"; fail=$((fail + 1))
fi

echo "$pass passed, $fail failed"
[ $fail -eq 0 ]
