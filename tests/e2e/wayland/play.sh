#!/usr/bin/env bash
# Play under sway as a tiling compositor gives it: each window full-screen,
# whatever size it asked for. quenby: Klondike from the Play menu's keys, a
# stock click and a move dragged with the virtual pointer, a drag that comes
# back leaving the window as it was, a move made by keys alone, the help
# window, then GAME=500 written
# at Exit. tollmere: a game from its toolbar, the Save Game dialog
# answered from the keyboard, and the lock-key indicators following Caps Lock
# and Num Lock, which only key events tell a Wayland client.
#   play.sh QUENBY TOLLMERE WLINPUT
source "$(dirname "$0")/../lib.sh"
TOLLMERE_BIN=$(readlink -f "$2")
WLINPUT=$(readlink -f "$3")
source "$(dirname "$0")/lib.sh"

# The first row of window screenshot $1 whose pixel in column $2 shows
# $TABLE_RGB.
first_table_row() {
  convert "$WORK/$1.ppm" -crop "1x$((WL_H / 2))+$2+0" +repage txt:- |
    awk -F'[,: ]+' -v want="${TABLE_RGB#srgb}" '!found && index($0, want) { print $2; found = 1 }'
}
# A logical point of the window, for wlinput.
at() { echo "$((WL_X + $1)) $((WL_Y + $2))"; }
crop_card() { convert "$WORK/$1.ppm" -crop "71x96+$2+$3" +repage "$WORK/$4.ppm"; }
differ_ppm() { compare -metric AE "$WORK/$1.ppm" "$WORK/$2.ppm" null: 2>&1 || true; }
wait_gone() {
  for _ in $(seq 100); do kill -0 "$WL_APP_PID" 2>/dev/null || { WL_APP_PID=; return 0; }; sleep 0.1; done
  fail "the program did not exit"
}

start_sway 1 tiled
wl_input move $((OUTPUT_W - 4)) 4

note "quenby in a full-screen window"
quenby=$(stage "$QUENBY")
stage "$(dirname "$QUENBY")/quenby.html" >/dev/null
mkdir -p "$WL_HOME/home/config"
printf '[SETTINGS]\nCOLOR=32768\n' >"$WL_HOME/home/config/Quenby.ini"
TABLE_RGB="srgb(0,128,0)"
wl_start "$quenby" ' - Quenby'
[[ "$WL_W"x"$WL_H" == "${OUTPUT_W}x$OUTPUT_H" ]] || fail "the window is ${WL_W}x$WL_H, not the whole output"
wl_shot before-menu
wl_keys alt+p
wait_new wl_shot before-menu menu
wl_keys k
wl_wait_title '^Klondike - Quenby'
settle wl_shot deal
view_top=$(first_table_row deal 3)
[[ -n $view_top ]] || fail "no table in the quenby window"
cx=$((WL_W / 2)) cy=$((view_top + (WL_H - view_top) / 2))
stock_x=$((cx - 263)) row1_y=$((cy - 205)) waste_x=$((cx - 187)) row2_y=$((cy - 99))
[[ $(wl_pixel deal $((stock_x + 35)) $((row1_y + 48))) != "$TABLE_RGB" ]] || fail "no stock"
[[ $(wl_pixel deal $((waste_x + 35)) $((row1_y + 48))) == "$TABLE_RGB" ]] || fail "the waste is not empty"

wl_click $(at $((stock_x + 35)) $((row1_y + 48)))
wl_input move $((OUTPUT_W - 4)) 4
wait_new wl_shot deal turned
[[ $(wl_pixel turned $((waste_x + 35)) $((row1_y + 48))) != "$TABLE_RGB" ]] || fail "the stock click turned no card"

# As under X11: the Four of diamonds (column 4) onto the Five of spades.
four_x=$((cx - 263 + 76 * 3)) five_x=$((cx - 263 + 76 * 2))
crop_card turned "$four_x" "$row2_y" four-before
wl_drag $(at $((four_x + 35)) $((row2_y + 48))) $(at $((five_x + 35)) $((row2_y + 68)))
wl_input move $((OUTPUT_W - 4)) 4
wait_new wl_shot turned moved-a
settle wl_shot moved
crop_card moved "$five_x" $((row2_y + 20)) four-after
[[ $(differ_ppm four-before four-after) == 0 ]] || fail "the Four is not on the Five"
crop_card moved "$four_x" "$row2_y" exposed
[[ $(differ_ppm four-before exposed) != 0 ]] || fail "column 4 still shows the Four"
note "a stock click and a dragged move"

