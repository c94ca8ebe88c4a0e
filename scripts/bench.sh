#!/usr/bin/env bash
# Builds the configuration benchmark in Release and runs it. Installs nothing:
# it needs Google Benchmark (Debian libbenchmark-dev) already in place.
#
#   scripts/bench.sh [BENCHMARK OPTIONS...]
#
# The sample files go to $KAVELO_BENCH_DIR, by default build-bench/bench-files:
# put it on a real disk, not on a memory file system, or the writes measure
# nothing of a card. Options pass to the benchmark, e.g.
# --benchmark_filter=read.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-bench"

# Several builds may share this machine: they take turns.
locked() {
  if command -v flock >/dev/null; then
    flock /tmp/kavelo-build.lock "$@"
  else
    "$@"
  fi
}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKAVELO_BUILD_GUI=OFF \
    -DKAVELO_BUILD_TESTS=OFF -DKAVELO_BUILD_BENCH=ON
else
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKAVELO_BUILD_BENCH=ON >/dev/null
fi
locked cmake --build "$build" -j2 --target config_bench

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
