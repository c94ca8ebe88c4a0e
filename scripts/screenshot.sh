#!/usr/bin/env bash
# Shows the settings window on a virtual 1366x768 screen (the smallest common
# laptop screen) and saves a picture of that screen.
#   scripts/screenshot.sh [OUTPUT.png]      default: docs/screenshot.png
# Needs xvfb-run and ImageMagick's import. BUILD_DIR picks the build tree
# (default: build-window); the program is built there first if needed.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build-window}
output=$(realpath -m "${1:-$root/docs/screenshot.png}")
program=$build/app/kavelo-manager

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DKAVELO_BUILD_GUI=ON
fi
cmake --build "$build" -j2 --target kavelo-manager
mkdir -p "$(dirname "$output")"

# Inside the virtual screen: start the program, give it time to draw, take
# the picture, and end the program.
xvfb-run --auto-servernum --server-args="-screen 0 1366x768x24" \
  bash -c '
    "$1" & program=$!
    sleep 3
    import -window root "$2"
    kill "$program"
    wait "$program" 2>/dev/null || true
  ' screenshot "$program" "$output"

echo "saved $output"
