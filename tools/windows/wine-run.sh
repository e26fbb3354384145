#!/bin/bash
# Runs one Windows program under Wine for ctest (its CMAKE_CROSSCOMPILING_EMULATOR), passing
# on its output and exit code. The output goes through a file, not straight to ctest's pipe:
# Wine's desktop process, started by a program's first window, inherits that program's output
# and outlives it by seconds, and ctest would wait for the pipe to close.
set -uo pipefail

output=$(mktemp)
trap 'rm -f "$output"' EXIT
"${SHOOTER_WINE:-/usr/lib/wine/wine64}" "$@" >"$output" 2>&1
status=$?
cat "$output"
exit "$status"
