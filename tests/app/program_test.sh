#!/usr/bin/env bash
# Starts the real program on a virtual display, waits for its window, hears
# the start-up song (SDL's disk audio driver records what is mixed), clicks
# 退出 and expects the program to end with status 0.
set -euo pipefail
source "$(dirname "$0")/../support/script_test.sh"
on_virtual_display "$0" "$@"
begin_script_test
program=$1
title="岚石脑筋急转弯2.0"

recording=$scratch/recording.raw
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$recording
unset QT_QPA_PLATFORM

# The mixer plays signed 16-bit stereo at 44100 Hz.
recording_level() {
  sox -t raw -r 44100 -e signed -b 16 -c 2 "$recording" -n stat 2>&1 | awk '/^RMS +amplitude/ { print $3 }'
}
song_is_heard() { awk -v level="$(recording_level)" 'BEGIN { exit !(level > 0.001) }'; }

start_program "$program"
wait_for "the window \"$title\" to be shown" 30 xdotool search --onlyvisible --name "$title"
window=$(xdotool search --onlyvisible --name "$title" | head -n 1)
wait_for "the start-up song to sound in the recording" 20 song_is_heard
echo "the start-up song played (RMS amplitude $(recording_level))"

# 按钮12 "退出" spans x 284-364, y 243-273 in its group box, which sits at
# (0, -7) in the window.
xdotool mousemove --window "$window" 324 251 click 1
wait_for_program_end 10
[ "$program_status" -eq 0 ] || { echo "teaser ended with status $program_status after 退出" >&2; exit 1; }
echo "teaser ended with status 0 after 退出"
