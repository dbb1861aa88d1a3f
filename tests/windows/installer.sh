#!/usr/bin/env bash
# The installer under Wine, with Wine reporting Windows 7: msiexec /i ... /qn installs the game for
# the user alone into %LOCALAPPDATA%\Programs\vorlen (exactly the program folder as zipped), its
# Start menu shortcut leads to the installed vorlen.exe, which passes the smoke test (smoke.sh),
# Installed apps lists it with its icon, version and publisher, and its files are the zip's; a
# higher version installed over it leaves one installation, of that version; msiexec /x removes
# every file and registry entry it made (the game's own folder of kept games stays, the player's). Prints one PASS or FAIL line; exit status 0 on pass.
#   tests/windows/installer.sh PROGRAM_DIR MSI HIGHER_MSI
# Uses $WINEPREFIX, which must be prepared (wineboot -i).
set -euo pipefail
folder=$(realpath "${1:?usage: tests/windows/installer.sh PROGRAM_DIR MSI HIGHER_MSI}")
msi=$(realpath "${2:?}")
higher=$(realpath "${3:?}")
here=$(dirname "$0")
: "${WINEPREFIX:?a prepared Wine prefix}"
# No menu entries or icons for the host's desktop (winemenubuilder would write them into $HOME).
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe=d"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL windows installer: $*"; exit 1; }
step() { echo "-- $*"; }
# A Wine program with a fixed address space (see platform/win32/toolchain.cmake).
wine_run() { setarch -R wine "$@"; }
# A property of an installer database, e.g. msi_property FILE ProductVersion.
msi_property() { msiinfo export "$1" Property | awk -F'\t' -v k="$2" '$1 == k { print $2 }' | tr -d '\r'; }
# A Windows folder of the user as a host path, e.g. user_folder LOCALAPPDATA.
user_folder() { winepath -u "$(wine_run cmd /c echo "%$1%" | tr -d '\r')"; }
# Every file and folder of the Windows drive.
drive_files() { (cd "$WINEPREFIX/drive_c" && find . | sort); }
# The lines of the user's software keys and the Installed apps keys that match a pattern.
registry_lines() {
  for key in 'HKCU\Software' 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'; do
    wine_run reg query "$key" /s 2>/dev/null | tr -d '\r' | grep -iE "$1" || true
  done
}
# The Installed apps entries named vorlen, as "DisplayVersion Publisher" lines.
installed_entries() {
  for root in HKCU HKLM; do
    wine_run reg query "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s 2>/dev/null | tr -d '\r' |
      awk '/^HKEY/ { name = ""; version = ""; publisher = "" }
           $1 == "DisplayName" { name = $3 }
           $1 == "DisplayVersion" { version = $3 }
           $1 == "Publisher" { $1 = $2 = ""; publisher = substr($0, 3) }
           $1 == "WindowsInstaller" && name == "vorlen" { print version, publisher }'
  done
}
# The first Windows path with this extension that a shortcut holds (its target: exe, its icon: ico).
shortcut_path() { { strings "$1"; strings -e l "$1"; } | grep -m1 -oE "[A-Z]:\\\\.*\\.$2\$"; }
# Packed form of a product code, as the installer keeps it in the registry.
packed_code() {
  local c=${1//[\{\}-]/} out="" i
  for part in "${c:0:8}" "${c:8:4}" "${c:12:4}"; do out+=$(echo "$part" | rev); done
  for i in 16 18 20 22 24 26 28 30; do out+=${c:$((i + 1)):1}${c:$i:1}; done
  echo "$out"
}

version=$(msi_property "$msi" ProductVersion)
new_version=$(msi_property "$higher" ProductVersion)
publisher=$(msi_property "$msi" Manufacturer)
code=$(msi_property "$msi" ProductCode)
new_code=$(msi_property "$higher" ProductCode)

wine_run reg add 'HKCU\Software\Wine' /v Version /d win7 /f >/dev/null
[ "$(wine_run cmd /c ver | tr -d '\r' | grep -o '6\.1\.[0-9]*')" != "" ] || fail "Wine does not report Windows 7"
drive_files >"$work/before"

step "msiexec /i installs version $version for the user"
wine_run msiexec /i "$msi" /qn || fail "msiexec /i ended with status $?"
installed=$(user_folder LOCALAPPDATA)/Programs/vorlen
[ -d "$installed" ] || fail "nothing in %LOCALAPPDATA%\\Programs\\vorlen"
diff <(cd "$folder" && find . | sort) <(cd "$installed" && find . | sort) >/dev/null ||
  fail "the installed files are not the program folder's"
for file in $(cd "$folder" && find . -type f); do cmp -s "$folder/$file" "$installed/$file" || fail "$file differs"; done

step "the Start menu shortcut leads to the installed game"
shortcut="$(user_folder APPDATA)/Microsoft/Windows/Start Menu/Programs/vorlen.lnk"
[ -f "$shortcut" ] || fail "no Start menu shortcut"
target=$(winepath -u "$(shortcut_path "$shortcut" exe)")
[ "$(realpath "$target")" = "$(realpath "$installed/vorlen.exe")" ] || fail "the shortcut leads to $target"
icon=$(shortcut_path "$shortcut" ico || true)
[ -n "$icon" ] && [ -f "$(winepath -u "$icon")" ] || fail "the shortcut's icon '$icon' is missing"

step "the installed game plays"
"$here/smoke.sh" "$installed" || fail "the installed game failed its smoke test"

step "Installed apps lists it with its icon, version and publisher"
[ "$(installed_entries)" = "$version $publisher" ] || fail "Installed apps lists '$(installed_entries)'"
product_icon=$(wine_run reg query "HKCU\\Software\\Microsoft\\Installer\\Products\\$(packed_code "$code")" /v ProductIcon |
  tr -d '\r' | awk '$1 == "ProductIcon" { $1 = $2 = ""; print substr($0, 3) }')
[ -n "$product_icon" ] && [ -f "$(winepath -u "$product_icon")" ] || fail "no icon for Installed apps"


step "version $new_version over it leaves one installation"
wine_run msiexec /i "$higher" /qn || fail "msiexec /i of the higher version ended with status $?"
[ "$(installed_entries)" = "$new_version $publisher" ] || fail "after the upgrade Installed apps lists '$(installed_entries)'"
[ -f "$installed/vorlen.exe" ] || fail "the upgrade left no game"
left=$(registry_lines "$(packed_code "$code")|${code//[\{\}]/}")
[ -z "$left" ] || fail "the older version's registry entries remain: $left"

step "msiexec /x removes every file and registry entry"
wine_run msiexec /x "$higher" /qn || fail "msiexec /x ended with status $?"
drive_files >"$work/after"
# Windows Installer's own folders (its cache) may stay, empty, and the game's folder for its kept
# game, which the player's play made.
left=$(comm -13 "$work/before" "$work/after" |
  grep -vxE '\./(windows/Installer|users/[^/]+/AppData/Roaming/Microsoft/Installer|users/[^/]+/AppData/Local/vorlen)' || true)
[ -z "$left" ] || fail "left behind: $left"
left=$(registry_lines "vorlen|$(packed_code "$new_code")|${new_code//[\{\}]/}")
[ -z "$left" ] || fail "registry entries left behind: $left"

echo "PASS windows installer: per-user install of $version, shortcut, Installed apps entry, upgrade to $new_version, clean uninstall"
