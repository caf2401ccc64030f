#!/usr/bin/env bash
# Runs the program under Xvfb at a fixed date and saves screenshots of its windows.
#
#   scripts/screenshots.sh [build-dir] [out-dir] [date] [language]
#
# Two runs are made, each in a fresh program folder (a copy of the executable):
#   settings: no Orvane.ini, so the settings panel shows;
#   compact:  an Orvane.ini with a station in Paris and six satellites of the sample file.
# The language (ENGLISH, SPANISH, FRENCH, DEUTSCH, ITALIAN) is written into that file.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
out=${2:-shots}
when=${3:-2018-01-21 12:00:00}
language=${4:-ENGLISH}
program="$build/app/orvane"
[ -x "$program" ] || { echo "no program at $program; build the 'orvane' target first" >&2; exit 1; }
mkdir -p "$out"
out=$(cd "$out" && pwd)

run_one() {  # name, folder
  local name=$1 folder=$2
  xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
    set -e
    cd "$1"
    ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0 faketime "$2" ./orvane &
    pid=$!
    sleep 6
    import -window root "$3/$4-screen.png"
    for id in $(xdotool search --onlyvisible --name "ORVANE" 2>/dev/null); do
      import -window "$id" "$3/$4-window-$id.png" || true
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  ' _ "$folder" "$when" "$out" "$name"
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/settings"
cp "$program" "$work/settings/"
run_one settings "$work/settings"

mkdir -p "$work/compact"
cp "$program" "$work/compact/"
cp resources/amateur.txt "$work/compact/amateur.txt"
printf '%s\r\n' "[ORVANE]" "VERSION=3.8.4" "LANGUAGE=$language" "QRA_LOCATOR=JN18DU" \
  "LATTITUDE=N48.854" "LONGITUDE=E2.292" "ALTITUDE=35" "LOCAL-UTC=1" "TIME_ZONE=-1" \
  "ELEVATION=0" "PREVIEW=ON" "PREVIEW_BEFORE=5" \
  "GROUP1=G1 - Amateur,25544,32789,22826,43017,14781,35932,,,,,,,,," "ACTIVE_GROUP=1" \
  "PATHNAME_G1=$work/compact/amateur.txt" > "$work/compact/Orvane.ini"
run_one compact "$work/compact"
ls -1 "$out"