# Column 7's card dragged out and about and back where it was: every partial
# repaint into Wayland's window pictures must leave the window as it was.
sx=$((cx - 263 + 76 * 6 + 35)) sy=$((row2_y + 48))
wl_input move $(at "$sx" "$sy")
wl_input down
drag_to() { wl_input move $(at $((sx + 37 * $1)) $((sy + 23 * $1 - 90 * ($1 > 0)))); sleep 0.02; }
for i in 1 2 3 4 5 6 7 8; do drag_to "$i"; done
wait_new wl_shot moved mid-drag 3
for i in 7 6 5 4 3 2 1 0; do drag_to "$i"; done
wl_input up
wl_input move $((OUTPUT_W - 4)) 4
settle wl_shot returned
same_ppm moved returned || fail "$(differ_ppm moved returned) pixels changed by a drag that came back"

# A whole move from the keys alone: column 2's Ace of Diamonds lifted,
# carried and dropped on Foundation 1. The focus is still on the stock, where
# the deal put it; Tab goes through the foundations, then the columns.
ace_x=$((cx - 263 + 76))
crop_card returned "$ace_x" "$row2_y" ace-before
wl_keys Tab Tab Tab Tab Tab Tab space shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space
wait_new wl_shot returned keyed-a
settle wl_shot keyed
on=
for k in 3 4 5 6; do
  crop_card keyed $((cx - 263 + 76 * k)) "$row1_y" foundation
  [[ $(differ_ppm ace-before foundation) == 0 ]] && on=$k
done
[[ -n $on ]] || fail "the keys left the Ace of Diamonds on no foundation"
note "a move from the keys: the Ace onto the foundation in column $((on + 1))"

# F1: the help viewer's own window, on the instructions beside the program.
wl_keys F1
wl_wait_window '^Quenby Help'
swaymsg -q '[title=" - Quenby"] focus'
wl_wait_window '^Klondike - Quenby'
wl_keys alt+p x
wait_gone
grep -qx 'GAME=500' "$WL_HOME/home/config/Quenby.ini" || fail "GAME=500 not written"

note "tollmere: a deal, the Save Game dialog, the lock keys"
tollmere=$(stage "$TOLLMERE_BIN")
TABLE_RGB="srgb(0,64,64)"
wl_start "$tollmere" ' - Tollmere'
settle wl_shot title
view_top=$(first_table_row title $((WL_W / 2)))
[[ -n $view_top ]] || fail "no table in the tollmere window"
# Calculation, the game toolbar's fourth button.
wl_click $(at $((32 + 39 * 3)) $((view_top - 23)))
wl_input move $((OUTPUT_W - 4)) 4
wait_new wl_shot title dealt-a
settle wl_shot dealt
# Its table's middle falls between its two rows of cards, where the title
# picture was.
[[ $(wl_pixel dealt $((WL_W / 2)) $((view_top + (WL_H - 22 - view_top) / 2))) == "$TABLE_RGB" ]] ||
  fail "Calculation was not dealt"

wl_keys ctrl+s
wl_wait_window '^Save Game$'
wl_keys g a m e Return
for _ in $(seq 50); do [[ -s $WL_HOME/home/game.Sol ]] && break; sleep 0.1; done
[[ $(stat -c %s "$WL_HOME/home/game.Sol" 2>/dev/null) == 848 ]] || fail "game.Sol not saved from the dialog"
wl_wait_window ' - Tollmere'

# The status bar's indicators: its last rows, right half.
status() { wl_shot "$1"; convert "$WORK/$1.ppm" -crop "$((WL_W / 2))x24+$((WL_W / 2))+$((WL_H - 24))" +repage "$WORK/$1.ppm"; }
settle status locks-off
wl_keys Caps_Lock
wait_new status locks-off locks-caps 3
wl_keys Num_Lock
wait_new status locks-caps locks-both 3
wl_keys Caps_Lock Num_Lock
sleep 1.2
status locks-again
same_ppm locks-off locks-again || fail "the indicators did not go off with the keys"
note "CAP and NUM follow the keys"
