#!/usr/bin/env bash
# Makes the Windows installer from the program folder tools/windows.sh packed
# (build-win/package/vorlen) with wixl, from dist/vorlen.wxs:
#   tools/windows-msi.sh [VERSION [OUT]]
# VERSION defaults to the project's (build-win's CMake cache), OUT to
# build-win/vorlen-VERSION-x64.msi. The installer tests make a higher version with it.
set -euo pipefail
cd "$(dirname "$0")/.."
cache=build-win/CMakeCache.txt
version=${1:-$(sed -n 's/^VORLEN_VERSION:INTERNAL=//p' "$cache")}
out=${2:-build-win/vorlen-$version-x64.msi}
publisher=$(sed -n 's/^VORLEN_PUBLISHER:STRING=//p' "$cache")
package=build-win/package/vorlen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Graph and Sound, a component per file, listed by wixl-heat.
(cd "$package" && find Graph Sound -type f | sort) |
  wixl-heat -p "" --var var.SourceDir --directory-ref INSTALLDIR --component-group Assets --win64 >"$work/assets.wxs"
wixl -a x64 -D Version="$version" -D Publisher="$publisher" -D SourceDir="$package" -D Win64=yes \
  -D Icon=build-win/game/vorlen.ico -o "$out" dist/vorlen.wxs "$work/assets.wxs"
echo "wrote $out"
