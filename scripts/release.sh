#!/usr/bin/env bash
# Builds everything and leaves the release in dist/: the two installers, a zip of the two
# binaries per architecture, and SHA256SUMS over all of them.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh native windows

# native first: the Windows builds take wix-registry from it.
for preset in native mingw-i686 mingw-x64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

version=$(build/native/bin/wix-registry --version)
rm -rf dist
mkdir dist
for build in x86:mingw-i686 x64:mingw-x64; do
  arch=${build%%:*} preset=${build#*:}
  cp "build/$preset/installer/Quillmere-$version-$arch.msi" dist/
  # -X: no extra file attributes; the same binaries give the same zip apart from timestamps.
  zip -q -j -X "dist/Quillmere-$version-$arch.zip" "build/$preset/bin/Quillmere.exe" "build/$preset/bin/Tessivar.dll"
done
(cd dist && sha256sum Quillmere-* > SHA256SUMS && sha256sum --quiet -c SHA256SUMS)
ls -l dist
