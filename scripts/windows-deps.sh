#!/usr/bin/env bash
# Cross-builds what teaser needs on Windows from Debian's source packages:
# Qt (Core, Gui, Widgets, Test and the plugins the program loads), SDL2,
# SDL2_mixer (WAV, and MIDI through Windows' own MIDI player) and
# GoogleTest; and makes a Wine prefix to run the results in.
#
#   deps=$(scripts/windows-deps.sh)    # the log goes to stderr, the folder to stdout
#   scripts/windows-deps.sh --if-built # the folder if it is complete, else status 1;
#                                      # never installs or builds anything
#
# The folder is ${XDG_CACHE_HOME:-$HOME/.cache}/teaser/windows-KEY (or
# $TEASER_WINDOWS_CACHE/windows-KEY); KEY changes with the source packages'
# versions, the compilers, Wine, the build machine's Qt, this script and the
# toolchain file. A folder that exists is complete and is reused at once: the
# build happens in windows-KEY.partial and is moved into place when all of it
# succeeded. The folder holds
#   prefix/      bin/ with every DLL a program needs beside it (the MinGW
#                runtime too), plugins/, include/, lib/cmake/ for find_package
#   wine/        the Wine prefix, made once
#   wine-run     runs a Windows program under Wine with prefix/bin on its path
#   versions.txt what KEY was made of; build.log, logs/ how the build went
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

jobs=${TEASER_WINDOWS_JOBS:-$(nproc)}
cache_root=${TEASER_WINDOWS_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/teaser}
source_packages=(qt6-base libsdl2 libsdl2-mixer googletest)
mingw=x86_64-w64-mingw32
wine_dir=/usr/lib/wine # Debian keeps wine64 off PATH
toolchain=$root/cmake/$mingw.cmake

started=$(date +%s)
log_file=
early_log=()
log() {
  local line
  line=$(printf '[windows-deps %5ss] %s' "$(($(date +%s) - started))" "$*")
  echo "$line" >&2
  if [ -n "$log_file" ]; then echo "$line" >>"$log_file"; else early_log+=("$line"); fi
}

# timed LABEL COMMAND...: runs COMMAND and logs how long it took. With a
# stage to write in, the output goes to logs/LABEL.log and its end is shown
# when COMMAND fails. COMMAND runs where set -e does not reach, so the
# functions given here return at their first failure themselves.
timed() {
  local label=$1 begin status=0
  shift
  begin=$(date +%s)
  log "$label ..."
  if [ -n "$log_file" ]; then
    "$@" >"$stage/logs/$label.log" 2>&1 || status=$?
  else
    "$@" >&2 || status=$?
  fi
  if [ "$status" -ne 0 ]; then
    [ -z "$log_file" ] || tail -n 60 "$stage/logs/$label.log" >&2
    log "$label FAILED (exit status $status) after $(($(date +%s) - begin)) s"
    exit "$status"
  fi
  log "$label took $(($(date +%s) - begin)) s"
}

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# deb_src_stanzas FILE: the deb-src twins of the enabled deb stanzas of a
# deb822 .sources file.
deb_src_stanzas() {
  awk 'BEGIN { RS = ""; FS = "\n" }
      {
        types = ""; enabled = 1
        for (i = 1; i <= NF; i++) {
          if ($i ~ /^Types:/) types = $i
          if ($i ~ /^Enabled: *no/) enabled = 0
        }
        if (!enabled || types !~ /[: ]deb( |$)/ || types ~ /deb-src/) next
        for (i = 1; i <= NF; i++)
          if ($i ~ /^Types:/) print "Types: deb-src"; else if ($i !~ /^#/) print $i
        print ""
      }' "$1"
}

# The deb-src twins of the machine's enabled deb entries, in both of apt's
# formats; apt-get source needs them.
write_source_entries() {
  local file deb822 one_line
  deb822=$(for file in /etc/apt/sources.list.d/*.sources; do
    [ -e "$file" ] && [ "${file##*/}" != teaser-deb-src.sources ] || continue
    deb_src_stanzas "$file"
  done)
  one_line=$(for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -e "$file" ] && [ "${file##*/}" != teaser-deb-src.list ] || continue
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$file"
  done)
  [ -z "$deb822" ] || as_root tee /etc/apt/sources.list.d/teaser-deb-src.sources <<<"$deb822" >/dev/null
  [ -z "$one_line" ] || as_root tee /etc/apt/sources.list.d/teaser-deb-src.list <<<"$one_line" >/dev/null
}

