#!/bin/bash
# Makes Debian's source packages reachable for `apt-get source` by adding a
# deb-src entry for every binary entry of the machine's own Debian sources
# file. The mirror is whatever the machine already uses: nothing is named here.
# Does nothing when apt already knows a deb-src entry.
set -euo pipefail

APT_DIR=${APT_DIR:-/etc/apt}
target="$APT_DIR/sources.list.d/shooter-deb-src"

if grep -Eqs '^[[:space:]]*(deb-src|Types:.*deb-src)' \
        "$APT_DIR/sources.list" "$APT_DIR"/sources.list.d/*.list "$APT_DIR"/sources.list.d/*.sources; then
    exit 0
fi

deb822="$APT_DIR/sources.list.d/debian.sources"
if [[ -f $deb822 ]]; then
    # One stanza per entry: each stanza whose types include the binary one is
    # written again with the source type only, comments dropped.
    awk -v RS= '
        {
            out = ""; binary = 0
            n = split($0, lines, "\n")
            for (i = 1; i <= n; i++) {
                if (lines[i] ~ /^[[:space:]]*#/) continue
                if (lines[i] ~ /^Types:/) {
                    binary = lines[i] ~ /[[:space:]]deb([[:space:]]|$)/
                    lines[i] = "Types: deb-src"
                }
                out = out lines[i] "\n"
            }
            if (binary) printf "%s\n", out
        }
    ' "$deb822" > "$target.sources"
elif [[ -f $APT_DIR/sources.list ]]; then
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$APT_DIR/sources.list" > "$target.list"
else
    echo "no Debian sources file found under $APT_DIR" >&2
    exit 1
fi
