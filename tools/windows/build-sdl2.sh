#!/bin/bash
# Builds SDL2 for Windows from Debian's own source package of the SDL2 that
# the native build uses, as a static library, and installs it into a cache
# folder outside the source tree. A finished cache folder is reused as it is;
# one that stopped half way lacks the .complete mark and is built again.
# Prints the install prefix on the last line of its output.
set -euo pipefail

repo=$(cd "$(dirname "$0")/../.." && pwd)
if dpkg-query -W -f='${Status}' libsdl2-dev 2>/dev/null | grep -q ' installed$'; then
    version=$(dpkg-query -W -f='${Version}' libsdl2-dev)
else
    version=$(apt-cache policy libsdl2-dev | sed -n 's/^ *Candidate: //p')
fi
if [[ -z $version || $version == "(none)" ]]; then
    echo "apt knows no version of libsdl2-dev: run apt-get update" >&2
    exit 1
fi
cache=${XDG_CACHE_HOME:-$HOME/.cache}/shooter
prefix="$cache/sdl2-mingw-$version"

if [[ -f $prefix/.complete ]]; then
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache"
work=$(mktemp -d "$cache/sdl2-build.XXXXXX")
trap 'rm -rf "$work"' EXIT

# apt knows source packages only from deb-src entries, which Debian's images leave out.
if ! apt-cache showsrc libsdl2 2>/dev/null | grep -qxF "Version: $version"; then
    sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" "$repo/tools/windows/add-deb-src.sh"
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq >&2
fi
(cd "$work" && apt-get source --only-source "libsdl2=$version" >&2)
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'libsdl2-*')

cmake -S "$source_dir" -B "$work/build" \
    -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF >&2
cmake --build "$work/build" -j2 >&2
rm -rf "$prefix"
cmake --install "$work/build" >&2
touch "$prefix/.complete"
echo "$prefix"
