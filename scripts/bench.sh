#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them: the configuration file's
# read, write and round trip beside their C-library floors, then the settings
# window's start beside a bare Qt window's. Installs nothing: it needs Google
# Benchmark (Debian libbenchmark-dev) and Qt already in place.
#
#   scripts/bench.sh [BENCHMARK OPTIONS...]
#
# The sample files go to $KAVELO_BENCH_DIR, by default build-bench/bench-files:
# put it on a real disk, not on a memory file system, or the writes measure
# nothing of a card. Options pass to config_bench, e.g.
# --benchmark_filter=read.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"
. "$root/scripts/build-lock.sh"

cd "$root"
cmake --preset bench >/dev/null
locked cmake --build --preset bench -j2

export KAVELO_BENCH_DIR="${KAVELO_BENCH_DIR:-$build/bench-files}"
mkdir -p "$KAVELO_BENCH_DIR"
echo "CPU:         $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1), $(nproc) cores"
compiler="$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$build/CMakeCache.txt")"
echo "compiler:    $("$compiler" --version | head -n 1)"
echo "file system: $(df -PT "$KAVELO_BENCH_DIR" | awk 'NR == 2 { print $2 " on " $1 " at " $7 }')"

# Repetitions of the benchmarks in random order, so that a change in the
# machine's load falls on all of them alike.
"$build/bench/config_bench" --benchmark_repetitions=10 --benchmark_enable_random_interleaving=true \
  --benchmark_report_aggregates_only=true "$@"

echo "== start-up to a shown window (offscreen), 30 runs each"
python3 "$root/bench/measure_startup.py" "$build/bench/startup_window" "$build/bench/startup_bare" 30

echo "== CPU of an idle window (offscreen), 30 s"
python3 "$root/bench/measure_idle.py" "$build/app/kavelo-manager" 30 6
