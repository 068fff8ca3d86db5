#!/usr/bin/env bash
# The six other tollmere games through the real window: a move in each, the
# stock click that fills Accordion's gaps, and the redeals of Fortune's Favor
# (once) and Quadrille (twice), reached by opening saved games whose stock is
# played out.
source "$(dirname "$0")/lib.sh"

TABLE_RGB="srgb(0,64,64)"
start_xvfb
start_tollmere
cx=$((VIEW_LEFT + VIEW_W / 2)) cy=$((VIEW_TOP + VIEW_H / 2))
button() { xdotool mousemove $((WIN_X + 32 + 39 * $1)) $((VIEW_TOP - 23)) click 1; }
# Deals game button $1 and takes screenshot $2 once the table shows it.
deal() { shot before-deal; button "$1"; wait_change before-deal "$2"; sleep 0.2; shot "$2"; }
# Drags from one card place to another and takes screenshot $5 of the result.
move() { shot before-move; drag $(at "$1" "$2") $(at "$3" "$4"); wait_change before-move "$5"; sleep 0.2; shot "$5"; }

# A game's table is centred: $1 by $2 pixels of card places. at X Y gives
# the screen point in the middle of the card place at home (X, Y).
table() { left=$((cx - $1 / 2)) top=$((cy - $2 / 2)); }
at() { echo $((left + $1 + 35)) $((top + $2 + 48)); }
empty() { [[ $(pixel "$1" $(at "$2" "$3")) == "$TABLE_RGB" ]]; }
occupied() { ! empty "$@"; }

# Little-endian saved-game records for a game file made here.
# Built with printf -v, as a subshell per byte made each file take seconds.
le32() {
  local v=$(($1 & 0xFFFFFFFF)) bytes
  printf -v bytes '\\x%02x\\x%02x\\x%02x\\x%02x' $((v & 255)) $(((v >> 8) & 255)) $(((v >> 16) & 255)) $(((v >> 24) & 255))
  printf "$bytes"
}
record() { le32 "$1"; le32 "$2"; le32 "$3"; le32 "$4"; }
# Game $1 with $2 redeals used: every card of rank $3 on piles $4..$4+3, all
# others face up on the waste, the stock empty.
played_out() {
  local file=$WORK/home/$5 pile=$4 suit rank
  { record "$1" "$2" 0 0
    for suit in 116 117 118 119; do for rank in $(seq 103 115); do
      [[ $rank == "$3" ]] && continue
      record 1 "$rank" "$suit" 1
    done; done
    for suit in 116 117 118 119; do record $((pile++)) "$3" "$suit" 1; done
  } >"$file"
}
open_game() {
  shot before-open
  xdotool key ctrl+o
  answer_dialog "Open Game" "$WORK/home/$1"
  wait_change before-open "$2"
  sleep 0.2
  shot "$2"
}

note "Four Seasons: the stock's top card dragged to the waste"
deal 6 fs; table 371 316
empty fs 0 110 || fail "Four Seasons: waste not empty"
move 0 220 0 110 fs2
occupied fs2 0 110 || fail "Four Seasons: no card on the waste"

note "Queen's Audience: the stock's top card dragged to a foundation"
deal 7 qa; table 571 396
empty qa 350 100 || fail "Queen's Audience: foundation not empty"
move 100 100 350 100 qa2
occupied qa2 350 100 || fail "Queen's Audience: no card on the foundation"

note "Chameleon: the reserve's top card dragged to the second foundation"
deal 5 ch; table 471 206
empty ch 200 0 || fail "Chameleon: second foundation not empty"
move 100 110 200 0 ch2
occupied ch2 200 0 || fail "Chameleon: no card on the foundation"

note "Accordion: a pile laid on its neighbour, the gap filled from the stock"
deal 1 acc; table 571 206
move 0 0 100 0 acc2
empty acc2 0 0 || fail "Accordion: the first pile did not move"
xdotool mousemove $(at 250 110) click 1
wait_change acc2 acc3
occupied acc3 0 0 || fail "Accordion: the gap was not filled"

note "Fortune's Favor: the empty stock turns the waste over once"
deal 0 ff0; table 571 316
played_out 129 0 103 2 ff.Sol
open_game ff.Sol ff
empty ff 0 0 || fail "Fortune's Favor: the stock is not empty"
occupied ff 100 0 || fail "Fortune's Favor: the waste is empty"
xdotool mousemove $(at 0 0) click 1
wait_change ff ff2
occupied ff2 0 0 || fail "Fortune's Favor: no redeal"
empty ff2 100 0 || fail "Fortune's Favor: the waste was not turned over"

note "Quadrille: a second redeal, then none"
table 546 396
played_out 133 1 105 10 q1.Sol
open_game q1.Sol q1
xdotool mousemove $(at 0 0) click 1
wait_change q1 q1b
occupied q1b 0 0 || fail "Quadrille: no second redeal"
played_out 133 2 105 10 q2.Sol
open_game q2.Sol q2
xdotool mousemove $(at 0 0) click 1
sleep 0.5
shot q2b
[[ $(differ q2 q2b) == 0 ]] || fail "Quadrille: a third redeal"

button 10
wait_exit
# Five games dealt from the toolbar, and the saved games opened: Fortune's
# Favor once, Quadrille twice.
counts=$(od -An -t d4 -j 72 -N 32 "$WORK/home/Tollmere.cfg" | tr -s ' \n' ' ' | sed 's/^ //; s/ $//')
[[ $counts == "2 1 0 0 2 1 1 1" ]] || fail "played counts are '$counts'"
note "passed"
