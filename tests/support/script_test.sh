# Sourced by the script tests that run the real program.
#
# The helpers below start the program, wait for what it should do, and on
# any failure print what a person needs to see: the display and whether its
# server still answers, every wait with its time, and the program's status
# and stderr.

support_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_root=$(cd "$support_dir/../.." && pwd)

# on_virtual_display "$0" "$@": runs the test script again on a virtual
# display of its own; returns at once when already there.
on_virtual_display() {
  local script=$1
  shift
  [ -n "${TEASER_XVFB_PID:-}" ] && return 0
  exec "$source_root/scripts/on-virtual-display.sh" bash "$script" "$@"
}

scratch=
waits_log=
program_stderr=
program_pid=
program_status=
background_pids=()

# begin_script_test: call once on the display; from then on a failure
# explains itself. $scratch is a folder for the test's files, removed at the end.
begin_script_test() {
  scratch=$(mktemp -d)
  waits_log=$scratch/waits.log
  program_stderr=$scratch/program.stderr
  : >"$waits_log"
  trap finish_script_test EXIT
}

# stop_at_exit PID: a helper process (a bus launcher, say) to stop at the end.
stop_at_exit() { background_pids+=("$1"); }

# at_exit COMMAND...: runs COMMAND when the test ends, after the program
# and the helpers are stopped.
exit_commands=()
at_exit() { exit_commands+=("$(printf '%q ' "$@")"); }

now() { date +%s.%N; }
since() { awk -v start="$1" -v end="$(now)" 'BEGIN { printf "%.1f", end - start }'; }

# wait_for WHAT SECONDS COMMAND...: runs COMMAND every 0.1 s until it
# succeeds; fails after SECONDS, or as soon as the program has ended, saying
# what it waited for.
wait_for() {
  local what=$1 seconds=$2 start
  shift 2
  start=$(now)
  while :; do
    if "$@" >/dev/null 2>&1; then
      echo "waited $(since "$start") s for $what" >>"$waits_log"
      return 0
    fi
    if [ -n "$program_pid" ] && [ "$1" != program_has_ended ] && program_has_ended; then
      echo "the program ended after $(since "$start") s while the test waited for $what" >>"$waits_log"
      return 1
    fi
    if awk -v start="$start" -v end="$(now)" -v limit="$seconds" 'BEGIN { exit !(end - start >= limit) }'; then
      echo "gave up after $(since "$start") s waiting for $what" >>"$waits_log"
      return 1
    fi
    sleep 0.1
  done
}

# start_program PROGRAM [ARGUMENT...]: starts it in the background; its
# stderr is kept for the failure report.
start_program() {
  "$@" 2>"$program_stderr" &
  program_pid=$!
}

program_has_ended() { ! kill -0 "$program_pid" 2>/dev/null; }

# wait_for_program_end SECONDS: waits for the program to end and sets
# program_status; fails when it is still running after SECONDS.
wait_for_program_end() {
  wait_for "the program to end" "$1" program_has_ended || return 1
  program_status=0
  wait "$program_pid" || program_status=$?
}

# The real window and its buttons.
window_title="岚石脑筋急转弯2.0"
window_is_shown() { xdotool search --onlyvisible --name "$window_title"; }
the_window() { xdotool search --onlyvisible --name "$window_title" | head -n 1; }
# click_button NAME: a button's centre, from its place in its group box,
# which sits at (0, -7) in the window. The coordinates are the window's own,
# inside any frame a window manager or Wine puts around it.
click_button() {
  local x y
  case $1 in
    第一题) x=102 y=218 ;;   # 按钮7 at (77, 210), 50 x 30
    下一题) x=218 y=218 ;;   # 按钮3 at (193, 210), 50 x 30
    题库选择) x=136 y=251 ;; # 按钮10 at (96, 243), 80 x 30
    退出) x=324 y=251 ;;     # 按钮12 at (284, 243), 80 x 30
    *) echo "no button $1" >&2; return 1 ;;
  esac
  xdotool mousemove --window "$(the_window)" "$x" "$y" click 1
}

# What SDL's disk audio driver records: signed 16-bit stereo at 44100 Hz.
recording_level() {
  sox -t raw -r 44100 -e signed -b 16 -c 2 "$1" -n stat 2>&1 | awk '/^RMS +amplitude/ { print $3 }'
}
is_heard() { awk -v level="$(recording_level "$1")" 'BEGIN { exit !(level > 0.001) }'; }

x_server_state() {
  if [ -n "${TEASER_XVFB_PID:-}" ] && ! kill -0 "$TEASER_XVFB_PID" 2>/dev/null; then
    echo "gone (Xvfb pid $TEASER_XVFB_PID has ended)"
  elif xdotool getdisplaygeometry >/dev/null 2>&1; then
    echo "alive and answering"
  else
    echo "running but not answering"
  fi
}

report_failure() {
  local status=$1
  {
    echo "---- what the test saw (exit status $status) ----"
    echo "display: ${DISPLAY:-none}; X server: $(x_server_state)"
    [ -s "${TEASER_XVFB_LOG:-/dev/null}" ] && { echo "Xvfb said:"; sed 's/^/  /' "$TEASER_XVFB_LOG"; }
    echo "waits:"
    sed 's/^/  /' "$waits_log"
    if [ -n "$program_pid" ]; then
      if [ -n "$program_status" ]; then
        echo "program: ended with status $program_status"
      elif kill -0 "$program_pid" 2>/dev/null; then
        echo "program: still running (pid $program_pid); stopped now"
      else
        program_status=0
        wait "$program_pid" 2>/dev/null || program_status=$?
        echo "program: ended with status $program_status"
      fi
      echo "program's stderr:"
      tail -n 60 "$program_stderr" | sed 's/^/  /'
    fi
    echo "-------------------------------------------------"
  } >&2
}

finish_script_test() {
  local status=$?
  [ "$status" -eq 0 ] || report_failure "$status"
  [ -z "$program_pid" ] || kill "$program_pid" 2>/dev/null || true
  for pid in "${background_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for command in "${exit_commands[@]}"; do eval "$command" || true; done
  rm -rf "$scratch"
  exit "$status"
}
