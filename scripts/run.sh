#!/usr/bin/env bash
# Builds Tevrimo and starts the desktop program. Installs what it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting under xvfb-run (nothing will be visible)." >&2
  echo "On a desktop, run build/tevrimo; without one, use build/tevrimo-cli --help." >&2
  exec xvfb-run -a build/tevrimo "$@"
fi
exec build/tevrimo "$@"
