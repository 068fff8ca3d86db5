#!/usr/bin/env bash
# First start with no settings file: the title picture with the deck turning
# round it on the purple table; quitting from there writes every setting but
# the game.
source "$(dirname "$0")/lib.sh"

start_xvfb
TABLE_RGB="srgb(128,0,128)"
start_quenby
note "window ${WIN_W}x${WIN_H}, table from y=$VIEW_TOP, centre ($CX,$CY)"
[[ $(xdotool getwindowname "$WINDOW") == "Welcome - Quenby © Tablewright" ]] ||
  fail "caption '$(xdotool getwindowname "$WINDOW")'"

shot start1
# The title picture is drawn in the centre of the table, over the table colour.
[[ $(pixel start1 "$CX" "$CY") != "$TABLE_RGB" ]] || fail "no title picture in the centre"
[[ $(pixel start1 "$((CX - 250))" "$CY") == "$TABLE_RGB" ]] || fail "no table left of the deck"
# The deck lies on the sides around it, a card's height and more away. The
# cards move on along the sides, and one side can be bare for a moment while
# the deck turns its corners, so three of the four sides must show cards
# whenever the screenshot was taken.
sides=0
for band in "260x1+$((CX - 130))+$((CY - 149))" "1x380+$((CX + 177))+$((CY - 96))" \
            "260x1+$((CX - 130))+$((CY + 149))" "1x380+$((CX - 177))+$((CY - 190))"; do
  colours=$(convert "$WORK/start1.png" -crop "$band" +repage -unique-colors txt:- | grep -vc '^#')
  ((colours > 1)) && sides=$((sides + 1))
done
((sides >= 3)) || fail "cards on only $sides sides of the title picture"
# The deck turns by itself.
wait_change start1 start2 5
note "the carousel moves: $(differ start1 start2) pixels changed"

# With no settings file the Play menu checks Grannies Clock (fourth row).
open_play_menu menu
y=$(check_mark_y menu)
note "check mark at y=$y"
((y > 80 && y < 110)) || fail "the check mark is not on Grannies Clock (y=$y)"
xdotool key Escape

xdotool key alt+p x
wait_exit
ini=$CONFIG/Quenby.ini
[[ -f $ini ]] || fail "no Quenby.ini written"
grep -qx 'COLOR=8388736' "$ini" || fail "COLOR not written: $(cat "$ini")"
grep -qx 'CARD=191' "$ini" || fail "CARD not written"
[[ $(grep -c '^CUSTCOLOR' "$ini") == 16 ]] || fail "custom colours not written"
! grep -q '^GAME' "$ini" || fail "GAME written though nothing was dealt"
note "ok"
