#!/usr/bin/env bash
# Smoke test of vorlen.exe's real window under Wine on a virtual screen (Xvfb, openbox): the
# title shows at a whole scale, a click on it opens the menu, New game, e2-e4 by clicks, the
# computer answers and the move sound plays (Windows' own PlaySoundW), a resized window
# letterboxes the picture, the close box ends the process with status 0, and a second start
# brings the first to the front and ends. Prints one PASS or FAIL line; exit status 0 on pass.
#   tests/windows/smoke.sh [--screenshot FILE] BIN_DIR
# BIN_DIR holds vorlen.exe, Graph and Sound. Uses $WINEPREFIX when set (prepared), otherwise
# prepares a temporary one. --screenshot writes the window with its frame, showing the
# computer's answer, to FILE (the README's picture). TIMEOUT (seconds a step may take, 60)
# and KEEP=1 (keep the work folder with its captures and Wine logs) help when it fails.
set -euo pipefail

screenshot=""
if [ "${1:-}" = "--screenshot" ]; then screenshot=$(realpath -m "$2"); shift 2; fi
bin=$(realpath "${1:?usage: tests/windows/smoke.sh [--screenshot FILE] BIN_DIR}")

TIMEOUT=${TIMEOUT:-60}  # seconds any one step may take before the test fails
WIDTH=240               # the picture in device pixels
HEIGHT=320
work=$(mktemp -d)
pids=()  # what this script started: the screen, the window manager, the games

# Ends what this script started and removes its files.
clean_up() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  [ -n "${own_prefix:-}" ] && WINEPREFIX=$own_prefix wineserver -k 2>/dev/null || true
  [ -n "${KEEP:-}" ] && echo "kept $work" || rm -rf "$work" ${own_prefix:+"$own_prefix"}
}
trap clean_up EXIT

fail() { echo "FAIL windows smoke: $*"; exit 1; }
step() { echo "-- $*"; }

# Runs a command until it succeeds, at most TIMEOUT seconds.
poll() {
  local deadline=$((SECONDS + TIMEOUT))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.2
  done
}

# ---- The screen and Wine ----
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
poll test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(head -1 "$work/display")
if [ -z "${WINEPREFIX:-}" ]; then
  own_prefix=$(mktemp -d)
  export WINEPREFIX=$own_prefix
  setarch -R wineboot -i >/dev/null 2>&1
else
  # Wine's desktop takes the screen of the first program its server runs: a server of the given
  # prefix that an installer or earlier tests started on no screen, or on one since ended, would
  # leave the game no window. It is ended, so that the game starts Wine afresh on this screen.
  wineserver -k 2>/dev/null || true
  wineserver -w 2>/dev/null || true
fi
openbox >/dev/null 2>&1 &
pids+=($!)

# ---- Helpers on the game's window ----
window=""
scale=0           # the picture's whole scale in the client area
left=0            # where the picture starts in the client area
top=0

# Starts vorlen.exe in the background; its process id in $1's variable, and Wine's record of
# its sound calls in $work/$1.log.
start_game() {
  # A fixed address space, so Wine's fixed mappings always find their place (toolchain.cmake).
  WINEDEBUG=-all,trace+winmm setarch -R wine "$bin/vorlen.exe" >"$work/$1.log" 2>&1 &
  pids+=($!)
  printf -v "$1" %s $!
}

# The visible window titled vorlen (empty when there is none).
find_window() { xdotool search --onlyvisible --name '^vorlen$' 2>/dev/null | head -1; }
window_shown() { [ -n "$(find_window)" ]; }

# Reads the client area's size and where the picture lies in it (largest whole scale, centred).
measure() {
  eval "$(xwininfo -id "$window" | awk '/Width:/ {print "w=" $2} /Height:/ {print "h=" $2}')"
  scale=$((w / WIDTH < h / HEIGHT ? w / WIDTH : h / HEIGHT))
  left=$(((w - WIDTH * scale) / 2))
  top=$(((h - HEIGHT * scale) / 2))
}

# Whether the client area has come to the size $1 x $2 (and the picture's place is measured).
has_size() { measure; [ "$w" -eq "$1" ] && [ "$h" -eq "$2" ]; }

# The picture in the window as 240 x 320 pixels in $1 (PNG): captured, cropped, the scale undone.
capture() {
  import -window "$window" "$work/raw.png"
  convert "$work/raw.png" -crop "$((WIDTH * scale))x$((HEIGHT * scale))+$left+$top" +repage \
    -sample "${WIDTH}x${HEIGHT}!" "$1"
}

