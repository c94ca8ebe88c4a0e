#!/bin/sh
# Renders each manual page as man does and as lintian checks it: groff must
# warn about nothing, and the NAME section must give the index of manual pages
# (whatis, apropos) the page's name and a description.
# Usage: manpages.sh PAGE...    pages as files, plain or gzip-compressed
set -u

if [ $# -eq 0 ]; then
    echo "usage: $0 PAGE..." >&2
    exit 2
fi

status=0
for page in "$@"; do
    name=$(basename "$page" .gz)
    name=${name%.*}
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
    if [ -n "$warnings" ]; then
        printf '%s: groff warns:\n%s\n' "$page" "$warnings" >&2
        status=1
    fi
    if ! lexgrog "$page" 2>/dev/null | grep -q "\"$name - ."; then
        echo "$page: no whatis entry \"$name - ...\" in its NAME section" >&2
        status=1
    fi
done
exit $status
