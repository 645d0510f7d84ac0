#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package of one commit twice, as the README's recipe does, and
# compares the two byte for byte:
#   scripts/check-reproducible.sh [COMMIT]     (default: HEAD; uncommitted changes are
#                                               not part of it)
# The two builds differ in everything that must not matter: the folder (its name and
# depth), the time, the umask, the time zone and the locale. Exit status 0 when the
# packages are identical; otherwise the differences (diffoscope's, where installed).
set -euo pipefail
cd "$(dirname "$0")/.."
commit=$(git rev-parse --verify "${1:-HEAD}^{commit}")
bash scripts/install-deps.sh
export SOURCE_DATE_EPOCH
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit")
work=$(mktemp -d /tmp/tevrimo-reproducible.XXXXXX)
trap 'rm -rf "$work"' EXIT

build() {  # folder -> the package, built from a fresh copy of the commit
  local dir=$1
  mkdir -p "$(dirname "$dir")"
  git clone -q --no-local . "$dir"
  git -C "$dir" checkout -q "$commit"
  cmake -S "$dir" -B "$dir/build-deb" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF >/dev/null
  cmake --build "$dir/build-deb" -j"$(nproc)" >/dev/null
  (cd "$dir/build-deb" && cpack -G DEB >/dev/null)
  ls "$dir"/build-deb/*.deb
}

echo "Building $commit (SOURCE_DATE_EPOCH=$SOURCE_DATE_EPOCH) twice..."
first=$(umask 022; export TZ=UTC LC_ALL=C.UTF-8; build "$work/a")
second=$(umask 002; export TZ=Asia/Tokyo LC_ALL=de_DE.UTF-8; build "$work/a second/folder, deeper")
sha256sum "$first" "$second"
if cmp -s "$first" "$second"; then
  echo "reproducible: the two packages are identical"
  exit 0
fi
echo "NOT reproducible: the packages differ"
if command -v diffoscope >/dev/null; then
  diffoscope "$first" "$second" || true
else
  mkdir "$work/x1" "$work/x2"
  dpkg-deb -R "$first" "$work/x1"
  dpkg-deb -R "$second" "$work/x2"
  diff -r "$work/x1" "$work/x2" || true
fi
exit 1
