#!/usr/bin/env bash
# Measures teaser and prints the table of bench/README.md.
# Usage: bench/run.sh BUILD_DIR [RUNS]   (BUILD_DIR configured with -DTEASER_BENCH=ON)
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-10}
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${TEASER_BENCH_ON_DISPLAY:-}" ]; then
  exec env TEASER_BENCH_ON_DISPLAY=1 "$here/../scripts/on-virtual-display.sh" bash "$0" "$@"
fi
unset QT_QPA_PLATFORM
# Music really plays, into nothing.
export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=/dev/null

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# Google Benchmark: the median of `runs` repetitions (two at least, or it
# reports no median), in the benchmark's unit.
benchmark_medians() {
  "$@" --benchmark_repetitions="$((runs < 2 ? 2 : runs))" --benchmark_report_aggregates_only=true --benchmark_format=csv 2>/dev/null \
    | awk -F, '/_median"/ { gsub(/"/, "", $1); sub(/_median$/, "", $1); sub(/\/real_time$/, "", $1); printf "%s %.1f\n", $1, $3 }'
}

first_paint_ms() {
  local probe=$1 start painted
  start=$(date +%s%N)
  painted=$("$probe" first-paint | awk '/^first-paint/ { print $2 }')
  awk -v a="$painted" -v b="$start" 'BEGIN { printf "%.1f\n", (a - b) / 1e6 }'
}

echo "| measure | teaser | reference | ratio or figure | goal |"
echo "|---|---|---|---|---|"

declare -A load
# The largest bank reports a counter of its own, which Google Benchmark's CSV
# output cannot mix with runs that have none: it runs on its own.
while read -r name value; do load[$name]=$value; done < <(benchmark_medians "$build/bench/load_bank_bench" --benchmark_filter=-largestAccepted)
while read -r name value; do load[$name]=$value; done < <(benchmark_medians "$build/bench/load_bank_bench" --benchmark_filter=largestAccepted)
echo "| LoadBank hao2.dat (1262 questions) | ${load[BM_LoadBank_hao2]} µs | | | well under 1 ms |"
echo "| LoadBank, 1,000,000 questions (~100 MB) | ${load[BM_LoadBank_millionQuestions]} ms | wc -l: ${load[BM_WcL_millionQuestions]} ms | $(ratio "${load[BM_LoadBank_millionQuestions]}" "${load[BM_WcL_millionQuestions]}")× | ≤ 3× |"
largest_memory=$("$build/bench/load_bank_bench" --benchmark_filter=largestAccepted --benchmark_format=csv 2>/dev/null \
  | awk -F, '/largestAccepted/ { print $NF }' | head -n 1)
echo "| LoadBank, largest bank accepted (128 MB of empty lines) | ${load[BM_LoadBank_largestAccepted]} ms | | $(printf '%.1f' "${largest_memory:-0}")× its size in memory | < 1000 ms, ≤ 3× |"

teaser_paint=$(for _ in $(seq "$runs"); do first_paint_ms "$build/bench/program_probe"; done | median)
baseline_paint=$(for _ in $(seq "$runs"); do first_paint_ms "$build/bench/baseline_probe"; done | median)
echo "| start-up to first paint | $teaser_paint ms | window alone: $baseline_paint ms | $(ratio "$teaser_paint" "$baseline_paint")× | ≤ 1.3× |"

# The longest time the GUI thread is held up after the window maps, in the
# worst of the runs, the two programs taking turns.
teaser_blocks=() baseline_blocks=()
for _ in $(seq "$runs"); do
  teaser_blocks+=("$("$build/bench/program_probe" longest-block 3 | awk '/^longest-block-ms/ { print $2 }')")
  baseline_blocks+=("$("$build/bench/baseline_probe" longest-block 3 | awk '/^longest-block-ms/ { print $2 }')")
done
worst() { printf '%s\n' "$@" | sort -g | tail -n 1; }
echo "| longest GUI-thread block after the window maps (worst of $runs) | $(worst "${teaser_blocks[@]}") ms | window alone: $(worst "${baseline_blocks[@]}") ms | | ≤ 16 ms |"

# From exec to the handler of a click on 下一题 that is sent the moment the
# window is on screen.
title="岚石脑筋急转弯2.0"
click_ms() {
  local probe=$1 start window result
  start=$(date +%s%N)
  "$probe" click 10 >"$scratch/click" & local pid=$!
  until window=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1) && [ -n "$window" ]; do :; done
  # 按钮3 "下一题" at (193, 210) in its group box, at (0, -7) in the window.
  xdotool mousemove --window "$window" 218 218 click 1
  wait "$pid"
  result=$(awk '/^click-handled/ { print $2, $3 }' "$scratch/click")
  if [ -z "$result" ] || [ "${result#* }" != shown ]; then
    echo lost
  else
    awk -v a="${result% *}" -v b="$start" 'BEGIN { printf "%.1f\n", (a - b) / 1e6 }'
  fi
}
scratch=$(mktemp -d)
teaser_clicks=() baseline_clicks=()
for _ in $(seq "$runs"); do
  teaser_clicks+=("$(click_ms "$build/bench/program_probe")")
  baseline_clicks+=("$(click_ms "$build/bench/baseline_probe")")
done
rm -rf "$scratch"
lost=$(printf '%s\n' "${teaser_clicks[@]}" | grep -c lost || true)
teaser_click=$(printf '%s\n' "${teaser_clicks[@]}" | grep -v lost | median)
baseline_click=$(printf '%s\n' "${baseline_clicks[@]}" | grep -v lost | median)
echo "| exec to a click on 下一题 handled | $teaser_click ms | window alone: $baseline_click ms | $(ratio "$teaser_click" "$baseline_click")× | ≤ 1.2× |"
echo "| clicks lost at start-up | $lost of $runs | | | 0 |"

teaser_peak=$("$build/bench/program_probe" peak-memory 6 | awk '/^peak-memory-kB/ { print $2 }')
baseline_peak=$("$build/bench/baseline_probe" peak-memory 6 | awk '/^peak-memory-kB/ { print $2 }')
echo "| peak memory (RSS), music playing | $((teaser_peak / 1024)) MB | window alone: $((baseline_peak / 1024)) MB | +$(((teaser_peak - baseline_peak) / 1024)) MB | ≤ +30 MB |"

while read -r name value; do
  echo "| ${name#BM_} with its widget updates | $value µs | | | < 1000 µs |"
done < <(benchmark_medians "$build/bench/handler_bench")

idle=$("$build/bench/program_probe" idle-cpu 10 | awk '/^idle-cpu-percent/ { print $2 }')
echo "| CPU while idle, countdown running, music off | $idle % of a core | | | < 0.5 % |"
