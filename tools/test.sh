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
#                              then builds the Debian packages twice (reproducibility), runs
#                              lintian and their autopkgtest tests (debian/tests), as root
#   tools/test.sh --fuzz       every fuzz target for 45 s (tools/fuzz.sh), in build-fuzz/
#   tools/test.sh --windows    the tests cross-built for Windows (build-win/) under Wine, the
#                              installer's test (install, upgrade, uninstall) with the smoke test
#                              of the installed game's window on a virtual screen
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/common.sh

# Configures, builds and runs the CTest tests of one native build folder. The tests are asked for
# whatever the folder's cache holds, since the README's install recipe configures build/ without.
native_tests() {
  local dir=$1; shift
  tools/setup.sh
  cmake -S . -B "$dir" -DVORLEN_TESTS=ON "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
  # The desktop device's own test runs without a screen or a sound card.
  export SDL_VIDEODRIVER=${SDL_VIDEODRIVER:-dummy} SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
  ctest --test-dir "$dir" --output-on-failure --no-tests=error -j "$(nproc)"
}

# Builds the unit and scenario tests with Emscripten and runs them through CTest under Node, with
# the pictures and sounds of the native build.
wasm_tests() {
  tools/setup.sh web
  build_native vorlen_assets
  (
    export_emscripten_node_path
    cmake -S . -B build-wasm -DCMAKE_TOOLCHAIN_FILE="$PWD/platform/web/toolchain.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DVORLEN_DESKTOP=OFF -DVORLEN_ART_DIR="$PWD/build/bin" >/dev/null
    cmake --build build-wasm -j "$(nproc)"
  )
  ctest --test-dir build-wasm --output-on-failure --no-tests=error -j "$(nproc)"
}

# Builds the site and runs the browser tests (tests/web) with Node's test runner; the replay
# test compares the page with the native vorlen-replay.
web_tests() {
  wasm_tests
  tools/web.sh --build-only
  build_native vorlen-replay
  cd tests/web
  npm ci --no-audit --no-fund --loglevel=error
  node --test
}

