#!/usr/bin/env bash
# Runs one satellite pass end to end: the tracking controller drives a GS-232 over one end
# of a socat pseudo-terminal pair; a reader on the other end logs every command with its
# simulated (UTC) and wall time. The clock is simulated, a second per tick.
#
#   scripts/track_pass.sh [speed] [satellite]     speed = simulated seconds per real second
# Environment: BUILD (build folder, default build-trackloop), LOG (log file to keep).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$here/build-trackloop}
speed=${1:-20}
satellite=${2:-ISS (ZARYA)}

command -v socat >/dev/null || { echo "socat is needed (apt-get install socat)" >&2; exit 1; }
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Debug >/dev/null
fi
cmake --build "$build" --target track_pass_driver -j2 >/dev/null

work=$(mktemp -d)
socat -d -d "pty,raw,echo=0,link=$work/rotator" "pty,raw,echo=0,link=$work/controller" \
  2>"$work/socat.log" &
socat_pid=$!
trap 'kill "$socat_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
for _ in $(seq 100); do
  [ -e "$work/rotator" ] && [ -e "$work/controller" ] && break
  sleep 0.05
done

log=${LOG:-$work/track_pass.log}
"$build/tests/tracking/track_pass_driver" "$work/rotator" "$work/controller" "$speed" "$satellite" \
  | tee "$log"
