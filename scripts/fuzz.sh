#!/usr/bin/env bash
# Builds the configuration reader's fuzzer with clang, replays the seed corpus,
# then fuzzes for SECONDS (default 60). Exits non-zero on a finding; the input
# that caused it is kept in fuzz/artifacts/.
#
#   scripts/fuzz.sh [SECONDS]
#
# New inputs go to a scratch directory that is removed afterwards: the
# committed corpus holds only files that our own writer made
# (fuzz/make_corpus.cpp).
set -euo pipefail

seconds="${1:-60}"
case "$seconds" in
'' | *[!0-9]*)
  echo "usage: $0 [SECONDS]" >&2
  exit 2
  ;;
esac

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build-fuzz"
fuzzer="$build/fuzz/config_reader_fuzzer"

. "$root/scripts/build-lock.sh"

cd "$root"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake --preset fuzz >/dev/null
fi
locked cmake --build --preset fuzz -j2

scratch="$(mktemp -d /tmp/kavelo-fuzz-corpus.XXXXXX)"
# The files each input is written to and saved as: in memory where possible,
# since every save is flushed to the device.
KAVELO_FUZZ_SCRATCH="$(mktemp -d /dev/shm/kavelo-fuzz-files.XXXXXX 2>/dev/null || mktemp -d)"
export KAVELO_FUZZ_SCRATCH
trap 'rm -rf "$scratch" "$KAVELO_FUZZ_SCRATCH"' EXIT
mkdir -p "$root/fuzz/artifacts"

# The model reports every line it misses on stderr; -close_fd_mask=2 keeps
# that out of the log, while libFuzzer and the sanitizers still report.
options=(
  -max_len=8000
  -dict="$root/fuzz/config.dict"
  -close_fd_mask=2
  -artifact_prefix="$root/fuzz/artifacts/"
)

echo "== replaying the seed corpus"
"$fuzzer" "${options[@]}" -runs=0 "$root/fuzz/corpus"

echo "== fuzzing for $seconds seconds"
# The scratch directory comes first: libFuzzer adds new inputs to the first.
"$fuzzer" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 \
  "$scratch" "$root/fuzz/corpus"
