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

use_language de_DE
start_xvfb
cd "$DIST"
QT_QPA_PLATFORM=xcb ./setup >"$WORK/setup.log" 2>&1 &
APP_PID=$!
wait_window 'Tablewright ~ Quenby-Installation' >/dev/null
wait_window 'Zielordner' >/dev/null
sleep 0.4
shot setup-de-destination

xdotool key alt+h
wait_window 'Setup-Hilfe' >/dev/null
sleep 0.4
shot setup-de-help
xdotool key Return
wait_gone 'Setup-Hilfe'
wait_window 'Zielordner' >/dev/null

xdotool key Escape
wait_window 'Setup beenden' >/dev/null
sleep 0.4
shot setup-de-exit
xdotool key Return
wait_gone 'Setup beenden'
wait_window 'Zielordner' >/dev/null

folder="$HOME/Spiele/Quenby"
xdotool key ctrl+a
xdotool type --delay 5 "$folder"
xdotool key Return
wait_window 'Setup abgeschlossen' >/dev/null
sleep 0.4
shot setup-de-complete
xdotool key Return
wait_setup_installed "$DIST" "$folder"
keep_shots "$SHOTS" setup-de-destination setup-de-help setup-de-exit setup-de-complete
note "ok"
