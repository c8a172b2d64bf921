#!/usr/bin/env bash
# Builds the release of Mirevan and writes what a Windows user downloads to dist/:
#   Mirevan-<version>-portable.zip  the program's folder, to unpack anywhere and run
#   Mirevan-<version>-setup.exe     an installer for the current user (NSIS)
# The release is the Windows tree (build/windows) that the tests run: optimised (-O2), with
# a static runtime and zlib linked in, its debug information split off into .debug files
# that stay behind. Set MIREVAN_WERROR=ON to treat warnings as errors.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/bootstrap.sh

werror=${MIREVAN_WERROR:-OFF}
cmake --preset windows -DMIREVAN_WERROR="$werror" >/dev/null
cmake --build build/windows -j "$(nproc)" --target mirevan_folder

version=$(sed -n 's/^#define MIREVAN_VERSION_TEXT "\(.*\)"$/\1/p' resources/Version.h)
[ -n "$version" ] || { echo "package: no version in resources/Version.h" >&2; exit 1; }
name="Mirevan-$version"
stage_root="$root/build/windows/stage"
stage="$stage_root/$name"
rm -rf "$stage_root"
mkdir -p "$stage"

bin=build/windows/bin
cp "$bin/Mirevan.exe" "$bin/Hook.dll" "$bin/DragOn.bmp" "$bin/DragOff.bmp" \
   "$bin/MidnightEmber.qzkn" "$stage/"
# Text files with the line ends Windows editors expect.
sed "s/@VERSION@/$version/; s/\$/\r/" resources/package/ReadMe.txt >"$stage/ReadMe.txt"
sed 's/$/\r/' LICENSE.txt >"$stage/License.txt"
cp build/windows/art/Mirevan.ico "$stage_root/"

mkdir -p dist
zip_file="$root/dist/$name-portable.zip"
setup_file="$root/dist/$name-setup.exe"
rm -f "$zip_file" "$setup_file"
# Fixed times, so the same build packs to the same bytes.
find "$stage" -exec touch -d "@$(git log -1 --format=%ct 2>/dev/null || echo 0)" {} +
(cd "$stage_root" && zip -q -X -r "$zip_file" "$name")
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DOUTFILE="$setup_file" \
  resources/package/Mirevan.nsi

echo "package: $(stat -c %s "$zip_file") bytes  dist/$(basename "$zip_file")"
echo "package: $(stat -c %s "$setup_file") bytes  dist/$(basename "$setup_file")"
