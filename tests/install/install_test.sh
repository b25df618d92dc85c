#!/usr/bin/env bash
# Installs teaser to a scratch prefix, checks the layout, then starts the
# installed program through its bin/ link and plays its first question.
set -euo pipefail
build=$1
here=$(cd "$(dirname "$0")" && pwd)
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

program_dir="$prefix/lib/teaser"
for file in teaser date.dat ti2.dat hao2.dat timu.wav sound/记事本.mid sound/三角志.mid \
    ../../share/applications/org.teaser.Teaser.desktop ../../share/metainfo/org.teaser.Teaser.metainfo.xml \
    ../../share/icons/hicolor/128x128/apps/org.teaser.Teaser.png ../../share/icons/hicolor/16x16/apps/org.teaser.Teaser.png; do
  [ -e "$program_dir/$file" ] || { echo "not installed: $file" >&2; exit 1; }
done
[ "$(readlink "$prefix/bin/teaser")" = "../lib/teaser/teaser" ] || { echo "bin/teaser is not the link" >&2; exit 1; }
desktop-file-validate "$prefix/share/applications/org.teaser.Teaser.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.teaser.Teaser.metainfo.xml" >/dev/null

bash "$here/../app/on_accessibility_bus.sh" /usr/bin/python3 "$here/../app/accessibility_check.py" "$prefix/bin/teaser"
echo "installed teaser found its banks and ended with status 0"
