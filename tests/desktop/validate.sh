#!/bin/sh
# Checks the launcher entry and the software-centre description against the
# freedesktop rules, as the desktop's own tools read them.
# Usage: validate.sh DESKTOP_FILE METAINFO_FILE
set -eu

if [ $# -ne 2 ]; then
    echo "usage: $0 DESKTOP_FILE METAINFO_FILE" >&2
    exit 2
fi

# desktop-file-validate exits 0 after a warning or a hint: anything it says
# is a fault here.
said=$(desktop-file-validate "$1" 2>&1) || { echo "$said" >&2; exit 1; }
if [ -n "$said" ]; then
    echo "$said" >&2
    exit 1
fi
# --strict: warnings and infos fail too; --no-net: no look-ups of URLs. It
# always prints its result line (which counts the pedantic hints it does not
# show): any other line is a fault.
said=$(appstreamcli validate --no-net --strict "$2" 2>&1) || { echo "$said" >&2; exit 1; }
if echo "$said" | grep -v -e '^$' -e 'Validation was successful' >/dev/null; then
    echo "$said" >&2
    exit 1
fi

# The description must launch the entry that is installed beside it.
entry=$(basename "$1")
grep -q "<launchable type=\"desktop-id\">$entry</launchable>" "$2" || {
    echo "$2 does not launch $entry" >&2
    exit 1
}
