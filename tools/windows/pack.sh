#!/bin/bash
# Packs the Windows game of a build folder into BUILD/shooter-windows.zip: shooter.exe and
# Data/. The exe is linked statically, so it must need no DLL but Windows' own; one that needs
# another (say libstdc++ or SDL2) would not start on a player's machine, and stops the packing.
set -euo pipefail

build=$1
repo=$(cd "$(dirname "$0")/../.." && pwd)
exe="$build/shooter.exe"

windows_dlls='^(kernel32|user32|gdi32|advapi32|shell32|ole32|oleaut32|imm32|setupapi|version|winmm|msvcrt|cfgmgr32|hid|dinput8|dxgi|d3d9|d3d11|opengl32)\.dll$'
foreign=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^\s*DLL Name: //p' |
          grep -viE "$windows_dlls" || true)
if [[ -n $foreign ]]; then
    echo "$exe needs DLLs that Windows does not have: $foreign" >&2
    exit 1
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$exe" "$stage/"
cp -r "$repo/Data" "$stage/"
rm -f "$build/shooter-windows.zip"
(cd "$stage" && zip -q -r - shooter.exe Data) > "$build/shooter-windows.zip"
