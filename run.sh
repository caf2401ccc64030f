#!/usr/bin/env bash
# Builds the program in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_TESTS=OFF >/dev/null
cmake --build build -j"$(nproc)"
if [ -x build/app/orvane ]; then
  exec build/app/orvane
fi
# Until the desktop window exists, show what passes next over a sample station.
exec build/app/orvane-cli passes --elements resources/amateur.txt --lat 48.854 --lon 2.292 --alt 35 \
  --offset 1 --start "2018-01-10 12:00" --count 1
