#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages needed to build, run and test Tevrimo.
# Idempotent: only packages that are missing are installed.
#   scripts/install-deps.sh            build + desktop + tests
#   scripts/install-deps.sh --bench    also what the benchmarks need
#   scripts/install-deps.sh --fuzz     also the fuzzing toolchain
#   scripts/install-deps.sh --format   also clang-format, for scripts/check-format.sh
#   scripts/install-deps.sh --web      also the WebAssembly toolchain (emscripten; its
#                                      optimiser needs acorn), npm and chromium for the
#                                      browser tests
set -euo pipefail

pkgs=(cmake g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
      xvfb xauth fonts-dejavu-core locales time acl attr
      libsystemd-dev dbus-daemon dbus-bin libglib2.0-bin
      # typing at the real program under real keyboard layouts
      x11-xkb-utils xkb-data xdotool xclip
      # what the tests check with: manual pages, completions in each shell, the desktop
      # entry and AppStream data, the Debian package
      mandoc man-db zsh fish desktop-file-utils appstream dpkg-dev
      # the page record check
      python3)
for arg in "$@"; do
  case "$arg" in
    --bench) pkgs+=(libbenchmark-dev units xdotool time) ;;
    --fuzz) pkgs+=(clang libclang-rt-14-dev) ;;
    --format) pkgs+=(clang-format) ;;
    --web)
      pkgs+=(emscripten node-acorn chromium python3)
      # npm comes with some node builds; Debian's own is needed only without one.
      command -v npm >/dev/null || pkgs+=(npm)
      ;;
    --screenshot) pkgs+=(imagemagick xdotool x11-utils) ;;
    *) echo "install-deps.sh: unknown option '$arg'" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${pkgs[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The tests also run under locales whose decimal point is a comma.
for loc in de_DE tr_TR; do
  if ! locale -a 2>/dev/null | grep -qi "^$loc.utf-\?8$" && command -v localedef >/dev/null &&
     [ -d "/usr/share/i18n/locales" ] && [ -f "/usr/share/i18n/locales/$loc" ]; then
    $sudo localedef -i "$loc" -c -f UTF-8 "$loc.UTF-8" 2>/dev/null || true
  fi
done
