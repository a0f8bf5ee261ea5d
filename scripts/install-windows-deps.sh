#!/usr/bin/env bash
# Installs what the Windows cross build and its runs under Wine need, when any of it is missing:
#   scripts/install-windows-deps.sh [tools|wine]   (both, tools first, unless one is named)
# tools: the cross compiler, nasm, NSIS and the rest of the build, all amd64, and the deb-src
#   entries the Windows libraries are built from. A refusal fails with apt's reason.
# wine: the i386 architecture and Wine. Wine needs i386 libraries of the very versions of their
#   amd64 twins, which a damaged index of one architecture makes impossible to find; so when apt
#   refuses, this says why and ends with status 77, which the gate reports as a skip of the steps
#   that run programs under Wine. PLUVO_REQUIRE_WINE=1 makes it an error (status 1).
set -euo pipefail
scripts=$(dirname "$0")
source "$scripts/apt-packages.sh"
source "$scripts/gate-steps.sh"

tool_packages=(
    g++-mingw-w64-i686-posix mingw-w64-tools nasm nsis
    dpkg-dev cmake make pkg-config
)
wine_packages=(wine wine32)

# The folders apt reads its sources from, as apt itself is configured (APT_CONFIG included).
apt_sources() {
    eval "$(apt-config shell source_list Dir::Etc::sourcelist/f source_parts Dir::Etc::sourceparts/d)"
    source_parts=${source_parts%/}
}

has_source_entries() {
    local file
    for file in "$source_list" "$source_parts"/*.list; do
        [ -f "$file" ] || continue
        if grep -Eq '^[[:space:]]*deb-src[[:space:]]' "$file"; then
            return 0
        fi
    done
    for file in "$source_parts"/*.sources; do
        [ -f "$file" ] || continue
        if grep -Eiq '^Types:.*[[:space:]]deb-src([[:space:]]|$)' "$file"; then
            return 0
        fi
    done
    return 1
}

# The Windows libraries are built from Debian's own sources, so apt must know where they are.
add_source_entries() {
    apt_sources
    has_source_entries && return 0
    local binary_sources=$source_parts/debian.sources
    local source_sources=$source_parts/pluvo-sources.sources
    if [ ! -f "$binary_sources" ]; then
        echo "No deb-src entries and no $binary_sources to derive them from; add deb-src entries by hand." >&2
        exit 1
    fi
    echo "Adding deb-src entries in $source_sources"
    # The same mirrors, suites and keys as the binary packages, so sources match what is installed.
    sed -E 's/^Types:[[:space:]]+deb[[:space:]]*$/Types: deb-src/' "$binary_sources" |
        "${sudo_cmd[@]}" tee "$source_sources" >/dev/null
    # A previous step may have updated already, but not with the new entries.
    updated=0
    apt_update
}

install_tools() {
    install_missing "${tool_packages[@]}"
    add_source_entries
}

install_wine() {
    # wine32 is an i386 package, so without the architecture it cannot even be found.
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        echo "Adding the i386 architecture"
        "${sudo_cmd[@]}" dpkg --add-architecture i386
        updated=0
    fi
    install_missing "${wine_packages[@]}" && return 0
    local reason="Wine could not be installed (apt-get: $apt_reason)"
    if [ -n "$unfetched" ]; then
        reason+=" after the update could not fetch $unfetched"
    fi
    if [ "${PLUVO_REQUIRE_WINE:-}" = 1 ]; then
        echo "FAIL: $reason, and PLUVO_REQUIRE_WINE=1 asks for it" >&2
        exit 1
    fi
    skip_step "$reason"
}

case "${1:-}" in
    tools) install_tools ;;
    wine) install_wine ;;
    "")
        install_tools
        install_wine
        ;;
    *)
        echo "usage: $0 [tools|wine]" >&2
        exit 2
        ;;
esac
