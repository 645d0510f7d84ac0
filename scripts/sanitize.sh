#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds every test with AddressSanitizer and UndefinedBehaviorSanitizer and runs them.
# Any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTEVRIMO_SANITIZE=ON -DTEVRIMO_WERROR="${TEVRIMO_WERROR:-OFF}" >/dev/null
cmake --build build-asan -j"$(nproc)"
export ASAN_OPTIONS=abort_on_error=1:detect_leaks=1:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Leaks inside the system's font and display libraries are not ours.
export LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0
cd build-asan
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