# Builds the engine tool and drives its UCI loop with a client from npm (tests/uci).
uci_tests() {
  tools/setup.sh uci
  build_native vorlen-engine
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
# valid desktop files; then the Debian packages (package_checks).
package_tests() {
  tools/setup.sh package
  build_native vorlen vorlen-engine
  local prefix
  prefix=$(mktemp -d)
  trap "rm -rf '$prefix'" EXIT
  cmake --install build --prefix "$prefix" >/dev/null

  local unexpected
  unexpected=$(cd "$prefix" && find . ! -type d | grep -Ev '^\./(bin/vorlen|bin/vorlen-engine|lib/vorlen/(vorlen|Graph/[a-z0-9]+\.tga|Sound/[a-z0-9]+\.wav)|share/applications/vorlen\.desktop|share/icons/hicolor/(48x48|64x64|128x128|256x256)/apps/vorlen\.png|share/metainfo/[a-z.]+\.metainfo\.xml)$' || true)
  expect "nothing else installed: $unexpected" test -z "$unexpected"
  expect "bin/vorlen links to the game" test "$(readlink -f "$prefix/bin/vorlen")" = "$(realpath "$prefix/lib/vorlen/vorlen")"
  expect "four icon sizes" test "$(find "$prefix/share/icons" -name vorlen.png | wc -l)" -eq 4
  expect "the installed engine answers uciok without arguments" test "$(echo uci | "$prefix/bin/vorlen-engine" | tail -1)" = uciok

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
  rm -rf "$prefix" && trap - EXIT
  package_checks
}

# The source and binary packages built by dpkg-buildpackage: their contents, lintian's verdict
# (no error or warning, even pedantic), a second build elsewhere and later that gives the same
# .deb files byte for byte, and the autopkgtest tests against the installed packages (as root,
# on this machine).
package_checks() {
  [ "$(id -u)" -eq 0 ] || { echo "package checks: run as root (autopkgtest installs the packages)" >&2; exit 1; }
  # Both builds compile everything, so that what is compared is the compiler's own output.
  export CCACHE_DISABLE=1
  tools/package.sh --source
  local out=build-package deb
  deb=$(ls $out/vorlen_*.deb)
  local pictures sounds
  pictures=$(game_file_count 'PICTURE|PIECE')
  sounds=$(game_file_count SOUND)
  expect "$pictures pictures and $sounds sounds in the game's package" test \
    "$(dpkg-deb -c "$deb" | grep -c '/usr/lib/vorlen/Graph/.*\.tga$')/$(dpkg-deb -c "$deb" | grep -c '/usr/lib/vorlen/Sound/.*\.wav$')" = "$pictures/$sounds"
  expect "the engine in its package under /usr/games" grep -q ' ./usr/games/vorlen-engine$' <<<"$(dpkg-deb -c $out/vorlen-engine_*.deb)"
  lintian --pedantic --display-info --fail-on error,warning $out/*.changes

  # The second build: another folder, time zone, locale and umask (kept when it differs).
  local again
  again=$(mktemp -d)
  (umask 0002 && TZ=Pacific/Kiritimati LC_ALL=C.UTF-8 VORLEN_PACKAGE_DIR="$again/elsewhere" tools/package.sh >/dev/null)
  for deb in $out/*.deb; do
    expect "$(basename "$deb") built again in $again/elsewhere is the same" cmp "$deb" "$again/elsewhere/$(basename "$deb")"
  done
  rm -rf "$again"
  echo "reproducible: $(cd $out && ls *.deb | tr '\n' ' ')"

  # autopkgtest's apt waits for a machine's other installs rather than failing at once.
  local apt_config
  apt_config=$(mktemp)
  echo 'DPkg::Lock::Timeout "900";' >"$apt_config"
  APT_CONFIG=$apt_config autopkgtest $out/*.changes -- null
  rm -f "$apt_config"
  echo "package checks passed"
}

# Cross-builds for Windows and runs the tests under Wine, in a Wine prefix prepared once for the
# run in a temporary folder; then the installer's test, which runs the smoke test on the installed
# game with Wine reporting Windows 7 and checks that it is the zip's program.
windows_tests() {
  tools/windows.sh
  WINEPREFIX=$(mktemp -d)
  # winemenubuilder would put the installer's shortcut in the host's menus, under $HOME.
  export WINEPREFIX WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
  trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
  wineserver -p  # one server for the whole run rather than one per program
  setarch -R wineboot -i >/dev/null 2>&1  # a fixed address space, as for the tests (toolchain.cmake)
  # The session tests open the Windows device's real window: CTest runs on a virtual screen.
  exec 3>"$WINEPREFIX/display"
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  windows_screen=$!
  trap 'kill "$windows_screen" 2>/dev/null || true; wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
  while [ ! -s "$WINEPREFIX/display" ]; do sleep 0.2; done
  DISPLAY=:$(head -1 "$WINEPREFIX/display") ctest --test-dir build-win --output-on-failure --no-tests=error -j "$(nproc)"
  kill "$windows_screen"
  exec 3>&-
  local version higher
  version=$(sed -n 's/^VORLEN_VERSION:INTERNAL=//p' build-win/CMakeCache.txt)
  higher=$(awk -F. '{ print $1 "." $2 "." $3 + 1 }' <<<"$version")
  tools/windows-msi.sh "$higher" "$WINEPREFIX/vorlen-$higher-x64.msi"
  unzip -q build-win/vorlen-windows.zip -d "$WINEPREFIX/unpacked"
  # The server kept for the tests ends with their screen: the installed game's smoke test starts
  # Wine again on a screen of its own.
  wineserver -k
  tests/windows/installer.sh "$WINEPREFIX/unpacked/vorlen" "build-win/vorlen-$version-x64.msi" \
    "$WINEPREFIX/vorlen-$higher-x64.msi"
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
