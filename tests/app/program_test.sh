#!/usr/bin/env bash
# Starts the real program on a virtual display, waits for its window, hears
# the start-up song (SDL's disk audio driver records what is mixed), clicks
# 退出 and expects the program to end with status 0.
set -euo pipefail
program=$1

if [ -z "${TEASER_ON_VIRTUAL_DISPLAY:-}" ]; then
  exec env TEASER_ON_VIRTUAL_DISPLAY=1 "$(dirname "$0")/../../scripts/on-virtual-display.sh" bash "$0" "$@"
fi

recording=$(mktemp)
trap 'rm -f "$recording"' EXIT
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$recording
unset QT_QPA_PLATFORM
"$program" & pid=$!
timeout 30 xdotool search --sync --name "岚石脑筋急转弯2.0" >/dev/null
sleep 2
# 按钮12 sits at (284, 243) in its group box, which sits at (0, -7) in the
# window at (50, 50); the display has no window manager, so no frame.
xdotool mousemove 374 301 click 1
for _ in $(seq 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
  echo "the program did not end after 退出" >&2
  kill "$pid"
  exit 1
fi
wait "$pid"
echo "teaser ended with status 0 after 退出"

# The mixer plays signed 16-bit stereo at 44100 Hz.
level=$(sox -t raw -r 44100 -e signed -b 16 -c 2 "$recording" -n stat 2>&1 | awk '/^RMS +amplitude/ { print $3 }')
awk -v level="${level:-0}" 'BEGIN { exit !(level > 0.001) }' || { echo "the start-up song was silent (RMS $level)" >&2; exit 1; }
echo "the start-up song played (RMS amplitude $level)"