# How many pixels of the region WxH+X+Y differ between two pictures (colours within 3%).
differing() {
  convert "$1" -crop "$3" +repage "$work/a.png"
  convert "$2" -crop "$3" +repage "$work/b.png"
  compare -metric AE -fuzz 3% "$work/a.png" "$work/b.png" null: 2>&1 | cut -d' ' -f1 || true
}

# Whether the region WxH+X+Y of the window now matches a picture (at most $3 pixels off) or
# differs from it (more than $3 pixels off).
region_matches() { capture "$work/now.png"; [ "$(differing "$work/now.png" "$1" "$2")" -le "$3" ]; }
region_differs() { capture "$work/now.png"; [ "$(differing "$work/now.png" "$1" "$2")" -gt "$3" ]; }

# A click at a device pixel of the picture.
click() {
  xdotool mousemove --window "$window" $((left + $1 * scale + scale / 2)) $((top + $2 * scale + scale / 2)) click 1
}

# The centre of a square's 30 x 30 cell, by name (e2): file a..h left to right, rank 1 at the bottom.
square_x() { echo $(( ($(printf %d "'${1:0:1}") - 97) * 30 + 15 )); }
square_y() { echo $(( 210 - (${1:1:1} - 1) * 30 + 15 )); }

# Waits for the process to end and checks its exit status.
expect_exit_zero() {
  poll eval "! kill -0 $1 2>/dev/null" || fail "$2 did not end"
  local status=0
  wait "$1" || status=$?
  [ "$status" -eq 0 ] || fail "$2 ended with status $status"
}

# Closes the window through the window manager (Alt+F4: a close request, as the close box).
close_window() {
  xdotool windowactivate --sync "$window" 2>/dev/null || true
  xdotool key --clearmodifiers alt+F4
}

# ---- The run ----
convert "$bin/Graph/panel4.tga" -auto-orient "$work/panel4.png"     # the title's lower panel
convert "$bin/Graph/panel3.tga" -auto-orient "$work/menu.png"       # the menu screen
convert -size ${WIDTH}x${HEIGHT} xc:black "$work/panel4-frame.png"
convert "$work/panel4-frame.png" "$work/panel4.png" -geometry +0+240 -composite "$work/title.png"

step "the title in a window of a whole scale"
start_game game
poll window_shown || fail "no window titled vorlen appeared"
window=$(find_window)
measure
[ $scale -ge 1 ] && [ $w -eq $((WIDTH * scale)) ] && [ $h -eq $((HEIGHT * scale)) ] ||
  fail "the client area is ${w}x${h}, not the picture at a whole scale"
poll region_matches "$work/title.png" 240x80+0+240 200 || fail "the title's lower panel did not show"

step "a click on the title opens the menu"
click 120 280
poll region_matches "$work/menu.png" 240x40+0+0 200 || fail "the menu did not open"

step "New game, then e2-e4 by clicks"
click 57 281
poll region_differs "$work/menu.png" 240x80+0+240 2000 || fail "no game started"
capture "$work/before.png"
click "$(square_x e2)" "$(square_y e2)"
poll region_differs "$work/before.png" 30x30+120+180 50 || fail "e2 was not selected"
click "$(square_x e4)" "$(square_y e4)"
poll region_differs "$work/before.png" 30x30+120+120 50 || fail "the pawn did not reach e4"

step "the computer answers"
# Only Black's moves change Black's half of the board (ranks 5 to 8).
poll region_differs "$work/before.png" 240x120+0+0 50 || fail "the computer did not answer"
grep -q 'SoundName=.*movement\.wav' "$work/game.log" || fail "no move sound was played"
if [ -n "$screenshot" ]; then
  sleep 1  # the answer's slide ends
  mkdir -p "$(dirname "$screenshot")"
  frame=$(xwininfo -tree -id "$window" | awk '/Parent window id:/ {print $4}')
  import -window "$frame" "$screenshot"
fi

step "resized, the picture is letterboxed and clicks still land on it"
xdotool windowsize "$window" 700 700
poll has_size 700 700 || fail "the window did not take the size 700x700"
click 60 282  # Menu
poll region_matches "$work/menu.png" 240x40+0+0 200 || fail "the Menu button did not open the menu"

step "the close box ends the game with status 0"
close_window
expect_exit_zero "$game" "the game"

step "a second start brings the first to the front and ends"
start_game first
poll window_shown || fail "the first instance showed no window"
window=$(find_window)
xdotool windowminimize --sync "$window"
start_game second
expect_exit_zero "$second" "the second start"
poll window_shown || fail "the first instance did not come to the front"
[ "$(xdotool search --name '^vorlen$' | wc -l)" -ge 1 ] || fail "the first window is gone"
close_window
expect_exit_zero "$first" "the first instance"

echo "PASS windows smoke: title at a whole scale, menu, New game, e2-e4, the answer, the move sound, letterbox, close, second start"
