#!/usr/bin/env bash
# Tollmere as a screen reader meets it over AT-SPI: every game's piles with
# their names and counts, the keys moving the focus, and after a move made
# from the keys the piles it changed and the status line read as the table
# now is.
source "$(dirname "$0")/lib.sh"

TABLE_RGB="srgb(0,64,64)"
start_xvfb
start_a11y_bus
start_tollmere
button() { xdotool mousemove $((WIN_X + 32 + 39 * $1)) $((VIEW_TOP - 23)) click 1; }
# The table's children: the lines one level under the view's panel.
piles() { atspi tree tollmere | awk '/^    panel/ { on = 1; next } /^    [^ ]/ { on = 0 } on && /^      [^ ]/ { n++ } END { print n + 0 }'; }
seen() { atspi wait tollmere "$1" >/dev/null || fail "$2: no line /$1/"; }

# Button, pile count, then lines each game's deal must show.
check_game() {
  local index=$1 name=$2 count=$3
  shift 3
  button "$index"
  seen "^    panel \\| $name\$" "$name"
  local line
  for line; do seen "$line" "$name"; done
  [[ $(piles) == "$count" ]] || fail "$name: $(piles) piles, not $count"
}
check_game 0 "Fortune's Favor" 18 "^      list \\| Stock: 36 cards$" "^      list \\| Tableau 12: .+ on top, 1 card$"
check_game 1 "Accordion" 7 "^      push button \\| Stock: 46 cards$" "^      list \\| Pile 6: .+ on top, 1 card$"
check_game 2 "Beleaguered Castle" 12 "^      list \\| Left row 1: .+ on top, 6 cards$" "^        list item \\| .+ of .+$" \
  "^      list \\| Foundation 4: Ace of .+ on top, 1 card$"
check_game 4 "Quadrille" 14 "^      list \\| Stock: 48 cards$" "^      list \\| Bottom Queen: Queen of .+ on top, 1 card$"
check_game 5 "Chameleon" 10 "^      list \\| Reserve: 12 cards$" "^      list \\| Tableau 3: .+ on top, 1 card$"
check_game 6 "Four Seasons" 11 "^      list \\| Stock: 46 cards$" "^      list \\| Cross bottom: .+ on top, 1 card$"
check_game 7 "Queen's Audience" 23 "^      list \\| Stock: 36 cards$" "^      list \\| Bottom wall 6: .+ on top, 1 card$"
check_game 3 "Calculation" 9 "^      list \\| Stock: 48 cards$" "^      list \\| Waste 4: empty$"

# The first key shows where the focus is; the next one moves it.
focus_is() {
  local _ got
  for _ in $(seq 50); do
    got=$(atspi focus tollmere)
    [[ $got =~ $1 ]] && return 0
    sleep 0.1
  done
  fail "focus is '$got', not /$1/"
}
xdotool key Right
focus_is "^list \\| Stock: 48 cards$"
xdotool key Right
focus_is "^list \\| Foundation 1: .+ on top, 1 card$"

# A card from the stock to the first waste, from the keys alone.
xdotool key Left space Down Return
seen "^      list \\| Stock: 47 cards$" "after the move"
moved=$(atspi wait tollmere "^      list \\| Waste 1: .+ on top, 1 card$") || fail "the waste does not read its card"
card=${moved#*Waste 1: }
card=${card% on top, 1 card}
seen "^      label \\| $card to Waste 1$" "the status line"
focus_is "^list \\| Waste 1: $card on top, 1 card$"
note "passed: $card to Waste 1"
