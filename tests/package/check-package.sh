#!/usr/bin/env bash
# Checks the Debian package as a user meets it, on this machine: lintian
# finds no error and no warning; the package holds both programs, the manual
# pages, the shell completion, the desktop entry and the AppStream description,
# each valid; apt installs it; the programs run; apt removes and purges it and
# none of its files is left. Needs root (or sudo) for the install.
#
# Where kavelo-manager is installed already and CI is not set, the check stops
# after what leaves the system alone (lintian and the package's contents), so
# that the user's own program stays; CI=true runs the whole check, which
# replaces it and removes the new one afterwards.
#
#   check-package.sh PACKAGE.deb
set -euo pipefail

if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "usage: $0 PACKAGE.deb" >&2
    exit 2
fi
here="$(cd "$(dirname "$0")" && pwd)"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive

step() { echo "-- $*"; }
fail() {
    echo "check-package: $*" >&2
    exit 1
}

# A scratch folder that everyone may enter and read, so that lintian (as
# nobody) and apt's download user (_apt) can open the package; in /tmp, as the
# checkout's folder or $TMPDIR may be private to their owner.
scratch=$(mktemp -d -p /tmp kavelo-package.XXXXXX)
chmod 755 "$scratch"
program=""
cleanup() {
    [ -n "$program" ] && kill "$program" 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT
deb="$scratch/$(basename "$1")"
cp "$1" "$deb"
chmod 644 "$deb"

name=$(dpkg-deb -f "$deb" Package)
version=$(dpkg-deb -f "$deb" Version)
# Every path the package holds, as the installed system names it.
dpkg-deb -c "$deb" | awk '{ sub(/^\./, "", $6); print substr($1, 1, 1), $6 }' >"$scratch/contents"
files=$(awk '$1 != "d" { print $2 }' "$scratch/contents")
folders=$(awk '$1 == "d" { sub(/\/$/, "", $2); print $2 }' "$scratch/contents")

step "lintian $(basename "$deb")"
# lintian warns when it runs as root; it needs no privilege. It runs in the
# scratch folder: the one this script was started in may be closed to nobody.
lintian_user=()
[ "$(id -u)" -eq 0 ] && lintian_user=(runuser -u nobody --)
(cd "$scratch" && "${lintian_user[@]}" lintian --display-info --fail-on error,warning "$deb") ||
    fail "lintian reports errors or warnings"

step "contents"
unpacked="$scratch/unpacked"
dpkg-deb -x "$deb" "$unpacked"
for tool in kavelo-config kavelo-manager; do
    [ -x "$unpacked/usr/bin/$tool" ] || fail "no /usr/bin/$tool in the package"
done
"$here/manpages.sh" "$unpacked/usr/share/man/man1/kavelo-config.1.gz" \
    "$unpacked/usr/share/man/man1/kavelo-manager.1.gz"
"$here/completion.sh" "$unpacked/usr/share/bash-completion/completions/kavelo-config"
"$here/../desktop/validate.sh" "$unpacked/usr/share/applications/io.kavelo.Manager.desktop" \
    "$unpacked/usr/share/metainfo/io.kavelo.Manager.metainfo.xml"
[ -f "$unpacked/usr/share/icons/hicolor/scalable/apps/kavelo-manager.svg" ] || fail "no icon"
for doc in copyright changelog.gz; do
    [ -f "$unpacked/usr/share/doc/$name/$doc" ] || fail "no $doc in /usr/share/doc/$name"
done
first=$("$unpacked/usr/bin/kavelo-config" --version | head -n 1)
[ "$first" = "kavelo-config $version" ] || fail "kavelo-config --version says '$first'"

installed=$(dpkg-query -W -f='${Status} ${Version}' "$name" 2>/dev/null | sed -n 's/^install ok installed //p' || true)
if [ -n "$installed" ] && [ -z "${CI:-}" ]; then
    echo "$name $installed is installed on this machine and stays: install and removal not tried" \
        "(CI=true $0 replaces it to try them, or remove it first)"
    echo "package $name $version: lintian and contents pass"
    exit 0
fi


step "apt-get install $(basename "$deb")"
if dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -qv '^unknown\|not-installed'; then
    echo "$name is installed already; purging it first"
    $sudo apt-get purge -y -qq "$name" >/dev/null
fi
# Minimal images tell dpkg to leave out manual pages and documentation
# (path-exclude in /etc/dpkg/dpkg.cfg.d/). A user's install would lose them
# there too, but this check is about the package: where such rules exist,
# dpkg is told to install each of the package's own files anyway.
dpkg_options=()
if grep -hqs '^[[:space:]]*path-exclude' /etc/dpkg/dpkg.cfg /etc/dpkg/dpkg.cfg.d/*; then
    echo "dpkg leaves out some paths on this machine; installing all of the package's files"
    for file in $files; do
        dpkg_options+=(-o "DPkg::Options::=--path-include=$file")
    done
fi
$sudo apt-get install -y -qq "${dpkg_options[@]}" "$deb" >/dev/null
dpkg-query -W -f='${Status} ${Version}\n' "$name" | grep -qx "install ok installed $version" ||
    fail "$name $version is not installed"

step "files in place"
for file in $files; do
    [ -e "$file" ] || fail "not installed: $file"
done
for tool in kavelo-config kavelo-manager; do
    [ "$(command -v "$tool")" = "/usr/bin/$tool" ] || fail "$tool is not /usr/bin/$tool"
done
for page in kavelo-config kavelo-manager; do
    found=$(man -w "$page") || fail "man finds no page $page"
    [ "$found" = "/usr/share/man/man1/$page.1.gz" ] || fail "man finds $page at $found"
done
"$here/completion.sh" --installed

step "kavelo-config"
# A sample card file, written by the installed program from a bare
# identification, with value words that the completion offers.
sample="$scratch/CONFIG.TXT"
printf '{KAVELO FW v2.20}\n{HW v003}\n' >"$sample"
kavelo-config set "$sample" tv.ratio=4-3 video1.flip=rotated-180 2>/dev/null ||
    fail "kavelo-config set failed"
[ "$(kavelo-config get "$sample" tv.ratio video1.flip | tr '\n' ' ')" = "1 1 " ] ||
    fail "kavelo-config did not store the settings"

step "kavelo-manager, headless"
# The window opens the sample and waits at its message; it must still be up
# after a few seconds. Its own folders go to the scratch folder, not $HOME.
mkdir -m 700 "$scratch/home" "$scratch/runtime"
HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=offscreen \
    kavelo-manager "$sample" >"$scratch/window.log" 2>&1 &
program=$!
sleep 3
if ! kill -0 "$program" 2>/dev/null; then
    cat "$scratch/window.log" >&2
    fail "kavelo-manager ended at start"
fi
kill "$program"
wait "$program" 2>/dev/null || true
program=""

step "apt-get remove and purge $name"
$sudo apt-get remove -y -qq "$name" >/dev/null
# Without configuration files, removing already makes dpkg forget the
# package, and apt would find nothing to purge.
if dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -q 'config-files'; then
    $sudo apt-get purge -y -qq "$name" >/dev/null
fi
if dpkg-query -W -f='${Status}' "$name" 2>/dev/null | grep -qv '^unknown\|not-installed'; then
    fail "$name is still known to dpkg: $(dpkg-query -W -f='${Status}' "$name")"
fi
left=0
for file in $files; do
    if [ -e "$file" ] || [ -L "$file" ]; then
        echo "left behind: $file" >&2
        left=1
    fi
done
# A folder of the package that no other package holds goes with it, unless
# something else has put files in it since (a cache that a trigger wrote).
for folder in $folders; do
    if [ -d "$folder" ] && ! dpkg-query -S "$folder" >/dev/null 2>&1; then
        held=$(find "$folder" -mindepth 1 -maxdepth 1 -printf '%f ')
        if [ -z "$held" ] || [ "$folder" = "/usr/share/doc/$name" ]; then
            echo "left behind: $folder/" >&2
            left=1
        else
            echo "note: $folder/ stays for files of no package: $held"
        fi
    fi
done
[ "$left" -eq 0 ] || fail "files of $name are left after the purge"
echo "package $name $version: installs, works and removes cleanly"
