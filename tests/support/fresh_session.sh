#!/usr/bin/env bash
# fresh_session.sh COMMAND...: runs COMMAND with an empty HOME, empty XDG
# folders and a private runtime folder, as on a machine that never ran
# teaser, and removes them afterwards. Every script test starts this way, so
# a race that only a first run meets fails here and not on a newcomer's machine.
set -euo pipefail
session=$(mktemp -d)
trap 'rm -rf "$session"' EXIT
mkdir -p "$session"/{home,config,cache,data,state,runtime}
chmod 700 "$session/runtime"
status=0
env HOME="$session/home" XDG_CONFIG_HOME="$session/config" XDG_CACHE_HOME="$session/cache" \
  XDG_DATA_HOME="$session/data" XDG_STATE_HOME="$session/state" XDG_RUNTIME_DIR="$session/runtime" \
  "$@" || status=$?
exit "$status"
