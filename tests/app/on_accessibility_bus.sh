#!/usr/bin/env bash
# Runs a command on a virtual display with its own session bus and an
# accessibility bus that Qt programs register with: on_accessibility_bus.sh COMMAND...
set -euo pipefail
source "$(dirname "$0")/../support/script_test.sh"
if [ -z "${TEASER_ON_SESSION_BUS:-}" ]; then
  exec env TEASER_ON_SESSION_BUS=1 "$source_root/scripts/on-virtual-display.sh" \
    dbus-run-session -- bash "$0" "$@"
fi
begin_script_test

unset AT_SPI_BUS_ADDRESS QT_QPA_PLATFORM
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 SDL_AUDIODRIVER=dummy

accessibility_bus_has_owner() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus | grep -q "boolean true"
}
start_accessibility_bus() {
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  stop_at_exit "$launcher"
}

# Qt registers only when the accessibility bus already has its owner.
start_accessibility_bus
if ! wait_for "the accessibility bus to have its owner" 10 accessibility_bus_has_owner; then
  echo "on_accessibility_bus: no accessibility bus after 10 s; starting its launcher once more" | tee -a "$waits_log" >&2
  kill "$launcher" 2>/dev/null || true
  start_accessibility_bus
  wait_for "the accessibility bus to have its owner (second launch)" 10 accessibility_bus_has_owner
fi
"$@"
