#!/bin/sh
# Checks the launcher entry and the software-centre description against the
# freedesktop rules, as the desktop's own tools read them.
# Usage: validate.sh DESKTOP_FILE METAINFO_FILE
set -eu

if [ $# -ne 2 ]; then
    echo "usage: $0 DESKTOP_FILE METAINFO_FILE" >&2
    exit 2
fi

desktop-file-validate "$1"
# --strict: warnings and hints fail too; --no-net: no look-ups of URLs.
appstreamcli validate --no-net --strict "$2"

# The description must launch the entry that is installed beside it.
entry=$(basename "$1")
grep -q "<launchable type=\"desktop-id\">$entry</launchable>" "$2" || {
    echo "$2 does not launch $entry" >&2
    exit 1
}
