#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Tevrimo and runs every test (core, command line and desktop under an
# offscreen display). Installs the Debian packages it needs first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# The build type of scripts/run.sh, so that the one build folder serves both.
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTEVRIMO_WERROR="${TEVRIMO_WERROR:-OFF}" >/dev/null
cmake --build build -j"$(nproc)"
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
