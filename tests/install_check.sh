#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a temporary prefix and checks what lands there.
set -eu
build=$1
gui=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail=0
need() { [ -e "$prefix/$1" ] || { echo "missing: $1"; fail=1; }; }
id=example.tevrimo.converter
need bin/tevrimo-cli
need share/man/man1/tevrimo-cli.1.gz
need share/bash-completion/completions/tevrimo-cli
need share/zsh/vendor-completions/_tevrimo-cli
need share/fish/vendor_completions.d/tevrimo-cli.fish
need share/doc/tevrimo/copyright
need share/doc/tevrimo/changelog.gz
grep -q '^License: Expat$' "$prefix/share/doc/tevrimo/copyright" || { echo "no licence in copyright"; fail=1; }
gzip -t "$prefix/share/man/man1/tevrimo-cli.1.gz" "$prefix/share/doc/tevrimo/changelog.gz" || fail=1
if [ "$gui" = ON ]; then
  need bin/tevrimo
  need share/man/man1/tevrimo.1.gz
  need "share/applications/$id.desktop"
  need "share/metainfo/$id.metainfo.xml"
  need "share/icons/hicolor/scalable/apps/$id.svg"
  for s in 16 32 48 64 128 256; do need "share/icons/hicolor/${s}x${s}/apps/$id.png"; done
  grep -q '^Exec=tevrimo$' "$prefix/share/applications/$id.desktop" || { echo "bad Exec line"; fail=1; }
  grep -q "^Icon=$id$" "$prefix/share/applications/$id.desktop" || { echo "bad Icon line"; fail=1; }
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml" ||
    { echo "metainfo launches something else"; fail=1; }
fi
out=$("$prefix/bin/tevrimo-cli" convert length foot 1 --to inch)
[ "$out" = 12 ] || { echo "installed tevrimo-cli gives '$out'"; fail=1; }
"$prefix/bin/tevrimo-cli" --version | grep -q "MIT licence" || { echo "no licence in --version"; fail=1; }
[ $fail -eq 0 ] && echo "install check: 1 passed, 0 failed"
exit $fail
