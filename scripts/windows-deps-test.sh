#!/usr/bin/env bash
# Checks the parts of windows-deps.sh that need no cross build: a failing
# step stops the build, and the deb-src entries are derived right.
set -euo pipefail
source "$(dirname "$0")/windows-deps.sh"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
passed=0
failed=0
check() {
  local what=$1
  shift
  if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAILED: $what" >&2; fi
}

# A step that fails part-way must fail the build, even when the step's last
# command succeeds: wineboot fails here, wineserver --wait does not.
mkdir -p "$scratch/wine"
printf '#!/bin/sh\nexit 7\n' >"$scratch/wine/wine64"
printf '#!/bin/sh\nexit 0\n' >"$scratch/wine/wineserver"
chmod +x "$scratch/wine/wine64" "$scratch/wine/wineserver"
wineboot_fails() {
  ! (wine_dir=$scratch/wine staged=$scratch/staged timed wineboot make_wine_prefix) 2>/dev/null
}
check "a failing wineboot stops the build" wineboot_fails

cat >"$scratch/debian.sources" <<'SOURCES'
Types: deb
# a comment inside the stanza
URIs: http://archive.example/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb deb-src
URIs: http://both.example/debian
Suites: bookworm
Components: main

Types: deb
URIs: http://disabled.example/debian
Suites: bookworm
Components: main
Enabled: no

Types: deb-src
URIs: http://only-src.example/debian
Suites: bookworm
Components: main
SOURCES
expected='Types: deb-src
URIs: http://archive.example/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg'
twins_of_enabled_deb_stanzas_only() {
  [ "$(deb_src_stanzas "$scratch/debian.sources")" = "$expected" ]
}
check "deb-src twins of the enabled deb stanzas only" twins_of_enabled_deb_stanzas_only

# --if-built names the folder of the current key only when it is there, and
# never builds.
if_built() {
  (
    cache_key_inputs() { echo "the same inputs"; }
    cache_root=$scratch/cache
    install_missing_packages() { echo "would install" >&2; return 1; }
    key=$(cache_key_inputs | sha256sum | cut -c1-12)
    mkdir -p "$cache_root/windows-000000000000"
    ! main --if-built >/dev/null 2>&1 || return 1
    mkdir -p "$cache_root/windows-$key"
    [ "$(main --if-built 2>/dev/null)" = "$cache_root/windows-$key" ]
  )
}
check "--if-built names only a complete folder of the current key" if_built

echo "windows-deps: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
