#!/usr/bin/env bash
# kavelo-config for Windows: cross-built with MinGW-w64 and tried under Wine,
# in a scratch Wine prefix, console only:
#   0. the model's and the command line's test suites, each test that needs
#      what only POSIX gives skipped with its reason;
#   1. 200 generated camera files, each made by the Linux and the Windows
#      build from the same start and the same changes: byte-identical files
#      and the same output of show, get and check; then one copy to all;
#   2. what Windows asks beyond Linux: a file held open by another program,
#      the read-only attribute, another run's lock, a card in a removable
#      drive, names beyond ASCII, drive-letter paths with backslashes, line
#      ends.
# Installs MinGW-w64, Wine and GoogleTest's source (apt-get, with sudo when
# not root) where missing; builds the Linux kavelo-config first if it is not
# built.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
. scripts/build-lock.sh

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
missing=()
for p in g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix wine64 googletest python3 cmake; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ! -x build/release/cli/kavelo-config ]; then
  cmake --preset release >/dev/null
  locked cmake --build --preset release -j2 --target kavelo-config
fi
cmake --preset windows >/dev/null
locked cmake --build --preset windows -j2

wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
export WINEPREFIX
WINEPREFIX="$(mktemp -d)/prefix"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" # no .NET or HTML engine to fetch
wineserver="$(dirname "$(readlink -f "$wine")")/wineserver"
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  rm -rf "$(dirname "$WINEPREFIX")"
}
trap cleanup EXIT
# The prefix made once (wineboot), then one server kept for all the runs:
# each would otherwise start its own.
"$wine" build/windows/cli/kavelo-config.exe --version >/dev/null
# A folder of ours as the removable drive E: (Wine's "floppy" type), for
# cameras; Wine reads its drives when its server starts.
card="$(dirname "$WINEPREFIX")/card"
mkdir "$card"
ln -s "$card" "$WINEPREFIX/dosdevices/e:"
"$wine" reg add 'HKLM\Software\Wine\Drives' /v e: /d floppy /f >/dev/null
"$wineserver" -w
# Started in the foreground: it goes to the background itself once it is up.
# Started with "&", a program run at once could start a server of its own,
# which the persistent one then gave way to, and each run after started a
# server again: a second apiece, 208 s for this script instead of 80.
"$wineserver" -p >/dev/null 2>&1 </dev/null
# Wine's own services start with the first program and stay with the
# server: started here, they hold no pipe a test reads to its end.
"$wine" build/windows/cli/kavelo-config.exe --version >/dev/null 2>&1 </dev/null

echo "== Windows: the model's and the command line's tests"
failed=0
for suite in build/windows/tests/model/*/*_tests.exe build/windows/tests/cli/cli_tests.exe; do
  log="$(dirname "$WINEPREFIX")/$(basename "$suite" .exe).log"
  status=0
  "$wine" "$suite" >"$log" 2>&1 </dev/null || status=$?
  if [ "$status" -eq 1 ] && [ ! -s "$log" ]; then
    # Wine did not start it (see tests/windows/wine_run.py): once more.
    echo "Wine did not run $(basename "$suite") (status 1, no output): running it again"
    status=0
    "$wine" "$suite" >"$log" 2>&1 </dev/null || status=$?
  fi
  passed=$(sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\./\1/p' "$log")
  skipped=$(sed -n 's/^\[  SKIPPED \] \([0-9]*\) tests\?, listed below:/\1/p' "$log")
  echo "$(basename "$suite" .exe): ${passed:-0} passed, ${skipped:-0} skipped"
  # Each skip's name and reason: the line after gtest's "Skipped".
  tr -d '\r' <"$log" | awk '/: Skipped$/ { getline reason; getline name
    sub(/^\[  SKIPPED \] /, "", name); sub(/ \(.*$/, "", name)
    print "  skipped " name ": " reason }'
  if [ "$status" -ne 0 ]; then
    cat "$log"
    failed=1
  fi
done
[ "$failed" -eq 0 ]

echo "== Windows: round trip of generated files through both builds"
python3 tests/windows/round-trip.py build/release/cli/kavelo-config \
  build/windows/cli/kavelo-config.exe "$wine" "${KAVELO_ROUND_TRIP_FILES:-200}"
echo "== Windows: what Windows asks beyond Linux"
python3 tests/windows/windows-cases.py build/windows/cli/kavelo-config.exe \
  build/windows/tests/windows/hold-file.exe build/windows/tests/windows/hold-lock.exe "$wine" \
  "$card"
