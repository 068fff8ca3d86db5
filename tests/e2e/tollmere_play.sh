#!/usr/bin/env bash
# Tollmere as a player meets it: the title picture at start, Calculation dealt
# from the toolbar, a card dragged, the game saved with Ctrl+S, the program
# closed with Exit, started again, the game opened with Ctrl+O and shown
# exactly as it was; the records file counts both plays.
source "$(dirname "$0")/lib.sh"

TABLE_RGB="srgb(0,64,64)"
start_xvfb
start_tollmere
note "window ${WIN_W}x${WIN_H}, view ${VIEW_W}x${VIEW_H} at ($VIEW_LEFT,$VIEW_TOP)"
[[ $(xdotool getwindowname "$WINDOW") == "Untitled - Tollmere" ]] || fail "caption $(xdotool getwindowname "$WINDOW")"

# The title picture, 380 by 308, in the middle of the table.
shot title
cx=$((VIEW_LEFT + VIEW_W / 2)) cy=$((VIEW_TOP + VIEW_H / 2))
[[ $(pixel title "$cx" "$cy") != "$TABLE_RGB" ]] || fail "no title picture"
[[ $(pixel title $((cx - 180)) $((cy - 140))) != "$TABLE_RGB" ]] || fail "title picture too small"
[[ $(pixel title $((cx - 200)) "$cy") == "$TABLE_RGB" ]] || fail "title picture too wide"

# The game toolbar's fourth button is Calculation: 38-pixel buttons after the
# toolbar's handle, in the row above the view.
button() { xdotool mousemove $((WIN_X + 32 + 39 * $1)) $((VIEW_TOP - 23)) click 1; }
button 3
wait_change title dealt
# Centred: the table is 471 by 206; the stock, then four foundations, and
# four empty wastes below them.
left=$((VIEW_LEFT + VIEW_W / 2 - 235)) top=$((VIEW_TOP + VIEW_H / 2 - 103))
stock_x=$((left + 35)) stock_y=$((top + 48))
waste_x=$((left + 135)) waste_y=$((top + 158))
[[ $(pixel dealt "$stock_x" "$stock_y") != "$TABLE_RGB" ]] || fail "no stock"
[[ $(pixel dealt "$waste_x" "$waste_y") == "$TABLE_RGB" ]] || fail "the waste is not empty"
[[ $(pixel dealt $((left + 100)) $((top + 110))) == "srgb(0,0,0)" ]] || fail "no outline round the first waste"

# The stock's top card dragged onto the first waste turns face up there.
drag "$stock_x" "$stock_y" "$waste_x" "$waste_y"
wait_change dealt moved
crop_card dealt "$left" "$top" back
crop_card moved $((left + 100)) $((top + 110)) face
[[ $(differ back face) != 0 ]] || fail "the moved card shows its back"
[[ $(pixel moved "$waste_x" "$waste_y") != "$TABLE_RGB" ]] || fail "no card on the waste"
convert "$WORK/moved.png" -crop "${VIEW_W}x${VIEW_H}+${VIEW_LEFT}+${VIEW_TOP}" +repage "$WORK/table-before.png"

# Ctrl+S, a name without its extension: saved as game.Sol, 53 records.
xdotool key ctrl+s
answer_dialog "Save Game" "$WORK/home/game"
for _ in $(seq 50); do [[ -s $WORK/home/game.Sol ]] && break; sleep 0.1; done
[[ $(stat -c %s "$WORK/home/game.Sol") == 848 ]] || fail "game.Sol is $(stat -c %s "$WORK/home/game.Sol") bytes"

# Exit, the last button.
button 10
wait_exit
played() { od -An -t d4 -j $((72 + 4 * 3)) -N 4 "$WORK/home/Tollmere.cfg" | tr -d ' '; }
[[ $(stat -c %s "$WORK/home/Tollmere.cfg") == 140 ]] || fail "Tollmere.cfg is not 140 bytes"
[[ $(played) == 1 ]] || fail "Calculation played $(played) times, not once"

# Again: the title picture, then Ctrl+O brings the saved game back exactly.
start_tollmere
shot title2
xdotool key ctrl+o
answer_dialog "Open Game" "$WORK/home/game.Sol"
wait_change title2 reopened
sleep 0.3
shot reopened
convert "$WORK/reopened.png" -crop "${VIEW_W}x${VIEW_H}+${VIEW_LEFT}+${VIEW_TOP}" +repage "$WORK/table-after.png"
[[ $(differ table-before table-after) == 0 ]] || fail "the reopened table differs in $(differ table-before table-after) pixels"
button 10
wait_exit
[[ $(played) == 2 ]] || fail "reopening did not count as a play"
note "passed"
