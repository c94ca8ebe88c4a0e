#!/usr/bin/env bash
# Builds the Debian package: installs what building needs, builds Release for
# /usr with Debian's compiler and linker flags (hardening included) in
# build/package, and leaves kavelo-manager_<version>_<arch>.deb in the
# repository's root folder, or in the folder given.
#
#   scripts/package.sh [OUTPUT_FOLDER]
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="$root/build/package"
mkdir -p "${1:-$root}"
output="$(cd "${1:-$root}" && pwd)"

. "$root/scripts/build-lock.sh"

bash "$root/scripts/install-deps.sh"

# The flags Debian builds its own packages with: optimisation, debug
# information (stripped from the package), the hardening options, and paths
# of this folder left out of the binaries.
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
cppflags="$(cd "$root" && dpkg-buildflags --get CPPFLAGS)"
cxxflags="$(cd "$root" && dpkg-buildflags --get CXXFLAGS)"
ldflags="$(cd "$root" && dpkg-buildflags --get LDFLAGS)"

# A fresh configure each time, so that no option of an earlier build stays.
rm -rf "$build"
(cd "$root" && cmake --preset package \
  -DCMAKE_CXX_FLAGS="$cppflags $cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" >/dev/null)
(cd "$root" && locked cmake --build --preset package -j2)
(cd "$build" && locked cpack -G DEB)

package="$(cd "$build/package" && ls kavelo-manager_*.deb)"
rm -f "$output"/kavelo-manager_*.deb
cp "$build/package/$package" "$output/$package"
echo "$output/$package"
