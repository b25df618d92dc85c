#!/usr/bin/env bash
# Runs a command on a virtual display with its own session bus and an
# accessibility bus that Qt programs register with: on_accessibility_bus.sh COMMAND...
set -euo pipefail

if [ -z "${TEASER_ON_VIRTUAL_DISPLAY:-}" ]; then
  exec env TEASER_ON_VIRTUAL_DISPLAY=1 "$(dirname "$0")/../../scripts/on-virtual-display.sh" \
    dbus-run-session -- bash "$0" "$@"
fi

unset AT_SPI_BUS_ADDRESS QT_QPA_PLATFORM
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 SDL_AUDIODRIVER=dummy
/usr/libexec/at-spi-bus-launcher --launch-immediately & launcher=$!
trap 'kill $launcher 2>/dev/null' EXIT
# Qt registers only when the accessibility bus already has its owner.
for _ in $(seq 100); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q "boolean true" && break
  sleep 0.1
done
"$@"
