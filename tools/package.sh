#!/usr/bin/env bash
# Builds the Debian packages vorlen and vorlen-engine from the source package in debian/ with
# dpkg-buildpackage, in a clean copy of the tree, and prints the packages' paths.
#   tools/package.sh             the binary packages, in build-package/
#   tools/package.sh --source    the source package too (and a .changes naming both)
# VORLEN_PACKAGE_DIR=DIR builds in DIR instead. As root the build dependencies are installed
# first (apt-get build-dep); otherwise dpkg-buildpackage names any that are missing.
set -euo pipefail
cd "$(dirname "$0")/.."

build=-b
case "${1:-}" in
  "") ;;
  --source) build= ;;
  *) echo "usage: tools/package.sh [--source]" >&2; exit 2 ;;
esac
tools/setup.sh package
out=$(realpath -m "${VORLEN_PACKAGE_DIR:-build-package}")
src=$out/vorlen

# A copy of the files a checkout holds (not the build folders beside them): dpkg-buildpackage
# writes the packages into its parent folder, and a source package takes the whole folder.
rm -rf "$out" && mkdir -p "$src"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard | while IFS= read -r -d '' file; do
    [ -e "$file" ] && printf '%s\0' "$file"
  done | tar --null -T - -cf - | tar -xf - -C "$src"
else
  tar --exclude='./build*' --exclude=node_modules --exclude-vcs -cf - . | tar -xf - -C "$src"
fi

if [ "$(id -u)" -eq 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 build-dep -y -qq "$src" >/dev/null
fi
(cd "$src" && dpkg-buildpackage -us -uc $build >"$out/build.log" 2>&1) ||
  { tail -n 40 "$out/build.log" >&2; echo "tools/package.sh: the build failed; see $out/build.log" >&2; exit 1; }
ls "$out"/*.deb
