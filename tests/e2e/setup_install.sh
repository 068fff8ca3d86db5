#!/usr/bin/env bash
# Setup through its real dialogs: leaving is offered and declined, a folder
# with a space, '%', '=' and ',' is typed, the copy runs, and the menu's
# launchers then start quenby and open its instructions.
# Usage: setup_install.sh <distribution folder>
source "$(dirname "$0")/lib.sh"
DIST=$QUENBY

export HOME=$WORK/home XDG_DATA_DIRS=$WORK/system/share XDG_CONFIG_DIRS=$WORK/system/etc TMPDIR=$WORK
unset XDG_DATA_HOME XDG_CONFIG_HOME
mkdir -p "$HOME"
if [[ $(id -u) == 0 ]]; then apps=$XDG_DATA_DIRS/applications; else apps=$HOME/.local/share/applications; fi

start_xvfb
cd "$DIST"
QT_QPA_PLATFORM=xcb ./setup >"$WORK/setup.log" 2>&1 &
APP_PID=$!
find_window 'Tablewright ~ Quenby Setup' >/dev/null || exit 1

wait_window "Destination Folder" >/dev/null
note "Escape offers to leave; staying brings the folder back"
xdotool key Escape
wait_window "Exit Setup" >/dev/null
xdotool key Return
wait_gone "Exit Setup"
wait_window "Destination Folder" >/dev/null

# '%', '=' and ',' are what desktop launchers and the toolkit once read wrongly.
folder="$HOME/My Games 100%/a=b,c/Quenby"
xdotool key ctrl+a
xdotool type --delay 5 "$folder"
xdotool key Return
wait_window "Setup Complete" >/dev/null
xdotool key Return
wait_setup_installed "$DIST" "$folder"
desktop-file-validate "$apps"/tablewright-quenby.desktop "$apps"/tablewright-quenby-instructions.desktop ||
  fail "launchers do not validate"

note "the Quenby launcher starts the installed program"
QT_QPA_PLATFORM=xcb gio launch "$apps/tablewright-quenby.desktop" || fail "gio cannot launch quenby"
game=$(timeout 20 xdotool search --sync --name ' - Quenby' | head -n1) || fail "quenby did not start"
APP_PID=$(xdotool getwindowpid "$game")
[[ $(readlink -f "/proc/$APP_PID/exe") == "$folder/quenby" ]] || fail "started $(readlink -f "/proc/$APP_PID/exe")"
kill "$APP_PID"
APP_PID=

note "Quenby Instructions opens the help with the desktop's viewer"
mkdir -p "$WORK/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$@" > "%s/opened"\n' "$WORK" >"$WORK/bin/xdg-open"
chmod +x "$WORK/bin/xdg-open"
PATH=$WORK/bin:$PATH gio launch "$apps/tablewright-quenby-instructions.desktop" || fail "gio cannot launch the help"
for _ in $(seq 50); do [[ -s $WORK/opened ]] && break; sleep 0.1; done
[[ $(cat "$WORK/opened") == "$folder/quenby.html" ]] || fail "opened '$(cat "$WORK/opened" 2>/dev/null)'"
note "ok"
