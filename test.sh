#!/usr/bin/env bash
# Installs what the tests need, builds the game twice (plain, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-packages.sh build-essential cmake libsdl2-dev libgtest-dev \
  xvfb xdotool x11-apps imagemagick libx11-dev libxtst-dev dpkg-dev desktop-file-utils \
  libbenchmark-dev openbox

jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSHOOTER_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs" -L unit
