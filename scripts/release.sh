#!/usr/bin/env bash
# Builds every file of a release of the current commit into build/release/, from a clean
# checkout of it (what is not committed is not in a release), installing what is missing:
#
#   lumetra_<version>_amd64.deb          the Debian package
#   Lumetra-<version>-win64.exe          the Windows setup
#   Lumetra-<version>-win64.zip          the portable Windows program
#   lumetra-<version>-web.zip            the browser edition's site, for any static host
#   lumetra-<version>-source.tar.gz      the commit's source, from which all of these are built
#   SHA256SUMS                           the checksums of the five
#
# The version is the project's, in CMakeLists.txt. A release is the same bytes on any machine:
# every time stamp is the commit's (SOURCE_DATE_EPOCH), and scripts/check-reproducible.sh shows
# it by building one twice.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libfast-float-dev libfmt-dev \
  dpkg-dev file g++-mingw-w64-x86-64 nsis emscripten node-acorn zip unzip strip-nondeterminism

# A machine may differ in these, and a release must not: the .deb's members and folders take
# their modes from the umask, and a zip stores its entries' times in local time.
umask 022
export TZ=UTC
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH
version=$(git show HEAD:CMakeLists.txt | sed -n 's/^project(Lumetra VERSION \([0-9.]*\) .*/\1/p')
[ -n "$version" ] || { echo "release: no version in the project() line of CMakeLists.txt" >&2; exit 1; }
release=$PWD/build/release
work=$PWD/build/release-work
source=lumetra-$version-source.tar.gz
files=("lumetra_${version}_amd64.deb" "Lumetra-$version-win64.exe" "Lumetra-$version-win64.zip"
       "lumetra-$version-web.zip" "$source")

rm -rf "$release" "$work"
mkdir -p "$release" "$work"
git archive --format=tar.gz --prefix="lumetra-$version/" -o "$release/$source" HEAD
# What is built is what is published.
tar -xzf "$release/$source" -C "$work"
cd "$work/lumetra-$version"
for preset in default windows web; do
  echo "== release: $preset"
  cmake --preset "$preset" -DLUMETRA_BUILD_TESTS=OFF -DLUMETRA_WERROR=ON >/dev/null
  cmake --build --preset "$preset"
done
echo "== release: packages"
cpack --config build/default/CPackConfig.cmake -B "$work/packages" >/dev/null
cpack --config build/windows/CPackConfig.cmake -B "$work/packages" >/dev/null
(cd build/web/site && zip -q -r -X "$work/packages/lumetra-$version-web.zip" .)
# cpack counts each folder's size on the build machine's file system into Installed-Size; the
# package is made again with the size counted as Debian's tools count it, a KiB for each
# folder and each file's size rounded up to whole KiB.
deb=$work/packages/${files[0]}
dpkg-deb -R "$deb" "$work/deb"
size=$(find "$work/deb" -mindepth 1 -path "$work/deb/DEBIAN" -prune -o -printf '%y %s\n' |
       awk '{ kib += $1 == "f" ? int(($2 + 1023) / 1024) : 1 } END { print kib }')
sed -i "s/^Installed-Size: .*/Installed-Size: $size/" "$work/deb/DEBIAN/control"
dpkg-deb --root-owner-group -Zgzip --build "$work/deb" "$deb" >/dev/null
# Zip entries keep their order on disk and their owner; these come out sorted, owned by no one.
strip-nondeterminism -t zip -T "$SOURCE_DATE_EPOCH" "$work"/packages/*.zip
for file in "${files[@]}"; do
  [ -f "$release/$file" ] || mv "$work/packages/$file" "$release/"
done

# Each file must hold the version that its name says: checks VERSION COMMAND... FILE, whose
# output must have a line VERSION.
check() {
  "${@:2}" | grep -xF "$1" >/dev/null || { echo "release: $(basename "${*: -1}") does not hold the version $1" >&2; exit 1; }
}
IFS=. read -r major minor _ tweak <<<"$version"
cd "$release"
check "$version" dpkg-deb --field "${files[0]}" Version
check "$version" strings -el "${files[1]}"
check "$(printf '%d.%02d.%04d' "$major" "$minor" "$tweak")" sh -c 'unzip -p "$0" Lumetra.exe | strings -el' "${files[2]}"
check "lumetra-$version" sh -c 'unzip -p "$0" sw.js | grep -o "lumetra-[0-9][0-9.]*[0-9]"' "${files[3]}"

sha256sum -- "${files[@]}" >SHA256SUMS
cat SHA256SUMS