ensure_source_entries() {
  apt-get source --print-uris "${source_packages[@]}" >/dev/null 2>&1 && return
  log "adding deb-src entries for the archives in use"
  write_source_entries
  as_root apt-get update -q >&2
}

# The files of the source packages apt would fetch now: "URI NAME" lines.
source_files() {
  apt-get source --print-uris "${source_packages[@]}" | sed -n "s/^'\([^']*\)' \([^ ]*\) .*/\1 \2/p"
}

cache_key_inputs() {
  source_files | awk '$2 ~ /\.dsc$/ { print "source", $2 }'
  dpkg-query -W -f='package ${Package} ${Version}\n' g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
    gcc-mingw-w64-x86-64-posix-runtime binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev \
    wine64 libwine qt6-base-dev-tools
  (cd "$root" && sha256sum scripts/windows-deps.sh "cmake/$mingw.cmake" | sed 's/^/file /')
}

# Downloads the source packages (once: they stay in the cache) and drops
# those of older versions.
fetch_sources() {
  local dir=$cache_root/sources
  mkdir -p "$dir"
  (cd "$dir" && apt-get source --download-only -q "${source_packages[@]}") || return
  local wanted
  wanted=$(source_files | awk '{ print $2 }')
  for file in "$dir"/*; do
    grep -qxF "${file##*/}" <<<"$wanted" || rm -rf "$file"
  done
}

# unpack PACKAGE: the patched source tree of PACKAGE, in $work/PACKAGE.
unpack() {
  local dsc
  dsc=$(source_files | awk -v p="$1" '$2 ~ ("^" p "_.*\\.dsc$") { print $2 }')
  [ -n "$dsc" ] || return
  rm -rf "${work:?}/$1"
  dpkg-source --no-check -x "$cache_root/sources/$dsc" "$work/$1"
}

# cross_build PACKAGE CMAKE_OPTION...: configures, builds and installs one
# source package into the staged prefix.
cross_build() {
  local package=$1
  shift
  timed "$package-unpack" unpack "$package"
  timed "$package-configure" cmake -G Ninja -S "$work/$package" -B "$work/$package-build" \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DTEASER_WINDOWS_DEPS="$staged" \
    -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$final/prefix" "$@"
  timed "$package-build" cmake --build "$work/$package-build" --parallel "$jobs"
  timed "$package-install" env DESTDIR="$stage/dest" cmake --install "$work/$package-build" --strip
  rm -rf "${work:?}/$package" "${work:?}/$package-build"
}

build_qt() {
  # No ICU: the program converts GBK through Windows itself. No tablet events:
  # Debian's source leaves out wintab.h. OpenGL stays (dynamic): the windows
  # platform plugin of Qt 6.4 does not build without it. Everything else the
  # program does not use is off, to build in less time.
  cross_build qt6-base -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF -DQT_BUILD_MANUAL_TESTS=OFF \
    -DFEATURE_icu=OFF -DFEATURE_tabletevent=OFF \
    -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_dbus=OFF -DFEATURE_printsupport=OFF \
    -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_vulkan=OFF -DFEATURE_zstd=OFF \
    -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_androiddeployqt=OFF \
    -DFEATURE_direct2d1_1=OFF -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
}

build_sdl() {
  # The program uses the audio only: Qt does the window and the input. Video
  # stays, as SDL for Windows does not link without it.
  cross_build libsdl2 -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF \
    -DSDL_RENDER=OFF -DSDL_JOYSTICK=OFF -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF -DSDL_SENSOR=OFF -DSDL_POWER=OFF
}

build_sdl_mixer() {
  # WAV, and MIDI through Windows' own MIDI player; no other codec, so no
  # other library.
  cross_build libsdl2-mixer -DBUILD_SHARED_LIBS=ON -DSDL2MIXER_VENDORED=OFF -DSDL2MIXER_SAMPLES=OFF \
    -DSDL2MIXER_WAVE=ON -DSDL2MIXER_MIDI=ON -DSDL2MIXER_MIDI_NATIVE=ON \
    -DSDL2MIXER_MIDI_FLUIDSYNTH=OFF -DSDL2MIXER_MIDI_TIMIDITY=OFF \
    -DSDL2MIXER_CMD=OFF -DSDL2MIXER_FLAC=OFF -DSDL2MIXER_MOD=OFF -DSDL2MIXER_MP3=OFF \
    -DSDL2MIXER_OPUS=OFF -DSDL2MIXER_VORBIS=
}

