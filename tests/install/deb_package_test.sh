#!/usr/bin/env bash
# Builds the Debian package and checks its name, dependencies and contents.
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb=$(ls "$out"/teaser_*_amd64.deb)
depends=$(dpkg-deb -f "$deb" Depends)
contents=$(dpkg-deb -c "$deb")
for wanted in libqt6widgets6 libsdl2-mixer-2.0-0 timgm6mb-soundfont fonts-noto-cjk; do
  grep -q "$wanted" <<<"$depends" || { echo "Depends lacks $wanted: $depends" >&2; exit 1; }
done
for wanted in ./usr/lib/teaser/teaser ./usr/lib/teaser/libteaser-mixer.so ./usr/lib/teaser/hao2.dat "./usr/bin/teaser -> ../lib/teaser/teaser" \
    ./usr/share/applications/org.teaser.Teaser.desktop; do
  grep -qF "$wanted" <<<"$contents" || { echo "the package lacks $wanted" >&2; exit 1; }
done
echo "$(basename "$deb"): Depends: $depends"
