#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the WebAssembly part into build-web/ and serves the page on this machine:
#   scripts/web.sh            install what it needs, build, serve (Ctrl+C ends)
#   scripts/web.sh --test     build and run the web part's tests instead of serving
#   scripts/web.sh --bench    build and measure the page: sizes, start-up, keystrokes
# PORT chooses the port (8080 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh --web
# Debian's emscripten optimises with the acorn module Debian packages apart from node.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
native=()
[ -x build/tevrimo-cli ] && native=(-DTEVRIMO_NATIVE_CLI="$PWD/build/tevrimo-cli")
emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release \
  -DTEVRIMO_WERROR="${TEVRIMO_WERROR:-OFF}" "${native[@]}" >/dev/null
cmake --build build-web -j"$(nproc)"

# What a browser or node downloads of the WebAssembly and its JavaScript, compressed.
sizes() {
  local page cli
  page=$(cat build-web/site/tevrimo-page.wasm build-web/site/tevrimo-page.js build-web/site/app.js | gzip -9 | wc -c)
  cli=$(cat build-web/tevrimo-cli.wasm build-web/tevrimo-cli.js | gzip -9 | wc -c)
  echo "page: tevrimo-page.wasm + tevrimo-page.js + app.js: $((page / 1024)) KiB compressed (gzip -9)"
  echo "tevrimo-cli.wasm + tevrimo-cli.js: $((cli / 1024)) KiB compressed (gzip -9)"
}

case "${1:-}" in
  --test | --bench)
    [ -d tests/web/browser/node_modules ] || npm ci --prefix tests/web/browser --no-audit --no-fund
    if [ "$1" = --test ]; then
      ctest --test-dir build-web --output-on-failure -j"$(nproc)"
    else
      node tests/web/browser/bench.mjs build-web/site
    fi
    sizes
    exit 0
    ;;
esac

port=${PORT:-8080}
echo "Tevrimo: http://127.0.0.1:$port/ (Ctrl+C ends)"
cd build-web/site
exec python3 -m http.server "$port" --bind 127.0.0.1
