#!/usr/bin/env bash
# Builds vorlen and runs every test.
#   tools/test.sh              the native build in build/
#   tools/test.sh --sanitize   the same tests built with AddressSanitizer and
#                              UndefinedBehaviorSanitizer, in build-sanitize/
#   tools/test.sh --web        the unit and scenario tests built with Emscripten (build-wasm/) under
#                              Node, then the browser build (tools/web.sh) played in headless Chromium,
#                              its replayed sessions compared with vorlen-replay's frames
#   tools/test.sh --uci        vorlen-engine uci driven by node-uci, refereed by ffish (tests/uci)
#   tools/test.sh --package    installs into a temporary prefix and checks what was installed,
#                              then builds the Debian package and checks it
#   tools/test.sh --fuzz       every fuzz target for 45 s (tools/fuzz.sh), in build-fuzz/
#   tools/test.sh --windows    the tests cross-built for Windows (build-win/) under Wine, and
#                              the smoke test of the packed game's window on a virtual screen
set -euo pipefail
cd "$(dirname "$0")/.."

# Configures, builds and runs the CTest tests of one native build folder.
native_tests() {
  local dir=$1; shift
  tools/setup.sh
  cmake -S . -B "$dir" "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
  # The desktop device's own test runs without a screen or a sound card.
  export SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-dummy} SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
  ctest --test-dir "$dir" --output-on-failure --no-tests=error -j "$(nproc)"
}

# Builds the unit and scenario tests with Emscripten and runs them through CTest under Node, with
# the pictures and sounds of the native build. (Some of Emscripten's Node tools find their
# modules only in NODE_PATH.)
wasm_tests() {
  tools/setup.sh web
  local node_path=${NODE_PATH:-/usr/share/nodejs}
  cmake -S . -B build >/dev/null
  cmake --build build -j "$(nproc)" --target vorlen_assets
  NODE_PATH=$node_path cmake -S . -B build-wasm -DCMAKE_TOOLCHAIN_FILE="$PWD/platform/web/toolchain.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DVORLEN_DESKTOP=OFF -DVORLEN_ART_DIR="$PWD/build/bin" >/dev/null
  NODE_PATH=$node_path cmake --build build-wasm -j "$(nproc)"
  ctest --test-dir build-wasm --output-on-failure --no-tests=error -j "$(nproc)"
}

# Builds the site and runs the browser tests (tests/web) with Node's test runner; the replay
# test compares the page with the native vorlen-replay.
web_tests() {
  wasm_tests
  tools/web.sh --build-only
  cmake --build build -j "$(nproc)" --target vorlen-replay
  cd tests/web
  npm ci --no-audit --no-fund --loglevel=error
  node --test
}

# Builds the engine tool and drives its UCI loop with a client from npm (tests/uci).
uci_tests() {
  tools/setup.sh uci
  cmake -S . -B build >/dev/null
  cmake --build build -j "$(nproc)" --target vorlen-engine
  export VORLEN_ENGINE=$PWD/build/bin/vorlen-engine
  cd tests/uci
  npm ci --no-audit --no-fund --loglevel=error
  node --test
}

# How many entries of the given kinds (an extended regex: PICTURE|PIECE, or SOUND) the game's list
# of its files has.
game_file_count() {
  grep -v '^ *//' sound/game_files.h | grep -oE "($1)\([a-z0-9]+," | wc -l
}

# Fails with a message when the condition's command fails.
expect() {
  local what=$1; shift
  "$@" || { echo "package check failed: $what" >&2; exit 1; }
}

