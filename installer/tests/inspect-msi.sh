#!/usr/bin/env bash
# Checks a built package's tables without installing it (the 32-bit one cannot run here).
# usage: inspect-msi.sh PACKAGE.msi x86|x64 WIX_REGISTRY
set -euo pipefail
[[ $# -eq 3 ]] || { sed -n '3p' "$0" >&2; exit 2; }
package=$1 arch=$2 generator=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
check() { # check DESCRIPTION EXPECTED ACTUAL
  if [[ "$2" == "$3" ]]; then echo "ok   $1"; else
    echo "FAIL $1"$'\n'"  expected: $2"$'\n'"  actual:   $3" >&2; failures=$((failures + 1)); fi
}
table() { msiinfo export "$package" "$1" | tr -d '\r' | tail -n +4; }
property() { table Property | awk -F'\t' -v p="$1" '$1 == p { print $2 }'; }

if [[ $arch == x64 ]]; then
  template='x64;1033' bits=256 system=System64Folder programs=ProgramFiles64Folder pe=pei-x86-64 platform=win64
else
  template='Intel;1033' bits=0 system=SystemFolder programs=ProgramFilesFolder pe=pei-i386 platform=win32
fi

check "product name" Quillmere "$(property ProductName)"
check "product version from the build" "$("$generator" --version)" "$(property ProductVersion)"
check "platform" "$template" "$(msiinfo suminfo "$package" | sed -n 's/^Template: //p')"
# Word count 0x8: installing needs no elevation, so one user can install without an administrator.
wordcount=$(msiinfo suminfo "$package" | sed -n 's/^Source: \([0-9]*\).*/\1/p')
check "installs without elevation" 8 "$((wordcount & 8))"

# The payload: exactly the two binaries, built for this architecture.
msiextract -C "$work/payload" "$package" > /dev/null
check "files in the package" "Quillmere.exe Tessivar.dll" \
  "$(find "$work/payload" -type f -printf '%f\n' | LC_ALL=C sort | xargs)"
for f in Quillmere.exe Tessivar.dll; do
  format=$(find "$work/payload" -name "$f" -exec x86_64-w64-mingw32-objdump -f {} \; 2>/dev/null | sed -n 's/.*file format //p')
  check "$f is $pe" "$pe" "$format"
done
check "file table" "QuillmereExe ControlPanel Quillmere.exe TessivarDll AddIn Tessivar.dll" \
  "$(table File | cut -f1-3 | LC_ALL=C sort | xargs)"
# Both binaries carry the product version, and the file table records it.
check "file versions" "QuillmereExe $("$generator" --version).0 TessivarDll $("$generator" --version).0" \
  "$(table File | cut -f1,5 | LC_ALL=C sort | xargs)"
check "components' bitness" "AddIn $bits ControlPanel $bits" \
  "$(table Component | cut -f1,4 | LC_ALL=C sort | xargs)"

# The registration: every generated value, each one below the install root (-1, HKMU).
"$generator" --arch "$arch" | grep -c '<RegistryValue ' > "$work/generated-count"
check "registry rows = generated values" "$(cat "$work/generated-count")" "$(table Registry | wc -l)"
check "registry rows in the add-in's component, under HKMU" "-1 AddIn" \
  "$(table Registry | cut -f2,6 | LC_ALL=C sort -u | xargs)"
check "type library registered for $platform only" "\\0\\$platform [#TessivarDll]" \
  "$(table Registry | awk -F'\t' '$3 ~ /\\TypeLib\\.*\\0\\/ { print substr($3, index($3, "\\0\\")), $5 }')"
check "add-in entry for PowerPoint" "#3" "$(table Registry |
  awk -F'\t' '$3 == "Software\\Microsoft\\Office\\PowerPoint\\AddIns\\Halverin.Connect" && $4 == "LoadBehavior" { print $5 }')"

# Beside a PowerPoint of the other bitness the package refuses, saying what the control panel says.
check "refusal message" "$("$generator" --wrong-build-message "$arch")" \
  "$(table LaunchCondition | awk -F'\t' '$1 ~ /POWERPOINT/ { print $2 }')"
check "PowerPoint's App Paths entry read in both registry views" "PowerPointIn32BitView 2 PowerPointIn64BitView 18" \
  "$(table RegLocator | awk -F'\t' '$3 ~ /App Paths\\POWERPNT\.EXE$/ && $4 == "" { print $1, $5 }' | LC_ALL=C sort | xargs)"

# Start menu: folder "Quillmere" with the two entries, removed again on uninstall.
check "Start-menu folder" "ProgramMenuQuillmere ProgramMenuFolder Quillmere" \
  "$(table Directory | awk -F'\t' '$1 == "ProgramMenuQuillmere"' | xargs)"
check "Start-menu entries" "ProgramMenuQuillmere|Quillmere|[#QuillmereExe]| ProgramMenuQuillmere|Uninstall Quillmere|[$system]msiexec.exe|/x [ProductCode]" \
  "$(table Shortcut | awk -F'\t' '{ print $2 "|" $3 "|" $5 "|" $6 }' | LC_ALL=C sort | xargs -d '\n')"
check "Start-menu folder removed on uninstall" "ProgramMenuQuillmere 2" \
  "$(table RemoveFile | awk -F'\t' '$1 == "ProgramMenuQuillmere" { print $4, $5 }')"

# A rebuilt package of the same version replaces an installed one (0x200: maximum inclusive).
upgrade=$(table Upgrade | awk -F'\t' '$7 == "WIX_UPGRADE_DETECTED" { print $5 }')
check "same version upgrades" 512 "$(( ${upgrade:-0} & 512 ))"
check "per-machine program folder" "[$programs]Quillmere\\" \
  "$(table CustomAction | awk -F'\t' '$1 == "UseMachineProgramFolder" { print $4 }')"

[[ $failures -eq 0 ]] || { echo "inspect-msi: $failures failed" >&2; exit 1; }
