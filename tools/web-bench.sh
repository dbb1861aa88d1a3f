#!/usr/bin/env bash
# Builds the browser site, the engine tool and the frame benchmark for the browser (and the
# native engine tool to compare with), then prints the browser build's figures, Lighthouse's
# and axe-core's verdicts among them (tools/web-bench/, pinned to Lighthouse 12.2.3 for Node 20).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/web.sh --build-only
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
cmake --build build -j "$(nproc)" --target vorlen-engine
cmake --build build-web -j "$(nproc)" --target vorlen-engine bench-frames
(cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
(cd tools/web-bench && npm ci --no-audit --no-fund --loglevel=error)
exec node tools/web-bench/bench.mjs "$@"
