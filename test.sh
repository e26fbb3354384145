#!/usr/bin/env bash
# Installs what the tests need, builds the game twice (plain, and with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-packages.sh build-essential cmake libsdl2-dev libgtest-dev \
  xvfb xdotool x11-apps imagemagick libx11-dev libxtst-dev dpkg-dev desktop-file-utils \
  libbenchmark-dev openbox clang libclang-rt-14-dev

jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"

# The sprite reader under libFuzzer for 30 seconds, from seeds of our own.
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DSHOOTER_FUZZ=ON -DSHOOTER_TESTS=OFF >/dev/null
cmake --build build-fuzz -j"$jobs" --target bmp_fuzzer make_seed_corpus
tests/fuzz/run.sh build-fuzz 30

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DSHOOTER_SANITIZE=ON >/dev/null
cmake --build build-sanitize -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-sanitize --output-on-failure -j"$jobs" -L "unit|leaks"
