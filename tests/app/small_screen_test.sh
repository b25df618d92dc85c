#!/usr/bin/env bash
# On a 640 x 480 screen at 1.5 times the size (427 x 320 to Qt), the fixed
# window is moved so the whole of it, both button rows too, is on screen.
set -euo pipefail
source "$(dirname "$0")/../support/script_test.sh"
if [ -z "${TEASER_XVFB_PID:-}" ]; then
  export TEASER_XVFB_SCREEN=640x480x24
fi
on_virtual_display "$0" "$@"
begin_script_test
program=$1
unset QT_QPA_PLATFORM
export SDL_AUDIODRIVER=dummy QT_SCALE_FACTOR=1.5

start_program "$program"
wait_for "the window to be shown" 30 window_is_shown
sleep 0.5 # the move after the first paint
eval "$(xdotool getwindowgeometry --shell "$(the_window)")"
echo "window at $X,$Y, $WIDTH x $HEIGHT on a 640 x 480 screen"
if [ "$X" -lt 0 ] || [ "$Y" -lt 0 ] || [ $((X + WIDTH)) -gt 640 ] || [ $((Y + HEIGHT)) -gt 480 ]; then
  echo "the window reaches off the screen" >&2
  exit 1
fi
kill "$program_pid"
wait_for_program_end 5