build_googletest() {
  # Static: each test program carries its own copy and needs no other DLL.
  cross_build googletest -DBUILD_SHARED_LIBS=OFF -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON
}

# The MinGW runtime goes beside the other DLLs, so one folder has them all.
copy_mingw_runtime() {
  local dll path
  for dll in libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    path=$("$mingw-g++-posix" -print-file-name="$dll")
    [ -f "$path" ] || { echo "$dll not found" >&2; return 1; }
    # Debian's libstdc++-6.dll carries its symbols: 24 MB instead of 2.
    "$mingw-strip" --strip-unneeded -o "$staged/prefix/bin/$dll" "$path" || return
  done
}

make_wine_prefix() {
  # No Mono and no Gecko: nothing here needs them, and wineboot would try to
  # download them.
  WINEPREFIX="$staged/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
    "$wine_dir/wine64" wineboot --init || return
  WINEPREFIX="$staged/wine" "$wine_dir/wineserver" --wait
}

write_wine_run() {
  cat >"$staged/wine-run" <<'EOF'
#!/bin/sh
# Runs a Windows program under Wine, with the DLLs of the prefix beside this
# script on its search path and Wine's debug messages off:
#   wine-run PROGRAM.exe [ARGUMENT...]
# Wine passes the program's exit status on.
deps=$(cd "$(dirname "$0")" && pwd)
# Wine keeps QT_* variables from Windows programs unless they are named
# WINEQT_*: QT_QPA_PLATFORM=offscreen would do nothing.
for name in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
  export "WINE$name=$(printenv "$name")"
done
WINEPREFIX=$deps/wine
WINEPATH="Z:$(echo "$deps/prefix/bin" | tr / '\\')${WINEPATH:+;$WINEPATH}"
WINEDEBUG=${WINEDEBUG--all}
export WINEPREFIX WINEPATH WINEDEBUG
exec /usr/lib/wine/wine64 "$@"
EOF
  chmod +x "$staged/wine-run"
}

# The complete folder for the key of what is installed now; status 1 when
# there is none (a key that cannot be told has none either).
built_folder() {
  local key
  # None at all, as on a new machine: no need to ask apt for the key.
  compgen -G "$cache_root/windows-*" >/dev/null || return 1
  key=$(cache_key_inputs 2>/dev/null | sha256sum | cut -c1-12) || return 1
  [ -d "$cache_root/windows-$key" ] || return 1
  echo "$cache_root/windows-$key"
}

main() {
  if [ "${1:-}" = --if-built ]; then
    built_folder
    return
  fi
  timed packages install_missing_packages "$root/scripts/debian-packages-windows.txt"
  ensure_source_entries
  mkdir -p "$cache_root"

  local key
  key=$(cache_key_inputs | sha256sum | cut -c1-12)
  final=$cache_root/windows-$key
  stage=$final.partial
  exec 9>"$cache_root/windows.lock"
  flock 9 # one build at a time; a second run of the same key waits and reuses it
  if [ -d "$final" ]; then
    log "reusing $final"
    echo "$final"
    return
  fi

  # What an interrupted build left, of this key or another.
  rm -rf "$cache_root"/windows-*.partial
  # Installs go below dest/ with the final path under it, so that what they
  # write about their own location stays right once the folder is moved.
  staged=$stage/dest$final
  work=$stage/work
  mkdir -p "$stage/logs" "$work" "$staged"
  log_file=$stage/build.log
  printf '%s\n' "${early_log[@]}" >"$log_file"
  log "building $final with $jobs jobs"
  cache_key_inputs | tee "$staged/versions.txt" | sed 's/^/  /' >&2

  timed fetch-sources fetch_sources
  build_qt
  build_sdl
  build_sdl_mixer
  build_googletest
  timed mingw-runtime copy_mingw_runtime
  timed wineboot make_wine_prefix
  write_wine_run

  log "done in $(($(date +%s) - started)) s; $(du -sh "$staged" | cut -f1) in the cache"
  mv "$stage/logs" "$log_file" "$staged/"
  log_file=$final/build.log
  mv "$staged" "$final"
  rm -rf "$stage"
  echo "$final"
}

# Sourced by its test, it only defines the functions.
[ "${BASH_SOURCE[0]}" != "$0" ] || main "$@"
