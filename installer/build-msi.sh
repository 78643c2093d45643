#!/usr/bin/env bash
# Builds one Windows Installer package with wixl and corrects what wixl writes wrongly.
# usage: installer/build-msi.sh ARCH BINDIR WIX_REGISTRY OUTPUT.msi
#   ARCH          x86 or x64
#   BINDIR        folder with that architecture's Quillmere.exe and Tessivar.dll
#   WIX_REGISTRY  the native wix-registry tool (registration entries and version)
set -euo pipefail
[[ $# -eq 4 ]] || { sed -n '3,6p' "$0" >&2; exit 2; }
arch=$1 bindir=$2 generator=$3 output=$4
case "$arch" in x86|x64) ;; *) echo "build-msi.sh: ARCH must be x86 or x64" >&2; exit 2 ;; esac
for f in Quillmere.exe Tessivar.dll; do
  [[ -f "$bindir/$f" ]] || { echo "build-msi.sh: missing $bindir/$f" >&2; exit 1; }
done

here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

version=$("$generator" --version)
"$generator" --arch "$arch" > "$work/registration.wxi"
# wixl takes only relative source paths: gather the inputs in the work folder.
mkdir "$work/bin"
cp "$bindir/Quillmere.exe" "$bindir/Tessivar.dll" "$work/bin/"
cp "$here/Quillmere.wxs" "$work/"

# The same inputs give the same bytes: the clock stands at the commit's time (the summary's
# dates and the cabinet's file times), and the product and package codes, which wixl would
# draw at random, are hashed from everything that makes up the package.
epoch=${SOURCE_DATE_EPOCH:-$(git -C "$here" log -1 --format=%ct 2> /dev/null || date +%s)}
export TZ=UTC
touch -d "@$epoch" "$work/bin/Quillmere.exe" "$work/bin/Tessivar.dll"
frozen=$(date -d "@$epoch" '+%Y-%m-%d %H:%M:%S')
at_epoch() { faketime -f "$frozen" "$@"; }  # -f with a plain date: the clock stands still
content_uuid() { # content_uuid SALT: a name-based (version 5 layout) GUID from the inputs
  local hash
  hash=$( (echo "$1 $arch $version" && cat "$work/bin/Quillmere.exe" "$work/bin/Tessivar.dll" \
    "$work/Quillmere.wxs" "$work/registration.wxi" "$0") | sha256sum | tr a-f A-F)
  echo "{${hash:0:8}-${hash:8:4}-5${hash:13:3}-$(printf %X $((0x${hash:16:1} & 3 | 8)))${hash:17:3}-${hash:20:12}}"
}
product_code=$(content_uuid product)
package_code=$(content_uuid package)

wrong_build=$("$generator" --wrong-build-message "$arch")
(cd "$work" && at_epoch wixl --arch "$arch" -D Arch="$arch" -D ProductVersion="$version" -D BinDir=bin \
  -D Registration=registration.wxi -D ProductCode="$product_code" -D WrongBuildMessage="$wrong_build" \
  -o package.msi Quillmere.wxs 2> wixl.log) \
  || { cat "$work/wixl.log" >&2; exit 1; }
msibuild() { at_epoch "$(type -P msibuild)" "$@"; }

# wixl writes the HKMU root as 4, which Windows Installer ignores; -1 is "per-user or per-machine
# as installed".
msibuild "$work/package.msi" -q 'UPDATE `Registry` SET `Root` = -1 WHERE `Root` = 4'
# wixl puts every RemoveFolder on the component's own folder.
msibuild "$work/package.msi" \
  -q "UPDATE \`RemoveFile\` SET \`DirProperty\` = 'ProgramMenuQuillmere' WHERE \`FileKey\` = 'ProgramMenuQuillmere'"
# wixl records no file versions: take them from the binaries' version resources, so Windows
# Installer compares versions when it replaces files. A versioned file has no hash row.
for file in QuillmereExe:Quillmere.exe TessivarDll:Tessivar.dll; do
  id=${file%%:*} name=${file#*:}
  if file_version=$("$generator" --file-version "$work/bin/$name" 2> /dev/null); then
    msibuild "$work/package.msi" -q "UPDATE \`File\` SET \`Version\` = '$file_version' WHERE \`File\` = '$id'"
    msibuild "$work/package.msi" -q "DELETE FROM \`MsiFileHash\` WHERE \`File_\` = '$id'"
  else
    echo "build-msi.sh: warning: $name has no version resource" >&2
  fi
done
# Make the upgrade row include the same version (attribute 0x200), so reinstalling a rebuilt
# package of this version replaces the installed one. Attributes is a key column: re-import.
msiinfo export "$work/package.msi" Upgrade | tr -d '\r' |
  awk -F'\t' 'BEGIN { OFS = "\t" } NR > 3 && $7 == "WIX_UPGRADE_DETECTED" { if (int($5 / 512) % 2 == 0) $5 += 512 } { print }' \
  > "$work/Upgrade.idt"
msibuild "$work/package.msi" -i "$work/Upgrade.idt"
summary() { msiinfo suminfo "$work/package.msi" | sed -n "s/^$1: //p"; }
msibuild "$work/package.msi" -s "$(summary Subject)" "$(summary Author)" "$(summary Template)" "$package_code"

mkdir -p "$(dirname "$output")"
mv "$work/package.msi" "$output"
