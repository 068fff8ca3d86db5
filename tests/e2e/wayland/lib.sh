# The programs under a real Wayland compositor: a headless sway of this
# test's own (no XWayland), screenshots with grim, and input from wlinput's
# virtual pointer and keyboard. Sourced after ../lib.sh, whose Xvfb serves as
# the reference the Wayland pixels are compared with.
#
# sway refuses to run as root. Started as root (as CI is), the compositor and
# the programs under it run as the unprivileged user nobody, from copies in a
# folder of that user's: the build tree may sit where nobody cannot reach.
# Started as an ordinary user, everything runs as that user.

WLINPUT=${WLINPUT:?}
SWAY_PID=
WLINPUT_PID=
WL_APP_PID=
WL_SCALE=1
OUTPUT_W=1024 OUTPUT_H=768

if [[ $(id -u) == 0 ]]; then
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
  WL_HOME=$(mktemp -d /tmp/tw-wayland.XXXXXX)
  chown 65534:65534 "$WL_HOME"
else
  as_user=()
  WL_HOME=$WORK/wayland
  mkdir "$WL_HOME"
fi

# Ends what this test started, by process id, then hands the test's status
# on to ../lib.sh's cleanup.
wayland_cleanup() {
  local status=$? pid
  for pid in "$WL_APP_PID" "$WLINPUT_PID" "$SWAY_PID"; do
    [[ -n $pid ]] && { kill "$pid" 2>/dev/null || true; }
  done
  [[ -n $SWAY_PID ]] && { wait "$SWAY_PID" 2>/dev/null || true; }
  [[ $WL_HOME == /tmp/tw-wayland.* ]] && rm -rf "$WL_HOME"
  { (exit "$status"); cleanup; } || true
}
trap 'wayland_cleanup' EXIT

# Copies program $1 where the compositor's user can run it; prints the copy.
stage() {
  local copy
  copy=$WL_HOME/bin/$(basename "$1")
  mkdir -p "$WL_HOME/bin"
  cp -r "$1" "$copy"
  [[ $(id -u) == 0 ]] && chown -R 65534:65534 "$WL_HOME/bin"
  echo "$copy"
}

# The start of a command line that runs the rest as the compositor's user, in
# the environment of a Wayland desktop, whose X server for older programs
# (here the reference Xvfb, where there is one) is named too: Qt must choose
# Wayland by itself, with no QT_QPA_PLATFORM. Run with exec, so that $! is
# the process itself. The variables $@ are set only after the change of
# user: a faked clock preloaded into the root side would share its state
# through files the user cannot open.
session() {
  SESSION=(env -i PATH=/usr/bin:/bin HOME="$WL_HOME" LANG=C.UTF-8 XDG_RUNTIME_DIR="$WL_HOME/run"
           XDG_SESSION_TYPE=wayland ${WAYLAND_DISPLAY:+WAYLAND_DISPLAY=$WAYLAND_DISPLAY} ${DISPLAY:+DISPLAY=$DISPLAY}
           "${as_user[@]}" env "$@")
}

# Starts sway at output scale $1 (default 1) on a 1024x768 logical screen.
# Windows float at the size they ask for unless $2 is "tiled".
start_sway() {
  WL_SCALE=${1:-1}
  local mode="$((OUTPUT_W * WL_SCALE))x$((OUTPUT_H * WL_SCALE))"
  mkdir -p -m 700 "$WL_HOME/run"
  [[ $(id -u) == 0 ]] && chown 65534:65534 "$WL_HOME/run"
  {
    echo "xwayland disable"
    echo "output * mode $mode scale $WL_SCALE bg #000000 solid_color"
    echo "default_border none"
    echo "default_floating_border none"
    echo "focus_follows_mouse no"
    [[ ${2:-} == tiled ]] || echo 'for_window [app_id=".*"] floating enable'
  } >"$WL_HOME/sway.conf"
  chmod 644 "$WL_HOME/sway.conf"
  unset WAYLAND_DISPLAY
  session WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1
  "${SESSION[@]}" sway -c "$WL_HOME/sway.conf" >"$WORK/sway.log" 2>&1 &
  SWAY_PID=$!
  local socket=
  for _ in $(seq 100); do
    socket=$(find "$WL_HOME/run" -maxdepth 1 -name 'sway-ipc.*' 2>/dev/null | head -n1)
    [[ -n $socket && -S $WL_HOME/run/wayland-1 ]] && break
    kill -0 "$SWAY_PID" 2>/dev/null || fail "sway did not start: $(tail -5 "$WORK/sway.log")"
    sleep 0.1
  done
  [[ -n $socket ]] || fail "sway gave no socket"
  export WAYLAND_DISPLAY=wayland-1 SWAYSOCK=$socket XDG_RUNTIME_DIR=$WL_HOME/run
  # The virtual devices, held until the test ends: the seat has input
  # capabilities only while they exist.
  coproc WLINPUT_PROC { exec "$WLINPUT" "$OUTPUT_W" "$OUTPUT_H" 2>"$WORK/wlinput.log"; }
  WLINPUT_PID=$WLINPUT_PROC_PID
  local answer
  read -r -t 10 answer <&"${WLINPUT_PROC[0]}" || true
  [[ $answer == ready ]] || fail "no virtual input: $(cat "$WORK/wlinput.log")"
}

