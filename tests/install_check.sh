#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what lands there.
set -eu
build=$1
gui=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail=0
need() { [ -e "$prefix/$1" ] || { echo "missing: $1"; fail=1; }; }
need bin/tevrimo-cli
need share/man/man1/tevrimo-cli.1
need share/bash-completion/completions/tevrimo-cli
if [ "$gui" = ON ]; then
  need bin/tevrimo
  need share/applications/tevrimo.desktop
  for s in 16 32 48 64 128 256; do need "share/icons/hicolor/${s}x${s}/apps/tevrimo.png"; done
  grep -q '^Exec=tevrimo$' "$prefix/share/applications/tevrimo.desktop" || { echo "bad Exec line"; fail=1; }
  grep -q '^Icon=tevrimo$' "$prefix/share/applications/tevrimo.desktop" || { echo "bad Icon line"; fail=1; }
fi
out=$("$prefix/bin/tevrimo-cli" convert length foot 1 --to inch)
[ "$out" = 12 ] || { echo "installed tevrimo-cli gives '$out'"; fail=1; }
[ $fail -eq 0 ] && echo "install check: 1 passed, 0 failed"
exit $fail
