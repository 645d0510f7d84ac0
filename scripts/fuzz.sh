#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets with clang and runs each for a bounded time
# (FUZZ_SECONDS, default 20) on a copy of its seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --fuzz
flags="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DTEVRIMO_GUI=OFF -DBUILD_TESTING=OFF -DTEVRIMO_FUZZ=ON -DTEVRIMO_WERROR="${TEVRIMO_WERROR:-OFF}" -DFUZZ_SECONDS="${FUZZ_SECONDS:-20}" \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target parse_fuzz format_fuzz key_storm_fuzz phrase_fuzz ini_fuzz web_front_fuzz
cd build-fuzz
ctest --output-on-failure -V -R _fuzz | grep -E 'executions|Passed|Failed|tests passed|tests failed'
