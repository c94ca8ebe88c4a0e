#!/usr/bin/env bash
# Makes kavelo-config-<version>-windows-x86_64.zip: kavelo-config.exe (one
# file, statically linked, nothing to install), the README and the licence,
# in the repository's root folder or the folder given. Cross-builds with
# MinGW-w64 (installed where missing, as scripts/test-windows.sh does).
#
#   scripts/package-windows.sh [OUTPUT_FOLDER]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
mkdir -p "${1:-$root}"
output="$(cd "${1:-$root}" && pwd)"
cd "$root"
. scripts/build-lock.sh

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
missing=()
for p in g++-mingw-w64-x86-64-posix zip; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake --preset windows >/dev/null
locked cmake --build --preset windows -j2 --target kavelo-config
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/windows/CMakeCache.txt)
name="kavelo-config-$version-windows-x86_64"
staging=$(mktemp -d)
trap 'rm -rf "$staging"' EXIT
mkdir "$staging/$name"
cp build/windows/cli/kavelo-config.exe README.md LICENSE "$staging/$name/"
x86_64-w64-mingw32-strip "$staging/$name/kavelo-config.exe"
rm -f "$output/$name.zip"
(cd "$staging" && zip -q -r -X "$output/$name.zip" "$name")
echo "made $output/$name.zip"
