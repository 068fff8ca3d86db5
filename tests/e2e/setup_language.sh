#!/usr/bin/env bash
# Setup on a German desktop, through its real dialogs: the destination folder,
# the offer to leave, the help and the closing message, each in German; the
# installation still copies every file. The screenshots are kept for a look
# by eye.
# Usage: setup_language.sh <distribution folder> <folder for the screenshots>
source "$(dirname "$0")/lib.sh"
DIST=$QUENBY SHOTS=$2

export HOME=$WORK/home XDG_DATA_DIRS=$WORK/system/share XDG_CONFIG_DIRS=$WORK/system/etc TMPDIR=$WORK
unset XDG_DATA_HOME XDG_CONFIG_HOME
mkdir -p "$HOME"

# The one visible window of that exact title, focused.
wait_window() {
  local id= deadline=$((SECONDS + 20))
  while [[ -z $id ]] && ((SECONDS < deadline)); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) || true
    [[ -n $id ]] || sleep 0.1
  done
  [[ -n $id ]] || fail "no window '$1'"
  focus_window "$id" || fail "cannot focus '$1'"
  sleep 0.4
}

use_language de_DE
start_xvfb
cd "$DIST"
QT_QPA_PLATFORM=xcb ./setup >"$WORK/setup.log" 2>&1 &
APP_PID=$!
wait_window 'Tablewright ~ Quenby-Installation'
wait_window 'Zielordner'
shot setup-de-destination

xdotool key alt+h
wait_window 'Setup-Hilfe'
shot setup-de-help
xdotool key Return
wait_window 'Zielordner'

xdotool key Escape
wait_window 'Setup beenden'
shot setup-de-exit
xdotool key Return
wait_window 'Zielordner'

folder="$HOME/Spiele/Quenby"
xdotool key ctrl+a
xdotool type --delay 5 "$folder"
xdotool key Return
wait_window 'Setup abgeschlossen'
shot setup-de-complete
xdotool key Return
for _ in $(seq 100); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
wait "$APP_PID" || fail "setup ended with status $?: $(cat "$WORK/setup.log")"
APP_PID=

for f in quenby quenby.html SHUFFLE.WAV UP.WAV DOWN.WAV; do
  cmp -s "$DIST/$f" "$folder/$f" || fail "$f not copied"
done
keep_shots "$SHOTS" setup-de-destination setup-de-help setup-de-exit setup-de-complete
note "ok"
