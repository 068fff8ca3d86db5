#!/usr/bin/env bash
# Makes the screenshots the AppStream metadata shows, with the end-to-end
# tests' machinery: each program in a private Xvfb with a faked wall clock
# (so the deals are always the same), driven by xdotool.
# Usage: packaging/make-screenshots.sh [BUILD-DIR]   (default: build)
# Writes packaging/screenshots/*.png; commit them when they change.
here=$(cd "$(dirname "$0")" && pwd)
build=$(readlink -f "${1:-$here/../build}")
out=$here/screenshots
source "$here/../tests/e2e/lib.sh" "$build/quenby/quenby"
mkdir -p "$out"

# The program's window alone, as a PNG without timestamps (so that the same
# picture gives the same file).
window_shot() {
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage -strip "$out/$1.png"
  note "wrote $out/$1.png (${WIDTH}x$HEIGHT)"
}

start_xvfb

# quenby on its green table: Klondike after a deal from the stock and a move,
# then Grannies Clock with the Play menu open over it.
printf '[SETTINGS]\nCOLOR=32768\n' >"$CONFIG/Quenby.ini"
TABLE_RGB="srgb(0,128,0)"
start_quenby
xdotool key alt+p k
wait_title '^Klondike - Quenby'
xdotool mousemove $((CX - 228)) $((CY - 157)) click 1
sleep 0.5
drag $((CX - 263 + 76 * 3 + 35)) $((CY - 51)) $((CX - 263 + 76 * 2 + 35)) $((CY - 31))
xdotool mousemove $((WIN_X + WIN_W - 5)) $((WIN_Y + WIN_H - 5))
sleep 0.5
window_shot quenby-klondike
xdotool key alt+p g
wait_title '^Grannies Clock - Quenby'
sleep 0.5
open_play_menu menu
window_shot quenby-play-menu
xdotool key Escape
xdotool key alt+p x
wait_exit

# tollmere on its first start: Beleaguered Castle (the third game button)
# with the Two of spades played onto its Ace, then Calculation (the fourth).
# It keeps Tollmere.cfg in the folder it starts from: a scratch one.
cd "$WORK"
QT_QPA_PLATFORM=xcb TZ=UTC FAKETIME="2026-01-01 12:00:00" FAKETIME_DONT_FAKE_MONOTONIC=1 LD_PRELOAD=$FAKETIME_LIB \
  "$build/tollmere/tollmere" >"$WORK/tollmere.log" 2>&1 &
APP_PID=$!
WINDOW=$(timeout 20 xdotool search --sync --name ' - Tollmere' | head -n1) || fail "no tollmere window"
timeout 10 xdotool windowfocus --sync "$WINDOW" || fail "cannot focus tollmere"
eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
game_button() { xdotool mousemove $((X + 31 + 38 * ($1 - 1))) $((Y + 44)) click 1; }
game_button 3
sleep 1
drag $((X + 586)) $((Y + 170)) $((X + 411)) $((Y + 470))
xdotool mousemove $((X + 700)) $((Y + 540))
sleep 1
window_shot tollmere-beleaguered-castle
game_button 4
xdotool mousemove $((X + 700)) $((Y + 540))
sleep 1
window_shot tollmere-calculation
xdotool mousemove $((X + 436)) $((Y + 44)) click 1 # Exit, past the Help and About buttons
wait_exit
