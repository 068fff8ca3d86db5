#!/usr/bin/env bash
# quenby as a screen reader reads it over the accessibility bus: every game's
# piles by name with their cards, the focus following a key, and a move made
# by keys read back as the table now stands, with the line on what happened.
source "$(dirname "$0")/lib.sh"

start_xvfb
start_a11y_bus
start_quenby

# Waits for a line of the tree ("role | name") matching $1.
expect() { atspi wait quenby "$1" 10 >/dev/null || fail "no line /$1/ in $2"; }
play() {
  xdotool key alt+p "$1"
  wait_title "^$2 - Quenby"
}

# Each game by its menu letter, with what its deal must read.
play a "Auld Lang Syne"
expect '\| Stock: 48 cards$' "Auld Lang Syne"
expect '^ *list \| Foundation 4: Ace of [A-Za-z]+ on top, 1 card$' "Auld Lang Syne"
expect '\| Tableau 4: empty$' "Auld Lang Syne"
play c "Canfield"
expect '\| Stock: 34 cards$' "Canfield"
expect '\| Reserve: [A-Za-z]+ of [A-Za-z]+ on top, 13 cards$' "Canfield"
expect '\| Waste: empty$' "Canfield"
play f "Flower Garden"
expect '\| Bouquet: [A-Za-z]+ of [A-Za-z]+ on top, 16 cards$' "Flower Garden"
expect '\| Bed 6: [A-Za-z]+ of [A-Za-z]+ on top, 6 cards$' "Flower Garden"
expect '^ *list item \| [A-Za-z]+ of [A-Za-z]+$' "Flower Garden"
play g "Grannies Clock"
expect '\| Hour 12: 4 cards$' "Grannies Clock"
expect '\| Centre: [A-Za-z]+ of [A-Za-z]+ on top, 4 cards, 3 face down$' "Grannies Clock"
play l "Little Spider"
expect '\| Stock: 44 cards$' "Little Spider"
expect '\| Lower 4: [A-Za-z]+ of [A-Za-z]+ on top, 1 card$' "Little Spider"
play m "Magic Carpet"
expect '\| Stock: 28 cards$' "Magic Carpet"
expect '\| Carpet 20: [A-Za-z]+ of [A-Za-z]+ on top, 1 card$' "Magic Carpet"
play o "Osmosis"
expect '\| Stock: 35 cards$' "Osmosis"
expect '\| Row 1: [A-Za-z]+ of [A-Za-z]+ on top, 1 card$' "Osmosis"
expect '\| Reserve 4: [A-Za-z]+ of [A-Za-z]+ on top, 4 cards$' "Osmosis"

play k "Klondike"
expect '\| Column 7: [A-Za-z]+ of [A-Za-z]+ on top, 7 cards, 6 face down$' "Klondike"
atspi tree quenby | sed -n '/Klondike - Quenby/,$p' >"$WORK/klondike-tree.txt"
note "Klondike as the reader reads it:"
grep -E '\| (Stock|Waste|Foundation|Column)' "$WORK/klondike-tree.txt" | sed 's/^/   /'

# A key moves the focus: from the stock down to the top card of column 1.
[[ $(atspi focus quenby) == "push button | Stock: 24 cards" ]] || fail "the deal's focus is $(atspi focus quenby)"
xdotool key Down
for _ in $(seq 50); do
  focus=$(atspi focus quenby)
  [[ $focus == "list item | "* ]] && break
  sleep 0.1
done
[[ $focus =~ ^list\ item\ \|\ [A-Za-z]+\ of\ [A-Za-z]+$ ]] || fail "Down did not focus column 1's card: $focus"

# In this deal the Four of Diamonds (column 4) goes onto the Five of Spades
# (column 3): lifted, carried and dropped by keys.
xdotool key Right Right Right space
expect '^ *status bar \| Holding the Four of Diamonds$' "the lift"
xdotool key Left space
expect '^ *status bar \| Four of Diamonds to Column 3$' "the drop"
expect '^ *list \| Column 3: Four of Diamonds on top, 4 cards, 2 face down$' "the drop"
expect '^ *list \| Column 4: [A-Za-z]+ of [A-Za-z]+ on top, 3 cards, 2 face down$' "the drop"

xdotool key alt+p x
wait_exit
note "ok"
