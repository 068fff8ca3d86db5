#!/usr/bin/env bash
# setup under sway, through its real dialogs: the folder typed into the
# Destination Folder dialog, the copy, Setup Complete, and the files and the
# desktop launchers in place afterwards.
#   setup.sh DISTRIBUTION_FOLDER WLINPUT
source "$(dirname "$0")/../lib.sh"
DIST=$QUENBY
WLINPUT=$(readlink -f "$2")
source "$(dirname "$0")/lib.sh"

start_sway 1
wl_input move $((OUTPUT_W - 4)) 4
dist=$(stage "$DIST")
folder="$WL_HOME/Quenby Games"
session TMPDIR="$WL_HOME"
(cd "$dist" && exec "${SESSION[@]}" ./setup >"$WORK/setup.log" 2>&1) &
WL_APP_PID=$!

wl_wait_window '^Destination Folder$'
wl_keys ctrl+a
wl_type "$folder"
wl_keys Return
wl_wait_window '^Setup Complete$'
wl_keys Return
for _ in $(seq 100); do kill -0 "$WL_APP_PID" 2>/dev/null || break; sleep 0.1; done
wait "$WL_APP_PID" || fail "setup ended with status $?: $(cat "$WORK/setup.log")"
WL_APP_PID=

for f in quenby quenby.html SHUFFLE.WAV UP.WAV DOWN.WAV; do
  cmp -s "$DIST/$f" "$folder/$f" || fail "$f not copied"
done
apps=$WL_HOME/.local/share/applications
for launcher in tablewright-quenby tablewright-quenby-instructions; do
  [[ -f $apps/$launcher.desktop ]] || fail "no launcher $launcher"
done
note "installed from the dialogs into '$folder'"
