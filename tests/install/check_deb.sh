#!/usr/bin/env bash
# Builds the Debian package of the build folder given as $1 with `cpack -G DEB` (into a temporary
# folder) and checks what a player installing it would get: a dependency on SDL2's runtime worked
# out by dpkg-shlibdeps, the game under /usr, and a menu entry for those paths.
set -euo pipefail
build=$(realpath "$1")
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log") || { cat "$out/cpack.log"; fail "cpack -G DEB"; }
debs=("$out"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one .deb, found: ${debs[*]}"
deb=${debs[0]}
dpkg-deb --info "$deb"

depends=$(dpkg-deb --field "$deb" Depends)
[[ $depends =~ (^|, )libsdl2-2\.0-0( |,|$) ]] || fail "Depends lacks libsdl2-2.0-0: $depends"

contents=$(dpkg-deb --contents "$deb" | awk '{print $NF}')
for file in ./usr/bin/shooter \
            ./usr/share/shooter/Data/Dude.bmp ./usr/share/shooter/Data/monster1.bmp \
            ./usr/share/shooter/Data/blaster.bmp ./usr/share/applications/shooter.desktop \
            ./usr/share/icons/hicolor/{32x32,64x64,128x128}/apps/shooter.png; do
  grep -qxF "$file" <<<"$contents" || fail "the package lacks $file"
done

dpkg-deb -x "$deb" "$out/root"
entry=$out/root/usr/share/applications/shooter.desktop
grep -qx 'Exec=/usr/bin/shooter' "$entry" || fail "Exec does not name /usr/bin/shooter: $(grep ^Exec= "$entry")"
grep -qx 'Path=/usr/share/shooter' "$entry" || fail "Path is not /usr/share/shooter: $(grep ^Path= "$entry")"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects the packaged entry"
echo "OK: $(basename "$deb") depends on: $depends"
