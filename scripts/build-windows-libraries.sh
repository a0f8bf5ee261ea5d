#!/usr/bin/env bash
# Cross-builds static Windows (i686) libogg, libvorbis and libjpeg-turbo from Debian's source packages
# into one prefix under PREFIX_PARENT, and writes PREFIX_PARENT/windows-libraries.cmake pointing at it.
# Debian's sources carry the same fixes as the libraries the Linux build links, and need no other host.
# A prefix whose build finished is reused as it is; the prefix path is the last line on stdout.
set -euo pipefail

if [ $# -ne 1 ] || [ -z "$1" ]; then
    echo "usage: $0 PREFIX_PARENT" >&2
    exit 2
fi

mkdir -p "$1"
parent=$(cd "$1" && pwd)

host=i686-w64-mingw32
cc=$host-gcc-posix
# SSE2 with SSE maths keeps float results the same as the 64-bit Linux build's;
# frame pointers keep crash stacks from Wine and Windows readable.
cflags="-O2 -msse2 -mfpmath=sse -fno-omit-frame-pointer"
# Bumped whenever the way the libraries are built changes, so old prefixes are not taken as current.
recipe=1

# Two builds into the same folder at once would delete each other's work.
exec 9>"$parent/.build-windows-libraries.lock"
flock 9

# The newest version apt knows, which is also the one apt-get source would fetch.
source_version() {
    local package=$1 version best=""
    while read -r version; do
        if [ -z "$best" ] || dpkg --compare-versions "$version" gt "$best"; then
            best=$version
        fi
    done < <(apt-cache showsrc "$package" 2>/dev/null |
        awk -v want="$package" '/^Package: /{p=$2} /^Version: /{if (p == want) print $2}')
    if [ -z "$best" ]; then
        echo "apt knows no source package $package: run scripts/install-windows-deps.sh first" >&2
        exit 1
    fi
    echo "$best"
}

upstream_version() {
    local version=${1#*:}
    echo "${version%-*}"
}

ogg_version=$(source_version libogg)
vorbis_version=$(source_version libvorbis)
jpeg_version=$(source_version libjpeg-turbo)

prefix="$parent/libs-ogg$(upstream_version "$ogg_version")-vorbis$(upstream_version "$vorbis_version")-jpeg$(upstream_version "$jpeg_version")"
stamp="$prefix/.complete"
cmake_file="$parent/windows-libraries.cmake"
# The Debian revisions live in the stamp rather than in the folder name: a new revision rebuilds in place.
wanted_stamp="recipe $recipe
libogg $ogg_version
libvorbis $vorbis_version
libjpeg-turbo $jpeg_version
cflags $cflags"

write_cmake_file() {
    local content
    content="# Written by scripts/build-windows-libraries.sh; include() it in a Windows cross build.
set(PLUVO_WIN32_LIBRARY_PREFIX \"$prefix\")"
    # Rewriting an unchanged file would make every CMake build that includes it configure again.
    if [ ! -f "$cmake_file" ] || [ "$(cat "$cmake_file")" != "$content" ]; then
        printf '%s\n' "$content" >"$cmake_file.tmp"
        mv "$cmake_file.tmp" "$cmake_file"
    fi
}

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$wanted_stamp" ]; then
    write_cmake_file
    echo "$prefix"
    exit 0
fi

for tool in "$cc" $host-windres $host-ar nasm cmake make dpkg-source apt-get flock; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is missing: run scripts/install-windows-deps.sh first" >&2
        exit 1
    fi
done

log="$parent/build-windows-libraries.log"
downloads="$parent/downloads"
work="$parent/work"
jobs=$(nproc)

: >"$log"
# Whatever step fails, the log is all anyone needs to see.
show_log_on_failure() {
    local status=$?
    if [ "$status" -ne 0 ]; then
        echo "Building the Windows libraries failed; the log ($log) ends:" >&2
        tail -n 200 "$log" >&2
    fi
}
trap show_log_on_failure EXIT

quietly() {
    echo "+ $*" >>"$log"
    "$@" >>"$log" 2>&1
}

# Leftovers of an interrupted build must not mix into this one.
rm -rf "$prefix" "$work"
mkdir -p "$prefix" "$downloads" "$work"
# Nothing a build writes relative to where it was started should land in the caller's folder.
cd "$work"

# Unpacks PACKAGE at VERSION with Debian's patches applied and prints where.
unpack() {
    local package=$1 version=$2
    local dsc="$downloads/${package}_${version#*:}.dsc"
    # apt skips files it already holds, and fetches whatever an interrupted download left out.
    # As root it warns that its _apt user cannot reach this folder; the download is still verified.
    (cd "$downloads" && quietly apt-get source --download-only "$package=$version")
    quietly dpkg-source -x "$dsc" "$work/$package"
    echo "$work/$package"
}

# Host .pc files (the Linux libogg-dev) must never answer for the Windows build.
export PKG_CONFIG=pkg-config
export PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig"
export PKG_CONFIG_PATH=""

echo "Building libogg $ogg_version for Windows" >&2
source_dir=$(unpack libogg "$ogg_version")
(
    cd "$source_dir"
    quietly ./configure --host=$host --prefix="$prefix" --disable-shared --enable-static \
        CC="$cc" CFLAGS="$cflags"
    # The documentation folder has nothing the build needs.
    quietly make -j"$jobs" V=1 -C src install
    quietly make -C include install
    quietly make install-pkgconfigDATA
)

echo "Building libvorbis $vorbis_version for Windows" >&2
source_dir=$(unpack libvorbis "$vorbis_version")
(
    cd "$source_dir"
    quietly ./configure --host=$host --prefix="$prefix" --disable-shared --enable-static \
        --disable-docs --disable-examples --disable-oggtest \
        CC="$cc" CFLAGS="$cflags"
    # Only the libraries and headers: the examples, tests and documentation are never shipped.
    quietly make -j"$jobs" V=1 -C lib install
    quietly make -C include install
    quietly make install-pkgconfigDATA
)

echo "Building libjpeg-turbo $jpeg_version for Windows" >&2
source_dir=$(unpack libjpeg-turbo "$jpeg_version")
# The library's own release flags would raise -O2 to -O3; the build type only adds NDEBUG here.
# REQUIRE_SIMD: without nasm it would quietly fall back to the much slower plain C decoder.
quietly cmake -S "$source_dir" -B "$work/libjpeg-turbo-build" -G "Unix Makefiles" \
    -DCMAKE_SYSTEM_NAME=Windows \
    -DCMAKE_SYSTEM_PROCESSOR=x86 \
    -DCMAKE_C_COMPILER="$cc" \
    -DCMAKE_RC_COMPILER=$host-windres \
    -DCMAKE_ASM_NASM_COMPILER=nasm \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_C_FLAGS="$cflags" \
    -DCMAKE_C_FLAGS_RELEASE=-DNDEBUG \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DENABLE_SHARED=OFF \
    -DENABLE_STATIC=ON \
    -DWITH_TURBOJPEG=OFF \
    -DWITH_SIMD=ON \
    -DREQUIRE_SIMD=ON
quietly make -j"$jobs" -C "$work/libjpeg-turbo-build" install

for file in include/ogg/ogg.h include/vorbis/vorbisfile.h include/jpeglib.h include/jconfig.h include/jmorecfg.h \
    lib/libogg.a lib/libvorbis.a lib/libvorbisfile.a lib/libjpeg.a; do
    if [ ! -f "$prefix/$file" ]; then
        echo "The build left no $prefix/$file" >>"$log"
        exit 1
    fi
done

rm -rf "$work"
# Written last: a prefix without it is an interrupted build and is built again.
printf '%s\n' "$wanted_stamp" >"$stamp"
write_cmake_file
echo "$prefix"
