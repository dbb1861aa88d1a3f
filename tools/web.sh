#!/usr/bin/env bash
# Builds vorlen for web browsers into build-web/site/ and serves it at http://localhost:8000.
#   tools/web.sh               build, then serve until interrupted
#   tools/web.sh --build-only  build only
# The pictures and sounds come from the native build's vorlen-art (build/bin), made first.
set -euo pipefail
cd "$(dirname "$0")/.."

case "${1:-}" in
  ""|--build-only) ;;
  *) echo "usage: tools/web.sh [--build-only]" >&2; exit 2 ;;
esac

. tools/common.sh
tools/setup.sh web
export_emscripten_node_path
build_native vorlen_assets
cmake -S . -B build-web -DCMAKE_TOOLCHAIN_FILE="$PWD/platform/web/toolchain.cmake" -DCMAKE_BUILD_TYPE=Release \
      -DVORLEN_DESKTOP=OFF -DVORLEN_TESTS=OFF -DVORLEN_ART_DIR="$PWD/build/bin" >/dev/null
cmake --build build-web -j "$(nproc)" --target vorlen_site
echo "The site is in build-web/site/ ($(du -sh build-web/site | cut -f1))."

[ "${1:-}" = --build-only ] && exit 0
echo "Serving vorlen at http://localhost:8000 (Ctrl-C stops)"
exec python3 -m http.server 8000 --bind 127.0.0.1 --directory build-web/site
