#!/bin/bash
# The Windows build of the game, made on Debian 12 with MinGW-w64:
#   ./windows.sh          installs what is missing, builds SDL2 for Windows from Debian's own
#                         source package (once: it is kept in ~/.cache/shooter), builds
#                         build-windows/shooter.exe and the unit tests, and packs
#                         build-windows/shooter-windows.zip (the exe and Data/)
#   ./windows.sh --test   also runs the unit tests and a smoke test of the packed game under
#                         Wine, in a private Xvfb
set -euo pipefail
cd "$(dirname "$0")"

usage() {
    echo "usage: $0 [--test]" >&2
    exit 2
}
run_tests=false
case $# in
    0) ;;
    1) [[ $1 == --test ]] || usage; run_tests=true ;;
    *) usage ;;
esac

tools/install-packages.sh cmake make g++-mingw-w64-x86-64-posix libgtest-dev dpkg-dev zip
if $run_tests; then
    tools/install-packages.sh wine64 xvfb xdotool x11-apps libgl1-mesa-dri python3 unzip
fi

sdl2_prefix=$(tools/windows/build-sdl2.sh | tail -n 1)

build=build-windows
# Test discovery runs the test exe, so it waits until ctest runs under Wine.
cmake -S . -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$sdl2_prefix" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$PWD/tools/windows/wine-run.sh" \
    -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST
cmake --build "$build" -j2

tools/windows/pack.sh "$build"

if $run_tests; then
    tools/windows/wine-session.sh ctest --test-dir "$build" --output-on-failure -j2
    tools/windows/wine-session.sh tests/windows/smoke.sh "$build"
fi
