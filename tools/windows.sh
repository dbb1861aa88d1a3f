#!/usr/bin/env bash
# Cross-builds vorlen for 64-bit Windows into build-win/ and packs build-win/vorlen-windows.zip:
# vorlen.exe (optimised and stripped, the C and C++ runtimes linked in; its debug information
# stays in build-win/bin/vorlen.debug), Graph/, Sound/ and README.txt; and the same folder as the
# installer build-win/vorlen-<version>-x64.msi (tools/windows-msi.sh). The pictures and sounds
# are painted by a native build in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/common.sh
tools/setup.sh windows

build_native vorlen_assets
cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=platform/win32/toolchain.cmake \
  -DVORLEN_ART_DIR="$PWD/build/bin" >/dev/null
cmake --build build-win -j "$(nproc)"

package=build-win/package/vorlen
rm -rf build-win/package build-win/vorlen-windows.zip build-win/vorlen-*.msi
mkdir -p "$package"
cp -r build-win/bin/vorlen.exe build-win/bin/Graph build-win/bin/Sound "$package"
sed 's/$/\r/' platform/win32/README.txt >"$package/README.txt"  # Windows line ends for Notepad
(cd build-win/package && zip -qr ../vorlen-windows.zip vorlen)
echo "wrote build-win/vorlen-windows.zip"
tools/windows-msi.sh
