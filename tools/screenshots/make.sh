#!/usr/bin/env bash
# Makes the README's pictures in docs/images/, each on the device it shows:
#   tools/screenshots/make.sh [headless] [web] [windows]   (all three when none is named)
#     headless  the title, menu, play, promotion and result screens (vorlen-screenshots)
#     web       the page in a phone-sized Chromium window after e2-e4 and the answer (web.mjs)
#     windows   the game's window under Wine on a virtual screen (the Windows smoke test)
set -euo pipefail
cd "$(dirname "$0")/../.."
. tools/common.sh

[ $# -gt 0 ] || set -- headless web windows
for device in "$@"; do
  case "$device" in
    headless)
      tools/setup.sh
      build_native vorlen-screenshots >/dev/null
      build/bin/vorlen-screenshots docs/images ;;
    web)
      tools/web.sh --build-only
      (cd tests/web && npm ci --no-audit --no-fund --loglevel=error)
      node tools/screenshots/web.mjs docs/images/web.png ;;
    windows)
      tools/windows.sh
      VORLEN_SCALE=2 tests/windows/smoke.sh --screenshot docs/images/windows.png build-win/bin ;;
    *) echo "usage: tools/screenshots/make.sh [headless] [web] [windows]" >&2; exit 2 ;;
  esac
done
