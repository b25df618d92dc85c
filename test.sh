#!/usr/bin/env bash
# Installs what is missing, then builds teaser with its tests and runs the
# whole suite twice: as built for use, and with AddressSanitizer,
# LeakSanitizer and UndefinedBehaviorSanitizer watching every test.
# The script tests, which run the real program on a virtual display, each
# in a fresh session, run TEASER_SCRIPT_REPEAT times (5 unless set): a race
# that a first run on a new machine meets must fail here.
# Last comes the Windows stage: teaser.exe cross-built with MinGW-w64 and
# its tests run under Wine. It runs when Qt, SDL and GoogleTest built for
# Windows are in the cache, or with TEASER_WINDOWS=1, which builds them
# first when they are not (30-50 minutes, once; scripts/windows-deps.sh).
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

install_missing_packages
jobs=$(nproc)
cd "$root"

# build_preset NAME: configures and builds one of the kinds in CMakePresets.json.
build_preset() {
  cmake --preset "$1"
  cmake --build --preset "$1" --parallel "$jobs"
}

# run_suite PRESET: the unit tests in parallel, then the script tests repeated.
run_suite() {
  ctest --preset "$1" -j "$jobs" -LE script
  ctest --preset "$1" -L script --repeat until-fail:"${TEASER_SCRIPT_REPEAT:-5}"
}

echo "== Layout: the code as .clang-format writes it"
git -C "$root" ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

echo "== Tests"
build_preset plain
run_suite plain

echo "== Benchmarks, one quick round (bench/README.md has the full figures)"
"$root/bench/run.sh" "$root/build" 1

echo "== Tests under the sanitizers"
build_preset sanitize
run_suite sanitize

echo "== Fuzzing the bank reader, the go-to number and the song check (${TEASER_FUZZ_SECONDS:=45} s each)"
build_preset fuzz
# name:corpus:longest input (the song check's seeds are whole songs).
for fuzzer in bank_fuzzer:bank:4096 go_to_number_fuzzer:go_to:4096 midi_check_fuzzer:midi:32768; do
  IFS=: read -r name seeds longest <<<"$fuzzer"
  corpus="$root/build-fuzz/corpus/$seeds"
  log="$root/build-fuzz/$name.log"
  mkdir -p "$corpus"
  status=0
  LSAN_OPTIONS="suppressions=$root/tests/sanitizer/lsan.supp" \
    "$root/build-fuzz/fuzz/$name" -max_total_time="$TEASER_FUZZ_SECONDS" -max_len="$longest" -print_final_stats=1 \
    "$corpus" "$root/fuzz/corpus/$seeds" >"$log" 2>&1 || status=$?
  grep -E "^(Done|stat::number_of_executed_units)" "$log" | sed "s/^/$name: /"
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log" >&2
    echo "$name found a fault (exit status $status)" >&2
    exit 1
  fi
done

echo "== Windows: teaser.exe cross-built with MinGW-w64, its tests and the program run under Wine"
if [ "${TEASER_WINDOWS:-}" = 1 ] || "$root/scripts/windows-deps.sh" --if-built >/dev/null; then
  started=$SECONDS
  windows_deps=$("$root/scripts/windows-deps.sh")
  TEASER_WINDOWS_DEPS=$windows_deps build_preset windows
  status=0
  ctest --preset windows -j "$jobs" || status=$?
  # The Wine server lingers a while after its last program; it goes now.
  WINEPREFIX="$windows_deps/wine" /usr/lib/wine/wineserver -k 2>/dev/null || true
  [ "$status" -eq 0 ] || exit "$status"
  echo "Windows stage: $((SECONDS - started)) s"
else
  echo "Windows stage skipped: no Qt, SDL and GoogleTest built for Windows in the cache; TEASER_WINDOWS=1 ./test.sh builds them once (30-50 min) and runs it"
fi
