#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs one browser test on the built page: run.sh TEST.mjs SITE_DIR [ARGS]. Skipped (77), with
# the reason, where Chromium or the pinned npm packages (npm ci here) are missing.
set -u
here=$(cd "$(dirname "$0")" && pwd)
[ -x "${CHROMIUM:-/usr/bin/chromium}" ] || { echo "SKIP: no chromium (scripts/install-deps.sh --web)"; exit 77; }
[ -d "$here/node_modules/playwright-core" ] && [ -d "$here/node_modules/axe-core" ] ||
  { echo "SKIP: no npm packages (npm ci --prefix tests/web/browser)"; exit 77; }
exec node "$here/$1" "${@:2}"
