#!/usr/bin/env bash
# An installed quenby (usage: deb_start.sh QUENBY HELP-FILE) shows its window
# on the purple table, and F1 opens its help from HELP-FILE, away from the
# program: with the file moved away, the viewer shows a different page.
source "$(dirname "$0")/../e2e/lib.sh"
help=$2
[[ -f $help && ! -e $(dirname "$QUENBY")/$(basename "$help") ]] || fail "the help file must lie away from the program"

# The English help is the one checked: no desktop language may choose another.
export LC_ALL=C.UTF-8 LANGUAGE=
start_xvfb
TABLE_RGB="srgb(128,0,128)"
start_quenby
note "window ${WIN_W}x${WIN_H} at ($WIN_X,$WIN_Y)"
[[ $(xdotool getwindowname "$WINDOW") == "Welcome - Quenby © Tablewright" ]] ||
  fail "caption '$(xdotool getwindowname "$WINDOW")'"
shot window
[[ $(pixel window "$CX" "$((CY + 200))") == "$TABLE_RGB" ]] || fail "no table in the window"

xdotool key F1
HELP=$(timeout 10 xdotool search --sync --onlyvisible --name '^Quenby Help$' | head -n1) || fail "no help window"
eval "$(xdotool getwindowgeometry --shell "$HELP")"
help_shot() { sleep 0.5; import -window root -crop "${WIDTH}x${HEIGHT}+$X+$Y" +repage "$WORK/$1.png"; }
help_shot help-found
# The viewer's Contents button reads the file afresh.
mv "$help" "$help.away"
# Put back on any way out, then lib.sh's cleanup with the exit status as it was.
trap 'status=$?; set +e; [[ -e $help.away ]] && mv "$help.away" "$help"; (exit $status); cleanup' EXIT
xdotool mousemove $((X + 30)) $((Y + 14)) click 1
help_shot help-missing
mv "$help.away" "$help"
changed=$(differ help-found help-missing)
note "the help page and the missing-file page differ in $changed pixels"
((changed > 1000)) || fail "the help shown with the file in place is the missing-file page"
note "ok"
