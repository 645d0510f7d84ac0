#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the real program (offscreen) on bad and unusual profiles and closes it. Every
# case must start, exit 0, and leave either a complete profile or the old file
# untouched; a save that does not happen says so in exactly one line on stderr, and one
# that happens says nothing. Some cases check more.
#
# Cases marked "user" run the program as a user without root's rights, those marked
# "other" need files of a second user. Run as root (as CI does), the script makes a
# throw-away user for both and removes it at the end; otherwise "user" cases run as
# the caller and "other" cases are skipped, each with a SKIP line.
set -u
program=$(readlink -f "$1")
shim=${2:+$(readlink -f "$2")}  # makes the disk run full during an in-place rewrite
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
root=$(mktemp -d)
chmod 755 "$root"
other=""  # the throw-away user
cleanup() {
  chmod -R u+w "$root" 2>/dev/null
  rm -rf "$root"
  [ -n "$other" ] && userdel "$other" 2>/dev/null
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
pass=0 fail=0 skip=0

# The user "user" cases run as ($u), and how the program is started as that user.
u=""
as_user=()
if [ "$(id -u)" -ne 0 ]; then
  u=$(id -un)
elif command -v useradd >/dev/null && command -v setpriv >/dev/null &&
  useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin \
    "tevrimo-t$$" 2>/dev/null; then
  other="tevrimo-t$$"
  u=$other
  mkdir -m 700 "$root/.home" "$root/.run"
  chown "$u:" "$root/.home" "$root/.run"
  as_user=(setpriv --reuid="$(id -u "$u")" --regid="$(id -g "$u")" --clear-groups
    env HOME="$root/.home" XDG_RUNTIME_DIR="$root/.run")
fi

# Starts the program, waits until its window is up, then closes it the way a window
# manager would. The program takes SIGTERM as a close request once its window is shown.
# Until the new process has become the program, it is a copy of this shell, which
# catches SIGTERM too; so the wait is for the program's own file and its SIGTERM handler
# (SigCgt in /proc), at most 120 s. Its stderr is added to "<folder>.err".
run() {
  local cfg=$1 during=${2:-} opts=${3:-} caught pid
  local env=()
  # A sanitizer build accepts the shim loaded before its runtime.
  [[ $opts == *full-disk* ]] && env=(env LD_PRELOAD="$shim"
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0")
  if [[ $opts == *user* && ${#as_user[@]} -gt 0 ]]; then
    "${as_user[@]}" XDG_CONFIG_HOME="$cfg" "${env[@]}" "$program" 2>>"$cfg.err" &
  else
    XDG_CONFIG_HOME=$cfg "${env[@]}" "$program" 2>>"$cfg.err" &
  fi
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

valid() {  # a complete profile (CR-LF or LF)
  local text
  text=$(tr -d '\r' < "$1")
  grep -q '^\[Settings\]$' <<<"$text" && grep -Eq '^xpos=-?[0-9]+$' <<<"$text" &&
    grep -Eq '^ypos=-?[0-9]+$' <<<"$text" && grep -Eq '^curtab=[0-9]+$' <<<"$text" &&
    grep -Eq '^curlang=-?[0-9]+$' <<<"$text"
}

# In a case's checks: stderr holds exactly one line, the save's refusal naming the
# profile, with a reason matching the extended regular expression $1.
said() {
  [ "$(wc -l < "$err")" = 1 ] &&
    grep -Eq "^tevrimo: settings not saved to '[^']*/tevrimo\.INI': ($1)\$" "$err"
}

# name, setup command[, what must hold afterwards[, what happens while it runs[,
# "user"/"other"]]]; every command runs in the case's config folder, which belongs to
# the user for "user" cases.
check() {
  local name=$1 setup=$2 after=${3:-} during=${4:-} opts=${5:-}
  local cfg="$root/$name" ini
  if { [[ $opts == *user* ]] && [ -z "$u" ]; } || { [[ $opts == *other* ]] && [ -z "$other" ]; }; then
    echo "SKIP: $name (needs a second user: run as root where useradd works)"
    skip=$((skip + 1))
    return
  fi
  if [[ $opts == *full-disk* ]] && [ ! -f "$shim" ]; then
    echo "SKIP: $name (the full-disk shim was not built)"
    skip=$((skip + 1))
    return
  fi
  mkdir -p "$cfg"
  [[ $opts == *user* ]] && chown "$u:" "$cfg"
  ini="$cfg/tevrimo.INI"
  err="$cfg.err"
  : > "$err"
  (cd "$cfg" && eval "$setup")
  local before=""
  [ -f "$ini" ] && before=$(sha256sum < "$ini")
  run "$cfg" "$during" "$opts"
  local status=$?
  if [ -n "$after" ] && ! (cd "$cfg" && eval "$after"); then
    fail=$((fail + 1))
    echo "FAILED: $name: $after"
    ls -la "$cfg"
    cat "$err"
    return
  fi
  if [[ $after != *said* ]] && grep -q 'settings not saved' "$err"; then
    fail=$((fail + 1))
    echo "FAILED: $name: the save failed"
    cat "$err"
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
check crlf 'printf "[Settings]\r\ncurtab=2\r\ncurlang=1\r\n" > tevrimo.INI' \
  '! grep -qv $'"'\r\$'"' tevrimo.INI && grep -q $'"'^curtab=2\r\$'"' tevrimo.INI && grep -q ^xpos= tevrimo.INI'
check directory 'mkdir tevrimo.INI' 'said "a folder stands in its place"'
check unreadable 'printf "[Settings]\ncurtab=2\n" > tevrimo.INI; chmod 000 tevrimo.INI' \
  'said "it is read-only|it cannot be read: .*"'
check read-only-folder 'printf "[Settings]\ncurtab=2\n" > tevrimo.INI; chown "$u:" tevrimo.INI; chmod 555 .' \
  'said "no file can be made in the folder .*"' '' user
check folder-missing 'rmdir "$PWD"'
check nul-bytes 'printf "[Settings]\ncurtab=1\0\n" > tevrimo.INI'
check long-line 'head -c 300000 /dev/zero | tr "\0" "9" | sed "s/^/[Settings]\ncurtab=/" > tevrimo.INI'

# What the profile keeps: links, modes, other content, and no litter.
settings='[Settings]\nxpos=0\nypos=0\ncurtab=3\ncurlang=2\n'
partial='[Settings]\ncurtab=3\n'  # a save adds the other three entries
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
check hard-link 'printf "$partial" > tevrimo.INI; ln tevrimo.INI other.ini' \
  '[ tevrimo.INI -ef other.ini ] && grep -q "^xpos=0$" other.ini && grep -q "^curtab=3$" other.ini'
check read-only 'printf "$partial" > tevrimo.INI; chmod 444 tevrimo.INI' \
  '[ "$(mode tevrimo.INI)" = 444 ] && said "it is read-only"'
if command -v setfacl >/dev/null && command -v setfattr >/dev/null; then
  # An ACL mask wider than the group's own entry: the group must not get the mask's rights.
  check acl-xattr 'printf "$partial" > tevrimo.INI; chmod 640 tevrimo.INI; setfacl -m u:nobody:rw tevrimo.INI &&
      setfattr -n user.note -v kept tevrimo.INI && getfacl -cp tevrimo.INI > ../acl.before && mode tevrimo.INI > ../mode.before' \
    'grep -q "^xpos=0$" tevrimo.INI && getfacl -cp tevrimo.INI | cmp -s - ../acl.before && grep -q "^group::r--$" ../acl.before &&
      [ "$(mode tevrimo.INI)" = "$(cat ../mode.before)" ] && [ "$(getfattr --only-values -n user.note tevrimo.INI)" = kept ]'
  # A default ACL of the folder is not handed on to a profile that had no ACL.
  check folder-default-acl 'printf "$partial" > tevrimo.INI; chmod 640 tevrimo.INI; setfacl -d -m u:nobody:rw .' \
    'grep -q "^xpos=0$" tevrimo.INI && ! getfacl -cp tevrimo.INI | grep -q nobody && [ "$(mode tevrimo.INI)" = 640 ]'
  check acl-read-only 'printf "$partial" > tevrimo.INI; chmod 666 tevrimo.INI; setfacl -m "u:$u:r" tevrimo.INI' \
    'said "it is read-only"' '' 'user other'
else
  echo "SKIP: acl-xattr, folder-default-acl, acl-read-only (setfacl and setfattr are missing: install acl and attr)"
  skip=$((skip + 3))
fi
# Line ends: every line still ends in CR-LF, the entries added too.
check crlf-kept 'printf "[Other]\r\nkeep=1\r\n[Settings]\r\ncurtab=3\r\n" > tevrimo.INI' \
  '[ "$(grep -c $'"'\r\$'"' tevrimo.INI)" = 7 ] && [ "$(wc -l < tevrimo.INI)" = 7 ]'
# A profile just under 1 MiB grows past it by the save; the next start still reads it.
check near-limit '{ printf "[Other]\n"; head -c $((1024 * 1024 - 40)) /dev/zero | tr "\0" x; printf "\n[Settings]\ncurtab=7\n"; } > tevrimo.INI' \
  '[ "$(stat -c %s tevrimo.INI)" -gt 1048576 ] && run "$PWD" && grep -q "^curtab=7$" tevrimo.INI && [ ! -e tevrimo.INI.not-read ]'

# Nothing but the save's own abandoned temporary files is removed, beside the profile or
# beside a link's target: not the user's backups, not a fresh one, not a link, not one
# with a second name, not one of another user.
old() { for f in "$@"; do printf mine > "$f"; touch -h -d '1 hour ago' "$f"; done; }
kept() { for f in "$@"; do [ "$(cat "$f")" = mine ] || return 1; done; }
check own-backups 'printf "$settings" > tevrimo.INI; old tevrimo.INI.backup tevrimo.INI.old123 tevrimo.INI.Ab3xYz' \
  'kept tevrimo.INI.backup tevrimo.INI.old123 tevrimo.INI.Ab3xYz'
check link-neighbour 'mkdir dots; printf "$partial" > dots/common.ini; old dots/common.ini.backup dots/.common.ini.tevrimo-save-Ab3xYz; ln -s dots/common.ini tevrimo.INI' \
  'kept dots/common.ini.backup && [ ! -e dots/.common.ini.tevrimo-save-Ab3xYz ] && grep -q "^xpos=0$" dots/common.ini && [ -L tevrimo.INI ]'
check litter 'printf "$settings" > tevrimo.INI; old .tevrimo.INI.tevrimo-save-Ab3xYz victim .tevrimo.INI.tevrimo-save-Linked;
    ln .tevrimo.INI.tevrimo-save-Linked second; ln -s victim .tevrimo.INI.tevrimo-save-Symlnk; touch -h -d "1 hour ago" .tevrimo.INI.tevrimo-save-Symlnk
    printf mine > .tevrimo.INI.tevrimo-save-Fresh1' \
  '[ ! -e .tevrimo.INI.tevrimo-save-Ab3xYz ] && kept victim .tevrimo.INI.tevrimo-save-Linked .tevrimo.INI.tevrimo-save-Fresh1 && [ -L .tevrimo.INI.tevrimo-save-Symlnk ]'
check litter-foreign 'printf "$settings" > tevrimo.INI; old .tevrimo.INI.tevrimo-save-Theirs; chown "$other" .tevrimo.INI.tevrimo-save-Theirs' \
  'kept .tevrimo.INI.tevrimo-save-Theirs' '' other

# Links in a folder everyone can write (as /tmp, sticky or not): another user's link
# is not followed, and nothing is touched; the user's own link is.
for m in 1777 777; do
  check "shared-$m-foreign-link" "chmod $m ."'; printf "$partial" > mine.ini; cp mine.ini "$PWD.copy"; ln -s mine.ini tevrimo.INI; chown -h "$other" tevrimo.INI' \
    'cmp -s mine.ini "$PWD.copy" && [ -L tevrimo.INI ] && [ "$(ls -A | wc -l)" = 2 ] && said "the symbolic link .* belongs to another user, in a folder everyone can write"' \
    '' other
done
check shared-own-link 'chmod 1777 .; printf "$partial" > mine.ini; ln -s mine.ini tevrimo.INI' \
  '[ -L tevrimo.INI ] && grep -q "^xpos=0$" mine.ini'
check link-to-foreign-file 'printf "$partial" > theirs.ini; chown "$other" theirs.ini; ln -s theirs.ini tevrimo.INI; cp theirs.ini ../theirs.copy' \
  'cmp -s theirs.ini ../theirs.copy && [ "$(ls -A | wc -l)" = 2 ] && said "it is a link to .*, which is not a file of yours"' '' other
check link-target-unwritable 'mkdir dots; printf "$partial" > dots/real.INI; ln -s dots/real.INI tevrimo.INI; chown -hR "$u:" .; chmod 555 dots' \
  '! grep -q ^xpos dots/real.INI && [ "$(ls -A dots)" = real.INI ] && said "no file can be made in the folder .*dots.*"' '' user
check foreign-group 'printf "$partial" > tevrimo.INI; chown "$u:root" tevrimo.INI' \
  'said "its owner and group cannot be kept: .*"' '' 'user other'

# The profile's own path only: no folder on it of another user (also for root, with a
# user's $HOME or $XDG_CONFIG_HOME), none others can write but sticky ones, no link of
# another user. A refused save touches nothing: not the link's target, nor a missing one.
victim() { printf 'mine\n' > "$PWD.victim"; }
untouched() { [ "$(cat "$PWD.victim")" = mine ] && [ ! -e "$PWD.made" ]; }
for m in 755 777; do
  check "foreign-folder-$m-link" "victim; chown $other .; chmod $m .; ln -s \"\$PWD.victim\" tevrimo.INI; chown -h $other tevrimo.INI" \
    'untouched && said "the symbolic link .* belongs to another user.*"' '' other
done
check foreign-folder-dangling-link 'victim; chown "$other" .; ln -s "$PWD.made/sub/tevrimo.INI" tevrimo.INI; chown -h "$other" tevrimo.INI' \
  'untouched && said "the symbolic link .* belongs to another user"' '' other
check foreign-folder-empty 'chown "$other" .' \
  '[ -z "$(ls -A)" ] && said "the folder .* on its path belongs to another user"' '' other
check root-with-users-profile 'printf "$partial" > tevrimo.INI; chown -R "$other" .; cp tevrimo.INI "$PWD.copy"' \
  'cmp -s tevrimo.INI "$PWD.copy" && said "the folder .* on its path belongs to another user"' '' other
check shared-folder-not-sticky 'chmod 777 .' \
  '[ -z "$(ls -A)" ] && said "the folder .* on its path can be written by others"' '' user
check shared-folder-sticky 'chmod 1777 .' 'valid tevrimo.INI' '' user

# A disk that runs full while a file of several names is rewritten in place: both names
# keep the old text, byte for byte.
check full-disk-in-place 'printf "$partial" > tevrimo.INI; ln tevrimo.INI other.ini; cp tevrimo.INI "$PWD.copy"' \
  'cmp -s tevrimo.INI "$PWD.copy" && [ tevrimo.INI -ef other.ini ] && said "writing it failed: No space left on device"' \
  '' full-disk

# A writer appends numbered lines while the program saves again and again: each line is
# still there, or a save said a change may be lost (or that it kept changing, and did
# not save). Once as one name, once as a file of two names.
appender() {  # appends "a<N>=1" until told to stop (40000 at most), then writes N
  local i=0
  while [ $i -lt 40000 ] && [ ! -e "$PWD.stop" ]; do
    i=$((i + 1))
    echo "a$i=1" >> tevrimo.INI
  done
  echo $i > "$PWD.count"
}
appends_kept_or_said() {
  local r deadline=$((SECONDS + 120)) n lost
  for r in 1 2 3 4 5 6; do run "$PWD"; done
  touch "$PWD.stop"
  while [ ! -s "$PWD.count" ] && [ $SECONDS -lt $deadline ]; do sleep 0.01; done
  n=$(cat "$PWD.count")
  lost=$(seq 1 "$n" | sed 's/.*/a&=1/' | grep -cvxFf tevrimo.INI)
  echo "$name: $n lines appended during the saves, $lost lost" >&2
  grep -v "settings saved to .*, but a change made to it while it was saved may be lost\|settings not saved to .*: it kept changing while it was saved" "$err" |
    grep -q . && return 1
  [ "$lost" = 0 ] || grep -q "may be lost" "$err"
}
for links in 1 2; do
  name=concurrent-append-$links
  check "$name" "printf '$settings' > tevrimo.INI; [ $links = 2 ] && ln tevrimo.INI other.ini; (appender &)" \
    appends_kept_or_said
done

# The folder-missing case must have created the folder and a valid profile.
if ! valid "$root/folder-missing/tevrimo.INI"; then
  echo "FAILED: folder-missing wrote no profile"; fail=$((fail + 1))
fi
# Other sections survive.
if ! grep -q '^keep=me$' "$root/other-sections/tevrimo.INI"; then
  echo "FAILED: other-sections lost a section"; fail=$((fail + 1))
fi

echo "$pass passed, $fail failed, $skip skipped"
[ $fail -eq 0 ]
