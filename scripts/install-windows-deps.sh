#!/usr/bin/env bash
# Installs what the Windows cross build and its tests under Wine need, when any of it is missing.
set -euo pipefail
source "$(dirname "$0")/apt-packages.sh"

packages=(
    g++-mingw-w64-i686-posix mingw-w64-tools nasm
    wine wine32 nsis
    dpkg-dev cmake make pkg-config
)

# wine32 is an i386 package, so without the architecture it cannot even be found.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "Adding the i386 architecture"
    "${sudo_cmd[@]}" dpkg --add-architecture i386
    apt_update
fi

install_missing "${packages[@]}"

# The Windows libraries are built from Debian's own sources, so apt must know where they are.
has_source_entries() {
    local file
    for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -f "$file" ] || continue
        if grep -Eq '^[[:space:]]*deb-src[[:space:]]' "$file"; then
            return 0
        fi
    done
    for file in /etc/apt/sources.list.d/*.sources; do
        [ -f "$file" ] || continue
        if grep -Eiq '^Types:.*[[:space:]]deb-src([[:space:]]|$)' "$file"; then
            return 0
        fi
    done
    return 1
}

if ! has_source_entries; then
    binary_sources=/etc/apt/sources.list.d/debian.sources
    source_sources=/etc/apt/sources.list.d/pluvo-sources.sources
    if [ ! -f "$binary_sources" ]; then
        echo "No deb-src entries and no $binary_sources to derive them from; add deb-src entries by hand." >&2
        exit 1
    fi
    echo "Adding deb-src entries in $source_sources"
    # The same mirrors, suites and keys as the binary packages, so sources match what is installed.
    sed -E 's/^Types:[[:space:]]+deb[[:space:]]*$/Types: deb-src/' "$binary_sources" |
        "${sudo_cmd[@]}" tee "$source_sources" >/dev/null
    # A previous run may have updated already, but not with the new entries.
    updated=0
    apt_update
fi
