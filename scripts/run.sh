#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the two programs and starts the desktop one. Installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# Only the programs: scripts/test.sh builds the test suites in the same folder later.
# Release, without debug information, which would make the first build a third slower;
# configure a folder of your own with -DCMAKE_BUILD_TYPE=RelWithDebInfo to debug.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)" --target tevrimo tevrimo-cli
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting under xvfb-run (nothing will be visible)." >&2
  echo "On a desktop, run build/tevrimo; without one, use build/tevrimo-cli --help." >&2
  exec xvfb-run -a build/tevrimo "$@"
fi
exec build/tevrimo "$@"
