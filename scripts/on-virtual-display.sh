#!/usr/bin/env bash
# Runs a command on a fresh virtual X display: on-virtual-display.sh COMMAND...
# Xvfb picks a free display number itself and reports it once it accepts
# connections, so runs one after another never race for the same display.
set -euo pipefail

ready=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$ready" 2>/dev/null & server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -f "$ready"' EXIT
for _ in $(seq 100); do
  [ -s "$ready" ] && break
  kill -0 "$server" 2>/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
  sleep 0.1
done
[ -s "$ready" ] || { echo "Xvfb did not report its display" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$ready")"
"$@"
