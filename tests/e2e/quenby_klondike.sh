#!/usr/bin/env bash
# Klondike chosen from the keyboard, a stock click and a move by dragging,
# then GAME=500 written at exit and checked in the menu at the next start.
source "$(dirname "$0")/lib.sh"

start_xvfb
printf '[SETTINGS]\nCOLOR=32768\n' >"$CONFIG/Quenby.ini"
TABLE_RGB="srgb(0,128,0)"
start_quenby
note "window ${WIN_W}x${WIN_H}, table from y=$VIEW_TOP, centre ($CX,$CY)"

open_play_menu menu1
grannies_y=$(check_mark_y menu1)
xdotool key k
wait_title '^Klondike - Quenby'

# Places (top-left corners) of the stock, the waste and the columns.
stock_x=$((CX - 263)) row1_y=$((CY - 205))
waste_x=$((CX - 187))
column_x() { echo $((CX - 263 + 76 * ($1 - 1))); }
row2_y=$((CY - 99))

shot deal
[[ $(pixel deal $((stock_x + 35)) $((row1_y + 48))) != "$TABLE_RGB" ]] || fail "no stock"
[[ $(pixel deal $((waste_x + 35)) $((row1_y + 48))) == "$TABLE_RGB" ]] || fail "waste not empty"

# A click on the stock turns its top card onto the waste.
xdotool mousemove $((stock_x + 35)) $((row1_y + 48)) click 1
wait_change deal turned
[[ $(pixel turned $((waste_x + 35)) $((row1_y + 48))) != "$TABLE_RGB" ]] || fail "no card on the waste"

# In this deal the Four of diamonds (column 4) goes onto the Five of spades
# (column 3): it lands 20 pixels below the Five, and the card under it in
# column 4 is turned up.
four_x=$(column_x 4) five_x=$(column_x 3)
crop_card turned "$four_x" "$row2_y" four-before
drag $((four_x + 35)) $((row2_y + 48)) $((five_x + 35)) $((row2_y + 68))
wait_change turned moved
crop_card moved "$five_x" $((row2_y + 20)) four-after
[[ $(differ four-before four-after) == 0 ]] || fail "the Four is not on the Five ($(differ four-before four-after) pixels differ)"
crop_card moved "$four_x" "$row2_y" exposed
[[ $(differ four-before exposed) != 0 ]] || fail "column 4 still shows the Four"
[[ $(pixel moved $((four_x + 35)) $((row2_y + 48))) != "$TABLE_RGB" ]] || fail "column 4 is empty"
crop_card deal "$stock_x" "$row1_y" back
[[ $(differ back exposed) != 0 ]] || fail "the exposed card was not turned up"

xdotool key alt+p x
wait_exit
grep -qx 'GAME=500' "$CONFIG/Quenby.ini" || fail "GAME=500 not written: $(cat "$CONFIG/Quenby.ini")"
grep -qx 'COLOR=32768' "$CONFIG/Quenby.ini" || fail "COLOR not kept"

# The next start checks Klondike, one row below Grannies Clock.
start_quenby
wait_title '^Welcome - Quenby'
open_play_menu menu2
klondike_y=$(check_mark_y menu2)
note "check mark at y=$grannies_y before, y=$klondike_y after"
((grannies_y > 0 && klondike_y - grannies_y >= 15 && klondike_y - grannies_y <= 40)) ||
  fail "Klondike is not checked one row below Grannies Clock"
xdotool key Escape
xdotool key alt+p x
wait_exit
note "ok"
