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
while read -r name value; do load[$name]=$value; done < <(benchmark_medians "$build/bench/load_bank_bench")
echo "| LoadBank hao2.dat (1262 questions) | ${load[BM_LoadBank_hao2]} µs | | | well under 1 ms |"
echo "| LoadBank, 1,000,000 questions (~100 MB) | ${load[BM_LoadBank_millionQuestions]} ms | wc -l: ${load[BM_WcL_millionQuestions]} ms | $(ratio "${load[BM_LoadBank_millionQuestions]}" "${load[BM_WcL_millionQuestions]}")× | ≤ 3× |"

teaser_paint=$(for _ in $(seq "$runs"); do first_paint_ms "$build/bench/program_probe"; done | median)
baseline_paint=$(for _ in $(seq "$runs"); do first_paint_ms "$build/bench/baseline_probe"; done | median)
echo "| start-up to first paint | $teaser_paint ms | window alone: $baseline_paint ms | $(ratio "$teaser_paint" "$baseline_paint")× | ≤ 1.3× |"

teaser_peak=$("$build/bench/program_probe" peak-memory 6 | awk '/^peak-memory-kB/ { print $2 }')
baseline_peak=$("$build/bench/baseline_probe" peak-memory 6 | awk '/^peak-memory-kB/ { print $2 }')
echo "| peak memory (RSS), music playing | $((teaser_peak / 1024)) MB | window alone: $((baseline_peak / 1024)) MB | +$(((teaser_peak - baseline_peak) / 1024)) MB | ≤ +30 MB |"

while read -r name value; do
  echo "| ${name#BM_} with its widget updates | $value µs | | | < 1000 µs |"
done < <(benchmark_medians "$build/bench/handler_bench")

idle=$("$build/bench/program_probe" idle-cpu 10 | awk '/^idle-cpu-percent/ { print $2 }')
echo "| CPU while idle, countdown running, music off | $idle % of a core | | | < 0.5 % |"
