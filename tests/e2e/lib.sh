# Shared pieces of the end-to-end tests: a private Xvfb, the program started
# in it with its own settings folder and a faked wall clock, screenshots and
# waits that poll with a timeout. Sourced by each test script; cleans up only
# the processes it started.
set -euo pipefail
# The texts the tests look for are the English ones, whatever the desktop's
# language; a test of another language sets its own.
export LANG=C.UTF-8
unset LANGUAGE LC_ALL LC_MESSAGES

QUENBY=$(readlink -f "$1")
WORK=$(mktemp -d "${TMPDIR:-/tmp}/quenby-e2e.XXXXXX")
CONFIG=$WORK/config
mkdir -p "$CONFIG"
XVFB_PID=
APP_PID=
A11Y_PIDS=()
SCREEN_SIZE=1024x768x24

fail() { echo "FAIL: $*" >&2; exit 1; }
note() { echo "-- $*"; }

cleanup() {
  local status=$?
  [[ -n $APP_PID ]] && kill "$APP_PID" 2>/dev/null || true
  [[ -n $XVFB_PID ]] && kill "$XVFB_PID" 2>/dev/null || true
  ((${#A11Y_PIDS[@]})) && kill "${A11Y_PIDS[@]}" 2>/dev/null || true
  if [[ $status -ne 0 && -n ${KEEP_E2E_SHOTS:-} ]]; then
    echo "screenshots kept in $WORK" >&2
  else
    rm -rf "$WORK"
  fi
}
trap cleanup EXIT

# Xvfb picks a free display itself and reports it once it accepts clients.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 "$SCREEN_SIZE" -nolisten tcp -noreset 3>"$WORK/display" >"$WORK/xvfb.log" 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [[ -s $WORK/display ]] && break
    kill -0 "$XVFB_PID" 2>/dev/null || fail "Xvfb did not start: $(cat "$WORK/xvfb.log")"
    sleep 0.1
  done
  [[ -s $WORK/display ]] || fail "Xvfb gave no display"
  export DISPLAY=:$(head -n1 "$WORK/display")
  unset XAUTHORITY
}

# A private session bus with the accessibility bus on it, as a desktop has for
# a screen reader; programs started after this expose their widgets there
# (tests/e2e/atspi.py reads them). Both buses end with the test.
start_a11y_bus() {
  local launcher=/usr/libexec/at-spi-bus-launcher
  [[ -x $launcher ]] || fail "missing $launcher (at-spi2-core)"
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "missing python3-pyatspi"
  dbus-daemon --session --fork --nopidfile --print-address=3 --print-pid=4 3>"$WORK/bus" 4>"$WORK/bus.pid" ||
    fail "no session bus"
  A11Y_PIDS+=("$(head -n1 "$WORK/bus.pid")")
  export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$WORK/bus")
  "$launcher" --launch-immediately >"$WORK/a11y-bus.log" 2>&1 &
  A11Y_PIDS+=($!)
  local _
  for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 &&
      break
    sleep 0.1
  done
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
}
# Debian's python, where its pyatspi is, whatever python3 the PATH finds first.
atspi() { /usr/bin/python3 "$(dirname "${BASH_SOURCE[0]}")/atspi.py" "$@"; }

FAKETIME_LIB=
for lib in /usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 /usr/lib/*/faketime/libfaketime.so.1; do
  [[ -e $lib ]] && { FAKETIME_LIB=$lib; break; }
done

# Focuses window $1. A window found by its name may not be mapped yet, and
# focusing it then fails at once (BadMatch): tried again until it is.
focus_window() {
  local deadline=$((SECONDS + 10))
  until timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null; do
    ((SECONDS < deadline)) || return 1
    sleep 0.1
  done
}

# Starts the program with the clock standing at 12:00:00 (so its deals are
# known) while the monotonic clock, which drives its timers, runs on.
start_quenby() {
  [[ -n $FAKETIME_LIB ]] || fail "libfaketime not found"
  XDG_CONFIG_HOME=$CONFIG QT_QPA_PLATFORM=xcb TZ=UTC \
    FAKETIME="2026-01-01 12:00:00" FAKETIME_DONT_FAKE_MONOTONIC=1 LD_PRELOAD=$FAKETIME_LIB \
    "$QUENBY" >"$WORK/quenby.log" 2>&1 &
  APP_PID=$!
  WINDOW=$(timeout 20 xdotool search --sync --name ' - Quenby' | head -n1) || fail "no window"
  focus_window "$WINDOW" || fail "cannot focus the window"
  read_geometry
}

# Starts tollmere the same way, in its own working folder (its records file
# lives in the folder it is started from), and finds its window.
launch_tollmere() {
  [[ -n $FAKETIME_LIB ]] || fail "libfaketime not found"
  mkdir -p "$WORK/home"
  (cd "$WORK/home" && XDG_CONFIG_HOME=$CONFIG QT_QPA_PLATFORM=xcb TZ=UTC \
    FAKETIME="2026-01-01 12:00:00" FAKETIME_DONT_FAKE_MONOTONIC=1 LD_PRELOAD=$FAKETIME_LIB \
    exec "$QUENBY" >>"$WORK/tollmere.log" 2>&1) &
  APP_PID=$!
  WINDOW=$(timeout 20 xdotool search --sync --name ' - Tollmere' | head -n1) || fail "no window"
  focus_window "$WINDOW" || fail "cannot focus the window"
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
}

# Launches tollmere and finds its table: the view is the area of the table
# colour right of the tools toolbar and below the game toolbar.
start_tollmere() {
  launch_tollmere
  local x y i
  for _ in $(seq 50); do
    shot geometry
    VIEW_LEFT= VIEW_TOP=
    x=$(first_table_point geometry $(for x in $(seq 0 80); do echo "$((WIN_X + x)),$((WIN_Y + WIN_H / 2))"; done))
    [[ -n $x ]] && VIEW_LEFT=$((WIN_X + x))
    if [[ -n $VIEW_LEFT ]]; then
      y=$(first_table_point geometry $(for y in $(seq 0 120); do echo "$((VIEW_LEFT + 2)),$((WIN_Y + y))"; done))
      [[ -n $y ]] && VIEW_TOP=$((WIN_Y + y))
    fi
    [[ -n $VIEW_TOP ]] && break
    sleep 0.1
  done
  [[ -n $VIEW_TOP ]] || fail "no table of colour $TABLE_RGB in the window"
  # The last row of the table colour, looking up from the window's bottom.
  i=$(first_table_point geometry $(for y in $(seq $((WIN_H - 1)) -1 $((WIN_H / 2))); do echo "$((VIEW_LEFT + 2)),$((WIN_Y + y))"; done))
  [[ -n $i ]] && VIEW_H=$((WIN_Y + WIN_H - i - VIEW_TOP))
  VIEW_W=$((WIN_X + WIN_W - VIEW_LEFT))
}

# Waits for the dialog titled $1, types $2 into it and presses Return.
answer_dialog() {
  local dialog
  dialog=$(timeout 10 xdotool search --sync --name "^$1\$" | head -n1) || fail "no $1 dialog"
  focus_window "$dialog" || true
  sleep 0.3
  xdotool type --delay 10 "$2"
  xdotool key Return
}

# Waits for the program to end after it was told to close.
wait_exit() {
  for _ in $(seq 100); do
    kill -0 "$APP_PID" 2>/dev/null || { wait "$APP_PID" || true; APP_PID=; return 0; }
    sleep 0.1
  done
  fail "the program did not exit"
}

# The window's size and where the table starts below the menu bar: the first
# row whose left pixel shows the table colour.
read_geometry() {
  eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
  WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
  [[ -n ${TABLE_RGB:-} ]] || return 0
  local y
  for _ in $(seq 50); do
    shot geometry
    y=$(first_table_point geometry $(for y in $(seq 0 60); do echo "$((WIN_X + 3)),$((WIN_Y + y))"; done))
    if [[ -n $y ]]; then
      VIEW_TOP=$((WIN_Y + y))
      VIEW_W=$WIN_W
      VIEW_H=$((WIN_H - y))
      CX=$((WIN_X + VIEW_W / 2))
      CY=$((VIEW_TOP + VIEW_H / 2))
      return 0
    fi
    sleep 0.1
  done
  fail "no table of colour $TABLE_RGB in the window"
}

shot() { import -window root "$WORK/$1.png"; }
pixel() { convert "$WORK/$1.png" -format "%[pixel:p{$2,$3}]" info:; }
# The place in the list of the first of the points "x,y"... of screenshot $1
# that shows $TABLE_RGB, or nothing: one convert for the whole list, as a
# start of convert costs far more than reading a pixel.
first_table_point() {
  local name=$1 format= point
  shift
  for point; do format+="%[pixel:p{$point}]\\n"; done
  { convert "$WORK/$name.png" -format "$format" info: || true; } |
    awk -v want="$TABLE_RGB" '$0 == want && !found { print NR - 1; found = 1 }'
}
# Pixels that differ between two screenshots, or between two 71x96 places.
differ() { compare -metric AE "$WORK/$1.png" "$WORK/$2.png" null: 2>&1 || true; }
crop_card() { convert "$WORK/$1.png" -crop "71x96+$2+$3" +repage "$WORK/$4.png"; }

# Takes screenshot $2 until it differs from $1 (at most $3 seconds).
wait_change() {
  local deadline=$((SECONDS + ${3:-10}))
  while ((SECONDS < deadline)); do
    shot "$2"
    [[ $(differ "$1" "$2") != 0 ]] && return 0
    sleep 0.05
  done
  fail "the screen did not change after $1"
}

wait_title() {
  local deadline=$((SECONDS + 10))
  while ((SECONDS < deadline)); do
    [[ $(xdotool getwindowname "$WINDOW") =~ $1 ]] && return 0
    sleep 0.05
  done
  fail "caption is '$(xdotool getwindowname "$WINDOW")', not /$1/"
}

# Opens the Play menu from the keyboard and screenshots it once it is drawn.
open_play_menu() {
  shot before-menu
  xdotool key alt+p
  wait_change before-menu "$1" 5
  sleep 0.3
  shot "$1"
}

# The mean height of the dark pixels of the check mark column of the open
# Play menu: where the checked game's row is.
check_mark_y() {
  convert "$WORK/$1.png" -crop 20x170+10+22 +repage -colorspace gray -threshold 35% txt:- |
    awk -F'[,:]' '/gray\(0\)|black/ { sum += $2; n++ } END { if (n) printf "%d\n", 22 + sum / n; else print -1 }'
}

# A press, a few pointer moves with the button down, and a release.
drag() {
  xdotool mousemove "$1" "$2" mousedown 1
  local i
  for i in 1 2 3 4 5 6; do
    xdotool mousemove $(($1 + ($3 - $1) * i / 6)) $(($2 + ($4 - $2) * i / 6))
    sleep 0.03
  done
  xdotool mouseup 1
}

for tool in Xvfb xdotool import convert compare; do
  command -v "$tool" >/dev/null || fail "missing $tool"
done

# The desktop's language for what starts after this: German by default, with
# the locale built into the test's folder (no system locale needs making).
use_language() {
  local locale=${1:-de_DE}
  mkdir -p "$WORK/locale"
  localedef -i "$locale" -f UTF-8 "$WORK/locale/$locale.UTF-8" >/dev/null 2>&1 ||
    fail "cannot build the locale $locale.UTF-8 (package locales)"
  export LOCPATH=$WORK/locale LANG=$locale.UTF-8 LANGUAGE=${locale%%_*}
  unset LC_ALL LC_MESSAGES
}

# Screenshots named $2... copied into folder $1, to be looked at by eye.
keep_shots() {
  local folder=$1
  shift
  mkdir -p "$folder"
  for name; do cp "$WORK/$name.png" "$folder/"; done
  note "screenshots in $folder: $*"
}

# Setup's windows, found by their exact titles.
# The one visible window of that exact title, once it is mapped. A search dies on a
# window that vanishes under it (the progress dialog), so it is made afresh.
find_window() {
  local id= deadline=$((SECONDS + 20))
  while [[ -z $id ]] && ((SECONDS < deadline)); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) || true
    [[ -n $id ]] || sleep 0.1
  done
  [[ -n $id ]] || fail "no window '$1'"
  echo "$id"
}
wait_window() {
  local id
  id=$(find_window "$1") || exit 1
  focus_window "$id" || fail "cannot focus '$1'"
  echo "$id"
}
wait_gone() {
  local deadline=$((SECONDS + 10))
  while ((SECONDS < deadline)); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "window '$1' is still there"
}


# Waits for setup to end well after its last dialog, and checks that every
# file of distribution $1 was copied into folder $2.
wait_setup_installed() {
  for _ in $(seq 100); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
  wait "$APP_PID" || fail "setup ended with status $?: $(cat "$WORK/setup.log")"
  APP_PID=
  for f in quenby quenby.html SHUFFLE.WAV UP.WAV DOWN.WAV; do
    cmp -s "$1/$f" "$2/$f" || fail "$f not copied"
  done
}