# One input command (see wlinput.c): "move X Y", "down", "up", "click",
# "key CHORD". Returns once the compositor has taken it.
wl_input() {
  local answer
  echo "$*" >&"${WLINPUT_PROC[1]}"
  read -r -t 10 answer <&"${WLINPUT_PROC[0]}" || true
  [[ $answer == ok ]] || fail "input '$*' not taken: ${answer:-no answer}"
}
# Keys one after another, each a chord such as "alt+p": a move made from
# keys is a list of them.
wl_keys() {
  local chord
  for chord; do wl_input key "$chord"; sleep 0.05; done
}
# Types text $1 key by key.
wl_type() {
  local i c
  for ((i = 0; i < ${#1}; i++)); do
    c=${1:i:1}
    case $c in
      /) c=slash ;; ' ') c=space ;; .) c=period ;; -) c=minus ;; _) c=underscore ;;
      [A-Za-z0-9]) ;;
      *) fail "wl_type: no key for '$c'" ;;
    esac
    wl_input key "$c"
  done
}
# A press at logical (x1, y1), moves with the button down, a release at (x2, y2).
wl_drag() {
  wl_input move "$1" "$2"
  sleep 0.05
  wl_input down
  local i
  for i in 1 2 3 4 5 6; do
    wl_input move $(($1 + ($3 - $1) * i / 6)) $(($2 + ($4 - $2) * i / 6))
    sleep 0.03
  done
  wl_input up
}
wl_click() { wl_input move "$1" "$2"; sleep 0.05; wl_input click; }

# Starts program $1 (a staged copy) in folder $WL_HOME/home with the fixed
# clock of ../lib.sh, and waits for its window, titled to match $2.
wl_start() {
  [[ -n $FAKETIME_LIB ]] || fail "libfaketime not found"
  mkdir -p "$WL_HOME/home/config"
  [[ $(id -u) == 0 ]] && chown -R 65534:65534 "$WL_HOME/home"
  session XDG_CONFIG_HOME="$WL_HOME/home/config" TZ=UTC \
    FAKETIME="2026-01-01 12:00:00" FAKETIME_DONT_FAKE_MONOTONIC=1 LD_PRELOAD=$FAKETIME_LIB
  (cd "$WL_HOME/home" && exec "${SESSION[@]}" "$1" >>"$WORK/wayland-app.log" 2>&1) &
  WL_APP_PID=$!
  wl_wait_window "$2"
}

# Waits for the window whose title matches $1 to be shown with the keyboard's
# focus: its logical rectangle as WL_X WL_Y WL_W WL_H, and it must be a
# native Wayland window (xdg_shell, not XWayland).
wl_wait_window() {
  local deadline=$((SECONDS + 20)) found=
  while ((SECONDS < deadline)); do
    found=$(swaymsg -t get_tree -r | jq -r --arg want "$1" \
      '[.. | objects | select(.type? == "con" or .type? == "floating_con") | select(.pid? and (.name // "" | test($want)))][0]
       | select(. != null) | "\(.rect.x) \(.rect.y) \(.rect.width) \(.rect.height) \(.shell) \(.visible and .focused)"')
    [[ -n $found && $found == *" true" ]] && break
    sleep 0.1
  done
  [[ -n $found ]] || fail "no window titled /$1/ under sway: $(tail -5 "$WORK/wayland-app.log")"
  read -r WL_X WL_Y WL_W WL_H WL_SHELL _ <<<"$found"
  [[ $WL_SHELL == xdg_shell ]] || fail "the window is $WL_SHELL, not a native Wayland window"
}

wl_title_matches() {
  swaymsg -t get_tree -r | jq -e --arg want "$1" '[.. | objects | select(.pid? and (.name // "" | test($want)))] | length > 0' >/dev/null
}
wl_wait_title() {
  local deadline=$((SECONDS + 10))
  while ((SECONDS < deadline)); do
    wl_title_matches "$1" && return 0
    sleep 0.05
  done
  fail "no window titled /$1/ under sway"
}

wl_quit_app() {
  [[ -n $WL_APP_PID ]] || return 0
  kill "$WL_APP_PID" 2>/dev/null || true
  wait "$WL_APP_PID" 2>/dev/null || true
  WL_APP_PID=
}

# Screenshot $1.ppm of the window, in device pixels. Uncompressed, so that
# two screenshots are the same pixels exactly when they are the same bytes.
wl_shot() { grim -t ppm -g "$WL_X,$WL_Y ${WL_W}x$WL_H" "$WORK/$1.ppm" || fail "grim failed"; }
same_ppm() { cmp -s "$WORK/$1.ppm" "$WORK/$2.ppm"; }
# Takes screenshot $3 with $1 until it differs from $2 (at most $4 seconds).
wait_new() {
  local deadline=$((SECONDS + ${4:-10}))
  while ((SECONDS < deadline)); do
    "$1" "$3"
    same_ppm "$2" "$3" || return 0
    sleep 0.05
  done
  fail "the window did not change after $2"
}
# Takes screenshot $2 with $1 until two in a row are the same: the window
# has settled.
settle() {
  "$1" "$2-a"
  for _ in $(seq 30); do
    sleep 0.2
    "$1" "$2"
    same_ppm "$2-a" "$2" && return 0
    mv "$WORK/$2.ppm" "$WORK/$2-a.ppm"
  done
  fail "$2 never settled"
}
# The colour of device pixel (x, y) of screenshot $1, as srgb(r,g,b).
wl_pixel() { convert "$WORK/$1.ppm" -format "%[pixel:p{$2,$3}]" info:; }

for tool in sway swaymsg grim jq setpriv; do
  command -v "$tool" >/dev/null || fail "missing $tool"
done
