#!/usr/bin/env bash
# Installs what is missing, builds teaser and starts it.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "teaser needs a graphical display: run it on a desktop, or as 'xvfb-run ./run.sh'." >&2
  exit 1
fi

install_missing_packages
configure_and_build build
exec "$root/build/teaser"
