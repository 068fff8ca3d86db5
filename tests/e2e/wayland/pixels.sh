#!/usr/bin/env bash
# The same views under Xvfb and under sway, at output scale $4, from the same
# fixed clock: tollmere's title table, a tollmere deal (Fortune's Favor) and
# a quenby deal (Klondike). Each window must equal its X11 twin pixel for
# pixel, menus, toolbars and status bar included.
#   pixels.sh QUENBY TOLLMERE WLINPUT SCALE
source "$(dirname "$0")/../lib.sh"
TOLLMERE_BIN=$(readlink -f "$2")
QUENBY_BIN=$QUENBY
WLINPUT=$(readlink -f "$3")
SCALE=$4
source "$(dirname "$0")/lib.sh"

# The window under X11 as $1.ppm, in device pixels.
x11_shot() { import -window root -crop "${WIN_W}x${WIN_H}+$WIN_X+$WIN_Y" +repage "$WORK/$1.ppm"; }
same_window() {
  local size_x size_w changed
  size_x=$(identify -format %wx%h "$WORK/x11-$1.ppm")
  size_w=$(identify -format %wx%h "$WORK/wl-$1.ppm")
  [[ $size_x == "$size_w" ]] || fail "$1: the window is $size_w under Wayland, $size_x under X11"
  changed=$(compare -metric AE "$WORK/x11-$1.ppm" "$WORK/wl-$1.ppm" null: 2>&1 || true)
  [[ $changed == 0 ]] || fail "$1: $changed pixels differ between Wayland and X11 at scale $SCALE"
  note "$1: the same $size_x pixels under Wayland and X11 at scale $SCALE"
}

note "references under Xvfb at scale $SCALE"
SCREEN_SIZE=$((OUTPUT_W * SCALE))x$((OUTPUT_H * SCALE))x24
[[ $SCALE == 1 ]] || export QT_SCALE_FACTOR=$SCALE
start_xvfb
QUENBY=$QUENBY_BIN
start_quenby
xdotool key alt+p
sleep 0.3
xdotool key k
wait_title '^Klondike - Quenby'
settle x11_shot x11-quenby
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true; APP_PID=

QUENBY=$TOLLMERE_BIN
TABLE_RGB="srgb(0,64,64)"
launch_tollmere
settle x11_shot x11-title
# The first game button, Fortune's Favor, sits 23 logical pixels above the
# table's top, 32 from the window's left.
view_top=$(convert "$WORK/x11-title.ppm" -crop "1x$((WIN_H / 2))+$((WIN_W / 2))+0" +repage txt:- |
  awk -F'[,: ]+' -v want="${TABLE_RGB#srgb}" '!found && index($0, want) { print $2; found = 1 }')
[[ -n $view_top ]] || fail "no table in the tollmere window"
button_x=32 button_y=$((view_top / SCALE - 23))
# Then the pointer leaves the window at once, before the button can show its
# tooltip; on Wayland the same way.
xdotool mousemove $((WIN_X + button_x * SCALE)) $((WIN_Y + button_y * SCALE)) click 1
xdotool mousemove $((OUTPUT_W * SCALE - 4)) 4
wait_new x11_shot x11-title x11-changed
settle x11_shot x11-dealt
kill "$APP_PID"; wait "$APP_PID" 2>/dev/null || true; APP_PID=
unset QT_SCALE_FACTOR

note "the same under sway at scale $SCALE"
start_sway "$SCALE"
# The compositor draws its pointer into the screenshots: it waits outside
# the windows.
wl_input move $((OUTPUT_W - 4)) 4
quenby=$(stage "$QUENBY_BIN")
tollmere=$(stage "$TOLLMERE_BIN")
wl_start "$quenby" ' - Quenby'
wl_shot wl-before-menu
wl_keys alt+p
wait_new wl_shot wl-before-menu wl-menu
wl_keys k
wl_wait_title '^Klondike - Quenby'
settle wl_shot wl-quenby
same_window quenby
wl_quit_app

wl_start "$tollmere" ' - Tollmere'
settle wl_shot wl-title
same_window title
wl_click $((WL_X + button_x)) $((WL_Y + button_y))
wl_input move $((OUTPUT_W - 4)) 4
wait_new wl_shot wl-title wl-changed
settle wl_shot wl-dealt
same_window dealt
