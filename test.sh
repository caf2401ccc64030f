#!/usr/bin/env bash
# Builds the tests with AddressSanitizer and UndefinedBehaviorSanitizer and runs them twice:
# once in the default locale and once under a German locale (decimal comma).
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh

build=build-test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZE=ON -DORVANE_BUILD_TESTS=ON >/dev/null
cmake --build "$build" -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

echo "== tests (default locale) =="
dbus-run-session -- ctest --test-dir "$build" --output-on-failure
echo "== tests (LC_ALL=de_DE.UTF-8) =="
LC_ALL=de_DE.UTF-8 dbus-run-session -- ctest --test-dir "$build" --output-on-failure
echo "== installation and Debian package =="
./scripts/check-package.sh "$build"
