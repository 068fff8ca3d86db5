#!/usr/bin/env bash
# Test programs run in-process on Qt's Wayland platform under sway at output
# scale $2 (the lock keys' test checks its Wayland half there).
#   unit.sh WLINPUT SCALE TEST_PROGRAM...
source "$(dirname "$0")/../lib.sh"
WLINPUT=$(readlink -f "$1")
SCALE=$2
shift 2
source "$(dirname "$0")/lib.sh"

start_sway "$SCALE"
session QT_QPA_PLATFORM=wayland
for program; do
  copy=$(stage "$program")
  note "$(basename "$program") under Wayland at scale $SCALE"
  (cd "$WL_HOME" && exec "${SESSION[@]}" "$copy" --gtest_brief=1) || fail "$(basename "$program") failed under Wayland"
done
