#!/usr/bin/env bash
# Builds the browser site, the engine tool and the frame benchmark for the browser (and the
# native engine tool to compare with), then prints the browser build's figures, Lighthouse's
# and axe-core's verdicts among them (tools/bench/web/, pinned to Lighthouse 12.2.3 for Node 20).
set -euo pipefail
cd "$(dirname "$0")/../.."
. tools/common.sh
tools/web.sh --build-only
export_emscripten_node_path
build_native vorlen-engine
cmake --build build-web -j "$(nproc)" --target vorlen-engine bench-frames
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
(cd tools/bench/web && npm ci --no-audit --no-fund --loglevel=error)
exec node tools/bench/web/bench.mjs "$@"
