#!/usr/bin/env bash
# SIGTERM, SIGINT and SIGHUP end the real program promptly and cleanly, with
# its song playing, and with a message box open; the exit status is 128 +
# the signal's number, as a shell expects.
set -euo pipefail
source "$(dirname "$0")/../support/script_test.sh"
on_virtual_display "$0" "$@"
begin_script_test
program=$1
unset QT_QPA_PLATFORM

recording=$scratch/recording.raw
message_box_is_open() { [ "$(xdotool search --onlyvisible --name "$window_title" | wc -l)" -ge 2 ]; }

# end_with SIGNAL STATUS: sends the signal and expects the program to end
# within two seconds with that status.
end_with() {
  kill -s "$1" "$program_pid"
  wait_for_program_end 2
  [ "$program_status" -eq "$2" ] || { echo "$1 ended teaser with status $program_status, not $2" >&2; exit 1; }
  echo "$1 ended teaser with status $2"
}

for signal in TERM:143 INT:130 HUP:129; do
  rm -f "$recording"
  SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$recording start_program "$program"
  wait_for "the window to be shown" 30 window_is_shown
  wait_for "the song to sound, the audio device open" 20 is_heard "$recording"
  end_with "${signal%%:*}" "${signal##*:}"
done

# The same with a message box open: a folder with no bank gets its warning.
lonely=$scratch/lonely
mkdir -p "$lonely"
cp "$program" "$lonely/teaser"
SDL_AUDIODRIVER=dummy start_program "$lonely/teaser"
wait_for "the bank warning to be shown over the window" 30 message_box_is_open
end_with TERM 143
