#!/usr/bin/env bash
# Both programs on a screen of higher pixel density (QT_SCALE_FACTOR $5):
# dealt games whose cards at known logical places show the twice-size
# drawings (at 2 pixel for pixel, at other ratios those drawings scaled), and
# a card dragged about and let go where it cannot land, which must leave the
# table exactly as it was: no stale pixels.
#   density.sh QUENBY TOLLMERE QUENBY_BITMAPS TOLLMERE_BITMAPS RATIO
source "$(dirname "$0")/lib.sh"

TOLLMERE=$(readlink -f "$2")
QUENBY_ART=$3
TOLLMERE_ART=$4
RATIO=$5
export QT_SCALE_FACTOR=$RATIO
SCREEN_SIZE=2400x1800x24

# Logical pixels to device pixels, rounded as the programs round them.
dev() { awk -v v="$1" -v r="$RATIO" 'BEGIN { x = v * r + 0.5; i = int(x); if (i > x) i--; print i }'; }

# The first row or column of screenshot $1 that shows the table colour:
# "row X Y0" scans down column X from Y0, "col Y X0" along row Y from X0.
first_table() {
  local shot=$1 what=$2 at=$3 from=$4 geometry
  if [[ $what == row ]]; then geometry="1x400+$at+$from"; else geometry="400x1+$from+$at"; fi
  convert "$WORK/$shot.png" -crop "$geometry" +repage txt:- |
    awk -F'[,: ]+' -v want="${TABLE_RGB#srgb}" -v what="$what" -v from="$from" \
      '!found && index($0, want) { print from + (what == "row" ? $2 : $1); found = 1 }'
}

# Screen point of the logical view point (x, y).
at() { echo $((VIEW_LEFT + $(dev "$1"))) $((VIEW_TOP + $(dev "$2"))); }

# Each picture as 8x8 averages, one line per picture: a quick way to find
# the bitmap a card shows before comparing it in full.
fingerprints() { convert "$@" -resize '8x8!' -depth 8 rgb:- | od -An -v -tu1 -w192; }

