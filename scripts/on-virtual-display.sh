#!/usr/bin/env bash
# Runs a command on a fresh virtual X display: on-virtual-display.sh COMMAND...
# Xvfb picks a free display number itself and reports it once it accepts
# connections, so runs one after another never race for the same display.
# -noreset keeps the server up for the whole command: without it Xvfb resets
# whenever its last client leaves (a bus launcher that connects and goes, say)
# and refuses whoever connects during the reset.
# The command finds the server's pid in TEASER_XVFB_PID and its log in
# TEASER_XVFB_LOG, to say what became of the display when something fails.
# TEASER_XVFB_SCREEN sets the screen (1024x768x24 unless set).
set -euo pipefail

log=$(mktemp)
ready=$(mktemp)
server=
trap '[ -z "$server" ] || { kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; }; rm -f "$ready" "$log"' EXIT

# start_server: starts Xvfb and waits up to 10 s for it to report its display.
start_server() {
  : >"$ready"
  Xvfb -displayfd 3 -noreset -screen 0 "${TEASER_XVFB_SCREEN:-1024x768x24}" -nolisten tcp 3>"$ready" 2>>"$log" & server=$!
  for _ in $(seq 100); do
    [ -s "$ready" ] && return 0
    kill -0 "$server" 2>/dev/null || break
    sleep 0.1
  done
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true
  server=
  return 1
}

if ! start_server; then
  echo "on-virtual-display: Xvfb did not report a display within 10 s; starting it once more. Its log:" >&2
  sed 's/^/  /' "$log" >&2
  start_server || { echo "on-virtual-display: Xvfb did not start twice; its log:" >&2; sed 's/^/  /' "$log" >&2; exit 1; }
fi

export DISPLAY=":$(head -n 1 "$ready")" TEASER_XVFB_PID=$server TEASER_XVFB_LOG=$log
status=0
"$@" || status=$?
exit "$status"
