#!/usr/bin/env bash
# quenby on a German desktop: its caption, its Play menu and its help window
# in German, from the translations built into the program. The screenshots
# quenby-de-menu.png and quenby-de-help.png are copied to $E2E_SHOTS_DIR when
# it is set, to be looked at.
source "$(dirname "$0")/lib.sh"

# Qt reads the language from these alone; this shell need not have the
# locale generated.
{ export LANGUAGE=de LANG=de_DE.UTF-8; } 2>/dev/null
unset LC_ALL LC_MESSAGES
start_xvfb
TABLE_RGB="srgb(128,0,128)"
start_quenby
[[ $(xdotool getwindowname "$WINDOW") == "Willkommen - Quenby © Tablewright" ]] ||
  fail "caption '$(xdotool getwindowname "$WINDOW")'"

# "&Spiel" opens from Alt+S; its games keep their names, and the check mark
# stays on Grannies Clock, the fourth row.
shot before-menu
xdotool key alt+s
wait_change before-menu quenby-de-menu 5
sleep 0.3
shot quenby-de-menu
y=$(check_mark_y quenby-de-menu)
((y > 80 && y < 110)) || fail "the Play menu did not open from Alt+S (check mark at y=$y)"
xdotool key Escape

# F1 stays the help key; the help window's title and buttons come from the
# shared layer's translation.
xdotool key F1
help=$(timeout 10 xdotool search --sync --name '^Quenby-Hilfe$' | head -n1) || fail "no window 'Quenby-Hilfe'"
sleep 0.5
shot quenby-de-help
xdotool windowclose "$help" 2>/dev/null || true
focus_window "$WINDOW" || fail "cannot focus the window"

if [[ -n ${E2E_SHOTS_DIR:-} ]]; then
  cp "$WORK/quenby-de-menu.png" "$WORK/quenby-de-help.png" "$E2E_SHOTS_DIR/"
fi
# "&Beenden" ends it from the keyboard.
xdotool key alt+s b
wait_exit
note "ok"