# The installed tree: the files expected and nothing else, the game finding all its files,
# valid desktop files; then the .deb's contents, dependencies and lintian's verdict.
package_tests() {
  tools/setup.sh package
  cmake -S . -B build >/dev/null
  cmake --build build -j "$(nproc)" --target vorlen
  local prefix
  prefix=$(mktemp -d)
  trap "rm -rf '$prefix'" EXIT
  cmake --install build --prefix "$prefix" >/dev/null

  local unexpected
  unexpected=$(cd "$prefix" && find . ! -type d | grep -Ev '^\./(bin/vorlen|lib/vorlen/(vorlen|Graph/[a-z0-9]+\.tga|Sound/[a-z0-9]+\.wav)|share/applications/vorlen\.desktop|share/icons/hicolor/(48x48|64x64|128x128|256x256)/apps/vorlen\.png|share/metainfo/[a-z.]+\.metainfo\.xml)$' || true)
  expect "nothing else installed: $unexpected" test -z "$unexpected"
  expect "bin/vorlen links to the game" test "$(readlink -f "$prefix/bin/vorlen")" = "$(realpath "$prefix/lib/vorlen/vorlen")"
  expect "four icon sizes" test "$(find "$prefix/share/icons" -name vorlen.png | wc -l)" -eq 4

  local found
  found=$(VORLEN_CHECK_FILES=1 SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "$prefix/bin/vorlen")
  echo "$found" | tail -1
  local pictures sounds
  pictures=$(game_file_count 'PICTURE|PIECE')
  sounds=$(game_file_count SOUND)
  expect "the installed game reads $pictures pictures and $sounds sounds" \
    grep -q "^$pictures pictures and $sounds sounds beside $prefix/lib/vorlen\$" <<<"$found"
  expect "the pictures and sounds the build made" test \
    "$(grep -oE '(Graph|Sound)/[^ ]+' <<<"$found")" = "$(cd build/bin && ls Graph/*.tga Sound/*.wav)"
  desktop-file-validate "$prefix/share/applications/vorlen.desktop"
  appstreamcli validate --no-net "$prefix"/share/metainfo/*.metainfo.xml

  local deb contents
  deb=$(tools/package.sh | tail -1)
  contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
  for path in ./usr/games/vorlen ./usr/lib/vorlen/vorlen ./usr/share/applications/vorlen.desktop \
      ./usr/share/icons/hicolor/48x48/apps/vorlen.png ./usr/share/doc/vorlen/copyright \
      ./usr/share/doc/vorlen/changelog.gz ./usr/share/man/man6/vorlen.6.gz; do
    expect "$path in the package" grep -qx "$path" <<<"$contents"
  done
  expect "$pictures pictures and $sounds sounds in the package" test \
    "$(grep -c '^\./usr/lib/vorlen/Graph/.*\.tga$' <<<"$contents")/$(grep -c '^\./usr/lib/vorlen/Sound/.*\.wav$' <<<"$contents")" = "$pictures/$sounds"
  expect "nothing outside /usr/games, /usr/lib/vorlen and /usr/share" test -z \
    "$(grep -Ev '^\./(usr/?|usr/games/.*|usr/lib/?|usr/lib/vorlen/.*|usr/share/.*)$' <<<"$contents" | grep -v '^\./$' || true)"
  expect "SDL among the dependencies" grep -q 'libsdl2-2.0-0' <<<"$(dpkg-deb -f "$deb" Depends)"
  lintian --fail-on error "$deb"
  echo "package checks passed: $deb"
}

# Cross-builds for Windows and runs the tests and the smoke test under Wine, in a Wine prefix
# prepared once for the run in a temporary folder.
windows_tests() {
  tools/windows.sh
  WINEPREFIX=$(mktemp -d)
  export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
  wineserver -p  # one server for the whole run rather than one per program
  setarch -R wineboot -i >/dev/null 2>&1  # a fixed address space, as for the tests (toolchain.cmake)
  ctest --test-dir build-win --output-on-failure --no-tests=error -j "$(nproc)"
  # The smoke test plays the game as packed, from a folder of its own.
  unzip -q build-win/vorlen-windows.zip -d "$WINEPREFIX/unpacked"
  tests/windows/smoke.sh "$WINEPREFIX/unpacked/vorlen"
}

case "${1:-}" in
  "") native_tests build ;;
  --sanitize) native_tests build-sanitize -DVORLEN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug ;;
  --web) web_tests ;;
  --uci) uci_tests ;;
  --package) package_tests ;;
  --fuzz) tools/fuzz.sh 45 ;;
  --windows) windows_tests ;;
  *) echo "usage: tools/test.sh [--sanitize|--web|--uci|--package|--fuzz|--windows]" >&2; exit 2 ;;
esac
