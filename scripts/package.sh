#!/usr/bin/env bash
# Builds the Windows packages into dist/:
#   Kolvane-Verwaltung-<version>-setup.exe  the installer (NSIS, per user)
#   Kolvane-Verwaltung-<version>.zip        the portable form
# Installs what is missing and builds Kolvane.exe in the cross tree first.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"

scripts/ensure-tools.sh

cross="$root/build/cross"
cmake -S . -B "$cross" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >/dev/null
cmake --build "$cross" -j "${KV_JOBS:-2}" --target Kolvane

# The version resource is the one place the version is written down; its
# other copies (the version strings, the manifest) must agree with it.
numbers=$(sed -n 's/^FILEVERSION *\([0-9]\+\), *\([0-9]\+\), *\([0-9]\+\), *\([0-9]\+\)[[:space:]]*$/\1 \2 \3 \4/p' \
    resources/version.rc)
read -r major minor patch build <<<"$numbers" || true
if [ -z "${build:-}" ]; then
    echo "package.sh: no FILEVERSION a, b, c, d in resources/version.rc" >&2
    exit 1
fi
version="$major.$minor.$patch"
version4="$major.$minor.$patch.$build"
commas="$major, $minor, $patch, $build"
if [ "$(grep -c -e "^PRODUCTVERSION $commas[[:space:]]*\$" -e "\"FileVersion\", \"$commas\"" \
        -e "\"ProductVersion\", \"$commas\"" resources/version.rc)" -ne 3 ] ||
    ! grep -q "version=\"$version4\"" resources/Kolvane.manifest; then
    echo "package.sh: resources/version.rc or Kolvane.manifest does not say $version4 throughout" >&2
    exit 1
fi

copyright=$(sed -n 's/^ *VALUE "LegalCopyright", "\(.*\)".*$/\1/p' resources/version.rc)

name="Kolvane-Verwaltung"
stage="$root/build/package/$name"
dist="$root/dist"
rm -rf "$root/build/package" "$dist"
mkdir -p "$stage" "$dist"

x86_64-w64-mingw32-strip -o "$stage/Kolvane.exe" "$cross/app/Kolvane.exe"
cp -r help "$stage/help"
# The text goes to Windows users as the program's own code page with CR LF.
sed -e "s/@VERSION@/$version/" -e "s/@COPYRIGHT@/$(sed 's/[&/\]/\\&/g' <<<"$copyright")/" \
    package/LIESMICH.txt | iconv -f UTF-8 -t CP1252 | sed 's/$/\r/' >"$stage/LIESMICH.txt"

(cd "$root/build/package" && zip -q -r -X "$dist/$name-$version.zip" "$name")

makensis -V2 -INPUTCHARSET UTF8 \
    -DVERSION="$version" -DVERSION4="$version4" -DCOPYRIGHT="$copyright" -DSTAGE="$stage" \
    -DICON="$root/resources/Kolvane.ico" -DOUTFILE="$dist/$name-$version-setup.exe" \
    package/Kolvane.nsi

ls -l "$dist"
