#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a temporary prefix, as `cmake --install` users and
# distributions do, and tests the installation there (tests/installed/run.sh). Then
# makes the Debian package and checks that it alone carries Debian's copyright and
# changelog files.
#   install_check.sh BUILD_DIR
set -u
build=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"  # the profile matrix starts the programs as a second user too
prefix=$work/prefix
fail=0
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAILED: cmake --install"; exit 1; }
for f in share/doc/tevrimo/copyright share/doc/tevrimo/changelog.gz; do
  [ -e "$prefix/$f" ] && { echo "FAILED: cmake --install put Debian's $f in place"; fail=1; }
done
"$here/installed/run.sh" "$prefix" || fail=1

echo "== the Debian package"
if command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null; then
  # Under a umask that would leave files group-writable: the package must not show it.
  (umask 002 && cd "$build" && cpack -G DEB -B "$work/package" >"$work/cpack.log" 2>&1) ||
    { echo "FAILED: cpack"; tail -20 "$work/cpack.log"; exit 1; }
  deb=$(ls "$work"/package/*.deb)
  # (CMake before 3.19 cannot set them: see CPACK_POST_BUILD_SCRIPTS.)
  cmake_version=$(cpack --version | head -1 | awk '{print $3}')
  if [ "$(printf '3.19\n%s\n' "$cmake_version" | sort -V | head -1)" = 3.19 ] &&
     [ "$(ar tv "$deb" | cut -c1-9 | sort -u)" != "rw-r--r--" ]; then
    echo "FAILED: the package's members are not all 0644:"; ar tv "$deb"; fail=1
  fi
  files=$(dpkg-deb -c "$deb")
  for f in copyright changelog.gz; do
    grep -q " ./usr/share/doc/tevrimo/$f\$" <<<"$files" || { echo "FAILED: no $f in the package"; fail=1; }
  done
  dpkg-deb -x "$deb" "$work/root"
  grep -q '^License: Expat$' "$work/root/usr/share/doc/tevrimo/copyright" || { echo "FAILED: no licence in copyright"; fail=1; }
  head=$(gzip -dc "$work/root/usr/share/doc/tevrimo/changelog.gz" | head -1)
  version=$(dpkg-deb -f "$deb" Version)
  [ "$head" = "tevrimo ($version) unstable; urgency=medium" ] || { echo "FAILED: changelog starts '$head'"; fail=1; }
  [ $fail -eq 0 ] && echo "   copyright and changelog.gz in the package, version $version"
else
  echo "SKIPPED: the Debian package is not made (no dpkg-deb or dpkg-shlibdeps; Debian: dpkg-dev)"
fi
[ $fail -eq 0 ] && echo "install check: passed"
exit $fail
