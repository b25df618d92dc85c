#!/usr/bin/env bash
# The real program, with each of its sound files swapped for something that
# once crashed or froze it: a folder, a FIFO, an endless device, a song the
# synthesizer cannot play. Each time the window comes up, takes 下一题 (which
# plays timu.wav) and ends with status 0 on 退出.
set -euo pipefail
source "$(dirname "$0")/../support/script_test.sh"
on_virtual_display "$0" "$@"
begin_script_test
program=$1
unset QT_QPA_PLATFORM
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null
source_folder=$(dirname "$(readlink -f "$program")")

# run_with WHAT FILE MAKE...: a copy of the program folder in which FILE is
# replaced by what MAKE makes of it.
run_with() {
  local what=$1 file=$2
  shift 2
  local folder=$scratch/$what
  mkdir -p "$folder/sound"
  cp "$program" "$folder/teaser"
  cp "$source_folder"/{date.dat,ti2.dat,hao2.dat,timu.wav} "$folder/"
  cp "$source_folder"/sound/*.mid "$folder/sound/"
  rm -f "$folder/$file"
  "$@" "$folder/$file"
  echo "== $what"
  start_program "$folder/teaser"
  wait_for "the window to be shown ($what)" 30 window_is_shown
  click_button 下一题
  sleep 0.5 # time for the question cue to be read and played
  click_button 退出
  wait_for_program_end 10
  [ "$program_status" -eq 0 ] || { echo "teaser ended with status $program_status ($what)" >&2; exit 1; }
}

empty_song() { : >"$1"; }
broken_song() { printf 'MThd\0\0\0\006\0\001\0\001\001\340MTrk\0\0\0\004\0\377\057\0' >"$1"; }
endless() { ln -s /dev/zero "$1"; }
noise() { ln -s /dev/urandom "$1"; }

run_with song-is-a-folder sound/记事本.mid mkdir
run_with song-is-a-fifo sound/记事本.mid mkfifo
run_with song-is-endless sound/记事本.mid endless
run_with song-is-empty sound/记事本.mid empty_song
run_with song-has-no-notes sound/记事本.mid broken_song
run_with timu-is-a-folder timu.wav mkdir
run_with timu-is-a-fifo timu.wav mkfifo
run_with timu-is-endless timu.wav endless
run_with timu-is-noise timu.wav noise
echo "every swapped sound file was skipped; teaser ended with status 0 each time"
