#!/usr/bin/env bash
# Tollmere on a German desktop: the caption, a button's prompt and tooltip,
# the View menu, the Save dialog and the Record dialog in German. The
# screenshots are kept for a look by eye.
# Usage: tollmere_language.sh <tollmere> <folder for the screenshots>
source "$(dirname "$0")/lib.sh"
SHOTS=$2

TABLE_RGB="srgb(0,64,64)"
use_language de_DE
start_xvfb
start_tollmere
[[ $(xdotool getwindowname "$WINDOW") == "Unbenannt - Tollmere" ]] || fail "caption $(xdotool getwindowname "$WINDOW")"
shot tollmere-de-title

# Calculation dealt, the pointer left on its button: the status bar says
# "Calculation spielen" and the tooltip shows.
xdotool mousemove $((WIN_X + 32 + 39 * 3)) $((VIEW_TOP - 23)) click 1
sleep 2
shot tollmere-de-prompt

xdotool mousemove $((VIEW_LEFT + VIEW_W / 2)) $((VIEW_TOP + VIEW_H - 10))
xdotool key alt+a
sleep 0.7
shot tollmere-de-menu
xdotool key Escape Escape

xdotool key ctrl+s
dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^Spiel speichern$' | head -n1) || fail "no Save dialog in German"
sleep 0.5
shot tollmere-de-save
focus_window "$dialog" || true
xdotool key Escape
for _ in $(seq 50); do xdotool search --onlyvisible --name '^Spiel speichern$' >/dev/null 2>&1 || break; sleep 0.1; done

# Record, the fifth button of the tools toolbar left of the table.
xdotool mousemove $((VIEW_LEFT - 13)) $((VIEW_TOP + 10 + 24 * 4 + 12)) click 1
dialog=$(timeout 10 xdotool search --sync --onlyvisible --name '^Tollmere$' | head -n1) || fail "no Record dialog"
sleep 0.5
shot tollmere-de-record
focus_window "$dialog" || true
xdotool key Return

keep_shots "$SHOTS" tollmere-de-title tollmere-de-prompt tollmere-de-menu tollmere-de-save tollmere-de-record
note "ok"
