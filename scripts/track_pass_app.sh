#!/usr/bin/env bash
# Tracks one pass with the program itself: Orvane runs under Xvfb with its clock set by
# faketime shortly before AOS, a GS-232 interface on one end of a socat pseudo-terminal
# pair (linked as /dev/ttyORV0, which needs root), and a reader on the other end logs
# every command with its time. xdotool opens the pass and presses the track button.
#
#   scripts/track_pass_app.sh [build-dir] [satellite-number] [out-dir]
# The log is printed and kept as <out-dir>/track_pass_app.log with screenshots beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
number=${2:-25544}
out=${3:-shots}
program="$build/app/orvane"
cli="$build/app/orvane-cli"
[ -x "$program" ] && [ -x "$cli" ] || { echo "build the orvane and orvane-cli targets in $build first" >&2; exit 1; }
[ -w /dev ] || { echo "linking the pty under /dev needs root" >&2; exit 1; }
mkdir -p "$out"
out=$(cd "$out" && pwd)
log="$out/track_pass_app.log"

# First pass over Paris after the sample file's epoch, in UTC (the machine runs on UTC).
name=$("$cli" list --elements resources/amateur.txt | awk -v n="$number" '$0 ~ n {sub(/ +[0-9]+ .*$/, ""); print; exit}')
[ -n "$name" ] || { echo "no satellite $number in the sample file" >&2; exit 1; }
header=$("$cli" passes --elements resources/amateur.txt --name "$name" --lat 48.854 --lon 2.292 \
  --alt 35 --start "2018-01-21 11:00" --count 1 --utc | head -1)
aos=$(echo "$header" | sed -E 's/.*pass 1: ([0-9]+ [A-Z]+ [0-9]+ +[0-9:]+) ->.*/\1/')
aos_epoch=$(date -u -d "$aos" +%s)
start=$(date -u -d "@$((aos_epoch - 75))" '+%Y-%m-%d %H:%M:%S')
echo "pass: $header"
echo "program clock starts at $start UTC"

work=$(mktemp -d)
link=/dev/ttyORV0
socat "pty,raw,echo=0,link=$link" "pty,raw,echo=0,link=$work/controller" 2>"$work/socat.log" &
socat_pid=$!
cleanup() { kill "$socat_pid" 2>/dev/null || true; rm -f "$link"; rm -rf "$work"; }
trap cleanup EXIT
for _ in $(seq 100); do [ -e "$link" ] && [ -e "$work/controller" ] && break; sleep 0.05; done

# The reader: one line per CR-terminated command, with the program's (fake) UTC time.
python3 - "$work/controller" "$aos_epoch" "$start" >"$log" <<'EOF' &
import os, sys, time, datetime
fd = os.open(sys.argv[1], os.O_RDONLY | os.O_NOCTTY)
t0 = time.monotonic()
fake0 = datetime.datetime.strptime(sys.argv[3], "%Y-%m-%d %H:%M:%S")
pending = b""
while True:
    chunk = os.read(fd, 256)
    if not chunk:
        break
    pending += chunk
    while b"\r" in pending:
        command, pending = pending.split(b"\r", 1)
        now = fake0 + datetime.timedelta(seconds=time.monotonic() - t0)
        print(f"{now:%H:%M:%S.%f}"[:-3], "UTC ", repr(command.decode("latin-1") + "\r"), flush=True)
EOF
reader_pid=$!

folder="$work/program"
mkdir -p "$folder"
cp "$program" "$folder/"
cp resources/amateur.txt "$folder/amateur.txt"
printf '%s\r\n' "[ORVANE]" "VERSION=3.8.4" "LANGUAGE=ENGLISH" "QRA_LOCATOR=JN18DU" \
  "LATTITUDE=N48.854" "LONGITUDE=E2.292" "ALTITUDE=35" "LOCAL-UTC=0" "TIME_ZONE=-1" \
  "ELEVATION=0" "PREVIEW=OFF" "CONFIRM_QUIT=YES" "ANT=GS232" "PORT_GS232=ORV0" "BAUD_GS232=9600" \
  "GROUP1=G1 - Amateur,$number,,,,,,,,,,,,,," "ACTIVE_GROUP=1" \
  "PATHNAME_G1=$folder/amateur.txt" >"$folder/Orvane.ini"

duration=$(( $(date -u -d "$(echo "$header" | sed -E 's/.*-> ([0-9]+ [A-Z]+ [0-9]+ +[0-9:]+) .*/\1/')" +%s) - aos_epoch + 75 + 150 ))
xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
  set -e
  cd "$1"
  TZ=UTC faketime -f "@$2" ./orvane &
  pid=$!
  sleep 5
  win=$(xdotool search --onlyvisible --name "ORVANE" | head -1)
  # The first slot line of the compact list, then the track button of the explorer
  # (places of the default layout).
  xdotool mousemove --window "$win" 60 102 click 1
  sleep 2
  import -window root "$3/track-explorer-before.png"
  xdotool mousemove --window "$win" 295 329 click 1
  sleep 1
  wait_for=$4
  sleep 40
  import -window root "$3/track-explorer-in-pass.png"
  sleep $((wait_for - 45))
  import -window root "$3/track-explorer-after.png"
  xdotool key --window "$win" Escape || true
  sleep 1
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
' _ "$folder" "$start" "$out" "$duration"
kill "$reader_pid" 2>/dev/null || true
cat "$log"
