#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Tests an installation of Tevrimo, without the build tree:
#   tests/installed/run.sh PREFIX        (PREFIX: /usr for a package, or where
#                                         `cmake --install --prefix` put it)
# It checks what an installation holds and does: tevrimo-cli's contract (results,
# formats, unit keys, JSON, exit codes, streams, pipes), its bash, zsh and fish
# completions, the manual pages, the desktop entry and AppStream data, and the desktop
# program without a display and on the profile matrix (under xvfb-run where there is
# one). A part whose tool is missing says SKIPPED and is not counted as passed; any
# failure fails the run (exit 1). Suitable as a distribution's autopkgtest, run from
# the source tree against the installed package. TEVRIMO_MAX_RSS_KB=0 leaves out the
# memory bounds (for a build with sanitizers).
set -u
prefix=$(readlink -f "$1")
tests=$(cd "$(dirname "$0")/.." && pwd)
cli=$prefix/bin/tevrimo-cli
gui=$prefix/bin/tevrimo
search=$(ls "$prefix"/libexec/tevrimo-search "$prefix"/lib/*/tevrimo-search 2>/dev/null | head -1)
id=example.tevrimo.converter
share=$prefix/share
passed=0 failed=0 skipped=0

# Runs one part: its name, then the command; its output is shown indented.
part() {
  local name=$1 status
  shift
  echo "== $name"
  "$@" 2>&1 | sed 's/^/   /'
  status=${PIPESTATUS[0]}
  case $status in
    0) passed=$((passed + 1)) ;;
    77) skipped=$((skipped + 1)) ;;
    *) failed=$((failed + 1)); echo "   -> FAILED (status $status)" ;;
  esac
}

skip() { echo "SKIPPED: $*"; return 77; }

[ -x "$cli" ] || { echo "no $cli: not an installation of Tevrimo" >&2; exit 2; }

# What an installation holds, where other programs look for it.
layout() {
  local fail=0 f
  local files=(share/man/man1/tevrimo-cli.1.gz share/bash-completion/completions/tevrimo-cli
               share/zsh/vendor-completions/_tevrimo-cli share/fish/vendor_completions.d/tevrimo-cli.fish)
  if [ -x "$gui" ]; then
    files+=(share/man/man1/tevrimo.1.gz "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
            "share/icons/hicolor/scalable/apps/$id.svg")
    for s in 16 32 48 64 128 256; do files+=("share/icons/hicolor/${s}x${s}/apps/$id.png"); done
  fi
  if [ -n "$search" ]; then
    files+=(share/man/man8/tevrimo-search.8.gz "share/dbus-1/services/$id.SearchProvider.service"
            "share/gnome-shell/search-providers/$id.search-provider.ini"
            "share/krunner/dbusplugins/$id.desktop")
  fi
  for f in "${files[@]}"; do
    [ -e "$prefix/$f" ] || { echo "missing: $f"; fail=1; }
  done
  [ $fail -eq 0 ] && echo "${#files[@]} files in place"
  return $fail
}

completion() {  # shell, installed script
  "$tests/completion_check.sh" "$1" "$cli" "$2"
}

manuals() {
  local pages=("$share/man/man1/tevrimo-cli.1.gz")
  [ -x "$gui" ] && pages+=("$share/man/man1/tevrimo.1.gz")
  [ -n "$search" ] && pages+=("$share/man/man8/tevrimo-search.8.gz")
  "$tests/man_check.sh" "${pages[@]}"
}

desktop_entry() {
  command -v desktop-file-validate >/dev/null || skip "no desktop-file-validate (Debian: desktop-file-utils)" || return
  local out
  out=$(desktop-file-validate "$share/applications/$id.desktop" 2>&1)
  [ -z "$out" ] && echo "desktop entry valid" || { echo "$out"; return 1; }
}

appstream() {
  command -v appstreamcli >/dev/null || skip "no appstreamcli (Debian: appstream)" || return
  local out status
  out=$(appstreamcli validate --pedantic --no-net "$share/metainfo/$id.metainfo.xml" 2>&1)
  status=$?
  echo "$out"
  # Remarks above "info" (warnings, errors) fail, as the validator's status says.
  [ $status -eq 0 ] && ! grep -qE '^[WE]: ' <<<"$out"
}

profile_matrix() {
  if command -v xvfb-run >/dev/null; then
    xvfb-run -a "$tests/ui/profile_matrix.sh" "$gui"
  else
    echo "(no xvfb-run: on Qt's offscreen display only)"
    "$tests/ui/profile_matrix.sh" "$gui"
  fi
}

part "installed files" layout
part "tevrimo-cli contract" "$tests/cli_contract_check.sh" "$cli"
rss=${TEVRIMO_MAX_RSS_KB:-}
part "tevrimo-cli streams" "$tests/cli_stream_check.sh" "$cli" ${rss:+"$rss"}
part "tevrimo-cli as a Unix tool" "$tests/cli_unix_check.sh" "$cli" "$share/bash-completion/completions/tevrimo-cli" ${rss:+"$rss"}
part "bash completion" completion bash "$share/bash-completion/completions/tevrimo-cli"
part "zsh completion" completion zsh "$share/zsh/vendor-completions/_tevrimo-cli"
part "fish completion" completion fish "$share/fish/vendor_completions.d/tevrimo-cli.fish"
part "manual pages" manuals
if [ -x "$gui" ]; then
  part "desktop entry" desktop_entry
  part "AppStream metadata" appstream
  part "desktop program without a display" "$tests/ui/no_display.sh" "$gui"
  part "desktop program on bad profiles" profile_matrix
else
  echo "== desktop program: SKIPPED (not installed: built with TEVRIMO_GUI=OFF)"
  skipped=$((skipped + 1))
fi
echo "installed tests: $passed passed, $failed failed, $skipped skipped"
[ $failed -eq 0 ]
