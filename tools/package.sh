#!/usr/bin/env bash
# Builds the Debian package build-package/vorlen_<version>_<arch>.deb: the game as installed
# under /usr, its copyright, changelog and manual page, and the dependencies dpkg-shlibdeps
# finds. The version is the project's (CMake's project(VERSION)).
#   tools/package.sh    prints the package's path last
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh package

out=build-package
maintainer=${VORLEN_MAINTAINER:-"vorlen developers <maintainers@vorlen.org>"}

# Built as Debian builds packages: its compiler and linker flags (hardening), no tests, and
# the game started from /usr/games.
cmake -S . -B "$out" -DCMAKE_BUILD_TYPE=None -DVORLEN_TESTS=OFF -DVORLEN_INSTALL_BINDIR=games \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" >/dev/null
cmake --build "$out" -j "$(nproc)" --target vorlen >/dev/null
version=$(sed -n 's/^VORLEN_VERSION:INTERNAL=//p' "$out/CMakeCache.txt")
arch=$(dpkg --print-architecture)
home=$(sed -n 's/^VORLEN_HOME_URL:STRING=//p' "$out/CMakeCache.txt")

# The package's tree, where dpkg-shlibdeps expects it, beside the debian/control it reads.
work=$(realpath -m "$out/deb")
root=$work/debian/vorlen
rm -rf "$work"
DESTDIR=$root cmake --install "$out" --prefix /usr --strip >/dev/null

# What Debian expects of every package's documentation, compressed as it wants.
doc=$root/usr/share/doc/vorlen
install -D -m 644 dist/copyright "$doc/copyright"
{
  echo "vorlen ($version) unstable; urgency=medium"
  echo
  echo "  * Release $version."
  echo
  echo " -- $maintainer  $(git log -1 --format=%cD 2>/dev/null || date -R)"
} | gzip -9n >"$doc/changelog.gz"
install -d "$root/usr/share/man/man6"
sed "s/@VERSION@/$version/" dist/vorlen.6 | gzip -9n >"$root/usr/share/man/man6/vorlen.6.gz"
find "$root" -type d -exec chmod 755 {} +
find "$root" -type f -exec chmod 644 {} +
chmod 755 "$root/usr/lib/vorlen/vorlen"

install -d "$root/DEBIAN"  # also tells dpkg-shlibdeps where the package's tree begins
printf 'Source: vorlen\n\nPackage: vorlen\nArchitecture: any\n' >"$work/debian/control"
depends=$(cd "$work" && dpkg-shlibdeps -O debian/vorlen/usr/lib/vorlen/vorlen | sed -n 's/^shlibs:Depends=//p')

cat >"$root/DEBIAN/control" <<CONTROL
Package: vorlen
Version: $version
Architecture: $arch
Maintainer: $maintainer
Installed-Size: $(du -sk "$root/usr" | cut -f1)
Depends: $depends
Section: games
Priority: optional
Homepage: $home
Description: losing chess (antichess) against the computer or a friend
 vorlen is a game of losing chess: capturing is compulsory, the king is an
 ordinary piece, and the side that loses all its pieces, or has no legal
 move, wins. Play White against the computer at one of fifteen levels, share
 the board with a friend, or watch the computer play both sides, with chess
 clocks and take-back.
CONTROL
(cd "$root" && find usr -type f -exec md5sum {} + | sort -k 2) >"$root/DEBIAN/md5sums"
chmod 644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"

package=$out/vorlen_${version}_${arch}.deb
dpkg-deb --root-owner-group -Zxz --build "$root" "$package" >/dev/null
echo "$package"