# How closely the logical card place (x, y) of screenshot $1 matches the
# nearest bitmap of $2: at ratio 2 "exact" when it is its twice-size drawing
# pixel for pixel, else the normalised difference to that drawing scaled to
# the ratio.
card_match() {
  local shot=$1 dir=$2 x=$3 y=$4 w h file nearest
  w=$(($(dev $((x + 71))) - $(dev "$x"))) h=$(($(dev $((y + 96))) - $(dev "$y")))
  convert "$WORK/$shot.png" -crop "${w}x${h}+$((VIEW_LEFT + $(dev "$x")))+$((VIEW_TOP + $(dev "$y")))" +repage \
    "$WORK/card.png"
  local files=("$dir"/*@2x.bmp)
  [[ -s $WORK/prints-${dir//\//_} ]] || fingerprints "${files[@]}" >"$WORK/prints-${dir//\//_}"
  nearest=$( { fingerprints "$WORK/card.png"; cat "$WORK/prints-${dir//\//_}"; } | awk '
    NR == 1 { for (i = 1; i <= NF; i++) card[i] = $i; next }
    { d = 0; for (i = 1; i <= NF; i++) d += ($i - card[i]) ^ 2
      if (best == "" || d < bestd) { best = NR - 2; bestd = d } }
    END { print best }')
  if [[ $RATIO == 2 ]]; then
    [[ $(compare -metric AE "$WORK/card.png" "${files[$nearest]}" null: 2>&1 || true) == 0 ]] && echo exact || echo none
    return
  fi
  convert "${files[$nearest]}" -resize "$(dev 71)x$(dev 96)!" -crop "${w}x${h}+0+0" +repage "$WORK/scaled.png"
  compare -metric RMSE "$WORK/card.png" "$WORK/scaled.png" null: 2>&1 | sed 's/.*(\(.*\))/\1/' || true
}

expect_card() {
  local match
  match=$(card_match "$@")
  note "card at logical ($3,$4): $match"
  if [[ $RATIO == 2 ]]; then
    [[ $match == exact ]] || fail "the card at ($3,$4) is not a twice-size drawing pixel for pixel"
  else
    awk -v m="$match" 'BEGIN { exit !(m < 0.04) }' || fail "the card at ($3,$4) is not a drawing scaled to $RATIO"
  fi
}


# Drags from logical (x, y) out and about, then back to where it started:
# the table must then be as it was, pixel for pixel.
drag_and_return() {
  local x=$1 y=$2 sx sy i
  shot before-drag
  read -r sx sy < <(at "$x" "$y")
  xdotool mousemove "$sx" "$sy" mousedown 1
  for i in 1 2 3 4 5 6 7 8; do
    xdotool mousemove $((sx + 37 * i)) $((sy + 23 * i - 90))
    sleep 0.03
  done
  for i in 7 6 5 4 3 2 1 0; do
    xdotool mousemove $((sx + 37 * i)) $((sy + 23 * i - 90 * (i > 0)))
    sleep 0.03
  done
  xdotool mouseup 1
  sleep 0.5
  shot after-drag
  # Only the table counts: toolbars and the status bar follow the pointer.
  local changed
  convert "$WORK/before-drag.png" -crop "$VIEW_GEOMETRY" +repage "$WORK/before-table.png"
  convert "$WORK/after-drag.png" -crop "$VIEW_GEOMETRY" +repage "$WORK/after-table.png"
  changed=$(differ before-table after-table)
  [[ $changed == 0 ]] || fail "$changed pixels of the table changed by a drag that came back"
}

start_xvfb

note "quenby at ratio $RATIO: Klondike"
TABLE_RGB="srgb(128,0,128)"
start_quenby
shot start
VIEW_LEFT=$WIN_X
VIEW_TOP=$(first_table start row $((WIN_X + 3)) "$WIN_Y")
[[ -n $VIEW_TOP ]] || fail "no table in the quenby window"
# The view's logical size and centre.
lw=$(awk -v w="$WIN_W" -v r="$RATIO" 'BEGIN { printf "%d", w / r + 0.5 }')
lh=$(awk -v h="$((WIN_Y + WIN_H - VIEW_TOP))" -v r="$RATIO" 'BEGIN { printf "%d", h / r + 0.5 }')
cx=$((lw / 2)) cy=$((lh / 2))
xdotool key alt+p
sleep 0.5
xdotool key k
wait_title '^Klondike - Quenby'
# Dealt once the title's banner below the centre has given way to the table.
for _ in $(seq 100); do
  shot dealt
  [[ $(pixel dealt $(at "$cx" $((cy + 40)))) == "$TABLE_RGB" ]] && break
  sleep 0.1
done
VIEW_GEOMETRY=${WIN_W}x$((WIN_Y + WIN_H - VIEW_TOP))+$VIEW_LEFT+$VIEW_TOP
expect_card dealt "$QUENBY_ART" $((cx - 263)) $((cy - 99))      # column 1
expect_card dealt "$QUENBY_ART" $((cx - 263 + 76 * 6)) $((cy - 99))  # column 7
expect_card dealt "$QUENBY_ART" $((cx - 263)) $((cy - 205))           # the stock's back
drag_and_return $((cx - 263 + 76 * 6 + 35)) $((cy - 99 + 48))
kill "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=

note "tollmere at ratio $RATIO: Fortune's Favor"
TABLE_RGB="srgb(0,64,64)"
QUENBY=$TOLLMERE
launch_tollmere
sleep 1
shot title
VIEW_LEFT=$(first_table title col $((WIN_Y + WIN_H / 2)) "$WIN_X")
[[ -n $VIEW_LEFT ]] || fail "no table in the tollmere window"
VIEW_TOP=$(first_table title row $((VIEW_LEFT + 2)) "$WIN_Y")
[[ -n $VIEW_TOP ]] || fail "no table top in the tollmere window"
# The first game button, Fortune's Favor, in the row above the view.
xdotool mousemove $((WIN_X + $(dev 32))) $((VIEW_TOP - $(dev 23))) click 1
wait_change title dealt
sleep 0.5
shot dealt
VIEW_BOTTOM=$(convert "$WORK/dealt.png" -crop "1x$((WIN_Y + WIN_H - VIEW_TOP))+$((VIEW_LEFT + 2))+$VIEW_TOP" +repage txt:- |
  awk -F'[,: ]+' -v want="${TABLE_RGB#srgb}" 'index($0, want) { last = $2 } END { print last + 1 }')
lw=$(awk -v w="$((WIN_X + WIN_W - VIEW_LEFT))" -v r="$RATIO" 'BEGIN { printf "%d", w / r + 0.5 }')
lh=$(awk -v h="$VIEW_BOTTOM" -v r="$RATIO" 'BEGIN { printf "%d", h / r + 0.5 }')
VIEW_GEOMETRY=$((WIN_X + WIN_W - VIEW_LEFT))x$VIEW_BOTTOM+$VIEW_LEFT+$VIEW_TOP
# Centred: six columns 100 apart, three rows 110 apart (571 by 316).
left=$((lw / 2 - 285)) top=$((lh / 2 - 158))
expect_card dealt "$TOLLMERE_ART" "$left" "$top"                 # the stock's back
expect_card dealt "$TOLLMERE_ART" $((left + 200)) "$top"          # an ace on its foundation
expect_card dealt "$TOLLMERE_ART" $((left + 500)) $((top + 220))  # the last tableau card
drag_and_return $((left + 535)) $((top + 268))
note "ratio $RATIO: both programs drawn at the screen's density"
