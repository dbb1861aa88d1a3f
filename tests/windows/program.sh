#!/usr/bin/env bash
# Checks the vorlen.exe players get, without running it: the header names Windows 7 (6.1) as the
# oldest Windows and a window program; it imports only functions Windows 7 has (the allow-list
# windows7-imports.txt beside this script); it is stripped, under 400 KB, and names its debug
# file; and its resources hold the icon at every size, the manifest and the version.
#   tests/windows/program.sh VORLEN_EXE VERSION
set -euo pipefail
exe=${1:?usage: tests/windows/program.sh VORLEN_EXE VERSION}
version=${2:?usage: tests/windows/program.sh VORLEN_EXE VERSION}
here=$(dirname "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

x86_64-w64-mingw32-objdump -p "$exe" >"$work/headers"
x86_64-w64-mingw32-objdump -h "$exe" >"$work/sections"

# A header field's value, e.g. header MajorOSystemVersion.
header() { awk -v k="$1" '$1 == k { print $2; exit }' "$work/headers"; }
for field in MajorOSystemVersion MajorSubsystemVersion; do [ "$(header $field)" = 6 ] || fail "$field is $(header $field), not 6"; done
for field in MinorOSystemVersion MinorSubsystemVersion; do [ "$(header $field)" = 1 ] || fail "$field is $(header $field), not 1"; done
[ "$(header Subsystem)" = 00000002 ] || fail "not a window program (subsystem $(header Subsystem))"

# Every imported function, as "dll Function", against the allow-list.
awk '/DLL Name:/ { dll = tolower($3) } /^\t[0-9a-f]+\t +[0-9]+  [A-Za-z_]/ { print dll, $3 }' "$work/headers" |
  sort -u >"$work/imports"
[ -s "$work/imports" ] || fail "no imports read"
grep -v '^#' "$here/windows7-imports.txt" | sort -u >"$work/allowed"
while read -r dll function; do fail "imports $function from $dll, which is not known to be in Windows 7"; done \
  < <(comm -23 "$work/imports" "$work/allowed")

# Stripped, small, and naming its debug information.
grep -q ' \.debug_' "$work/sections" && fail "debug information is shipped"
grep -q ' \.gnu_debuglink ' "$work/sections" || fail "no .gnu_debuglink to the debug file"
size=$(stat -c %s "$exe")
[ "$size" -lt 409600 ] || fail "$size bytes, not under 400 KB"

# The resources: the icon (group 101) at every size, the manifest, the version.
wrestool -x --type=14 --name=101 "$exe" >"$work/icon.ico" 2>/dev/null || true
sizes=$(icotool -l "$work/icon.ico" 2>/dev/null | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | sort -n | tr '\n' ' ')
[ "$sizes" = "16 20 24 32 40 48 64 256 " ] || fail "the icon's sizes are '$sizes'"
wrestool -x --raw --type=24 --name=1 "$exe" >"$work/manifest" 2>/dev/null || true
for text in 'level="asInvoker"' '{35138b9a-5d96-4fbd-8e2d-a2440225f93a}' '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' \
    '>PerMonitorV2, System<' ">true</dpiAware>" "version=\"$version.0\""; do
  grep -qF "$text" "$work/manifest" || fail "the manifest lacks $text"
done
wrestool -x --raw --type=16 --name=1 "$exe" | tr -d "\0" >"$work/version" 2>/dev/null || true
for text in ProductName FileDescription OriginalFilename vorlen.exe "$version"; do
  grep -qF "$text" "$work/version" || fail "the version resource lacks $text"
done

[ "$failures" -eq 0 ] || exit 1
echo "PASS: Windows 7 header and imports ($(wc -l <"$work/imports") functions), $size bytes stripped, icon sizes $sizes, manifest, version $version"
