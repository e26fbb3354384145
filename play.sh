#!/usr/bin/env bash
# Installs what the game needs, builds it, and starts it from here, where Data/ is.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-packages.sh build-essential cmake libsdl2-dev libgtest-dev
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target shooter
exec ./build/shooter
