#!/usr/bin/env bash
# Starts the real program on a virtual display, waits for its window, hears
# the start-up song (SDL's disk audio driver records what is mixed), clicks
# 退出 and expects the program to end with status 0.
set -euo pipefail
source "$(dirname "$0")/../support/script_test.sh"
on_virtual_display "$0" "$@"
begin_script_test
program=$1

recording=$scratch/recording.raw
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$recording
unset QT_QPA_PLATFORM

start_program "$program"
wait_for "the window \"$window_title\" to be shown" 30 window_is_shown
wait_for "the start-up song to sound in the recording" 20 is_heard "$recording"
echo "the start-up song played (RMS amplitude $(recording_level "$recording"))"

click_button 退出
wait_for_program_end 10
[ "$program_status" -eq 0 ] || { echo "teaser ended with status $program_status after 退出" >&2; exit 1; }
echo "teaser ended with status 0 after 退出"
