#!/usr/bin/env bash
# Shows the settings window with a camera's configuration file loaded, on a
# virtual screen, and saves a picture of that screen.
#   scripts/screenshot.sh [OUTPUT.png [WIDTHxHEIGHT [light|dark|scale2|camera|changed|cameras]]]
# Defaults: docs/screenshot.png, 1366x768 (the smallest common laptop screen),
# light. "dark" gives the desktop a dark colour scheme the way KDE keeps one
# (its kdeglobals file, which Qt reads on a KDE desktop); "scale2" doubles the
# size of everything as a high-resolution screen does (QT_SCALE_FACTOR);
# "camera" mounts a small card named KAVELO_CAM holding the sample (root
# only) and shows the window as it notices the camera, before any file;
# "changed" has kavelo-config change the open file, so that the window shows
# its bar about a change made by another program; "cameras" mounts three
# cards (root only), opens the first, and shows File > Apply to Connected
# Cameras… (OUTPUT.png) and, after Apply, its results (OUTPUT-results.png).
# Needs xvfb-run, ImageMagick's import and xdotool. BUILD_DIR picks the build
# tree (default: build/release, as scripts/run.sh uses); the programs are
# built there first if needed.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build/release}
output=$(realpath -m "${1:-$root/docs/screenshot.png}")
screen=${2:-1366x768}
look=${3:-light}
program=$build/app/kavelo-manager
config_tool=$build/cli/kavelo-config

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake --preset release -S "$root" >/dev/null
fi
cmake --build "$build" -j2 --target kavelo-manager kavelo-config
mkdir -p "$(dirname "$output")"

# A sample card file, written by our own writer: kavelo-config fills in every
# setting of a file that holds only a supported identification, sets a few
# away from their defaults, and saves it with this computer's time.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config
mkdir -p "$XDG_CONFIG_HOME"
case "$look" in
dark)
  export XDG_CURRENT_DESKTOP=KDE KDE_FULL_SESSION=true KDE_SESSION_VERSION=5
  cat >"$XDG_CONFIG_HOME/kdeglobals" <<'COLOURS'
[Colors:Window]
BackgroundNormal=42,46,50
ForegroundNormal=230,232,234
ForegroundInactive=160,164,168
[Colors:View]
BackgroundNormal=27,30,32
ForegroundNormal=230,232,234
[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=230,232,234
[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=255,255,255
COLOURS
  ;;
scale2) export QT_SCALE_FACTOR=2 ;;
light | camera | changed | cameras) ;;
*)
  echo "usage: $0 [OUTPUT.png [WIDTHxHEIGHT [light|dark|scale2|camera|changed|cameras]]]" >&2
  exit 2
  ;;
esac
sample=$scratch/CONFIG.TXT
printf '{KAVELO FW v2.20}\n{HW v003}\n' >"$sample"
"$config_tool" set "$sample" video1.frame-rate=60fps video1.loop-recording=on \
  video1.time-stamp=on video2.resolution=1920x1080-wide video2.frame-rate=25fps \
  lens=wide-angle recording-light=off motion.detection=on white-balance=custom-1 >/dev/null 2>&1

opens=$sample
if [ "$look" = camera ]; then
  # A small card named as the camera names it, holding the sample, mounted
  # before the program starts, which finds it there.
  mkdir "$scratch/KAVELO_CAM"
  mount -t tmpfs -o size=64k tmpfs "$scratch/KAVELO_CAM"
  trap 'umount "$scratch/KAVELO_CAM" 2>/dev/null; rm -rf "$scratch"' EXIT
  cp "$sample" "$scratch/KAVELO_CAM/CONFIG.TXT"
  opens=""
fi
cards=()
if [ "$look" = cameras ]; then
  # Three cameras: two supported ones and one of a firmware too new.
  for card in KAVELO_HELMET KAVELO_DASH KAVELO_NEW; do
    mkdir "$scratch/$card"
    mount -t tmpfs -o size=64k tmpfs "$scratch/$card"
    cards+=("$scratch/$card")
    cp "$sample" "$scratch/$card/CONFIG.TXT"
  done
  sed -i 's/v2\.20/v2.30/' "$scratch/KAVELO_NEW/CONFIG.TXT"
  trap 'for card in "${cards[@]}"; do umount "$card" 2>/dev/null; done; rm -rf "$scratch"' EXIT
  opens=$scratch/KAVELO_HELMET/CONFIG.TXT
fi

# Inside the virtual screen: start the program with the file, as a desktop's
# "Open with" does; close the success alert that the load shows (Return
# presses its OK button); take the picture; end the program.
xvfb-run --auto-servernum --server-args="-screen 0 ${screen}x24" \
  bash -c '
    if [ -n "$3" ]; then "$1" "$3" & else "$1" & fi
    program=$!
    sleep 3
    [ -n "$3" ] && xdotool key Return
    sleep 1
    if [ -n "$4" ]; then
      "$4" set "$3" recording-light=on >/dev/null 2>&1
      sleep 1
    fi
    if [ "$5" = cameras ]; then
      # Without a window manager the window has no keyboard until a click:
      # the File menu is opened with the mouse, its item chosen by its key.
      xdotool mousemove 20 8 click 1
      sleep 0.5
      xdotool key t
      sleep 1
    fi
    import -window root "$2"
    if [ "$5" = cameras ]; then
      xdotool key Return
      sleep 2
      import -window root "${2%.png}-results.png"
    fi
    kill "$program"
    wait "$program" 2>/dev/null || true
  ' screenshot "$program" "$output" "$opens" "$([ "$look" = changed ] && echo "$config_tool")" \
  "$look"

echo "saved $output"
