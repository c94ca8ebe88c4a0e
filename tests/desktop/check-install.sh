#!/bin/sh
# Installs the desktop files of a configured build into an empty prefix and
# checks that each lands where freedesktop desktops look for it.
# Usage: check-install.sh BUILD_DIR [CMAKE]
set -eu

if [ $# -lt 1 ] || [ $# -gt 2 ]; then
    echo "usage: $0 BUILD_DIR [CMAKE]" >&2
    exit 2
fi
cmake=${2:-cmake}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

"$cmake" --install "$1" --prefix "$prefix" --component desktop >/dev/null

status=0
for file in \
    share/applications/io.kavelo.Manager.desktop \
    share/icons/hicolor/scalable/apps/kavelo-manager.svg \
    share/metainfo/io.kavelo.Manager.metainfo.xml; do
    if [ ! -f "$prefix/$file" ]; then
        echo "not installed: $file" >&2
        status=1
    fi
done
exit $status
