#!/bin/sh
# kavelo-manager --help and --version print their text and exit, without a
# display; they are no files to open.
# Usage: program-options.sh PROGRAM VERSION
set -u
program=$1
version=$2
status=0
help=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --help 2>&1) || status=1
echo "$help" | head -n 1 | grep -qx "Usage: kavelo-manager \[FILE\]" || {
    echo "--help printed: $help" >&2
    status=1
}
first=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --version 2>&1 | head -n 1)
[ "$first" = "kavelo-manager $version" ] || {
    echo "--version printed: $first" >&2
    status=1
}
exit $status
