#!/usr/bin/env bash
# Tessivar.dll as PowerPoint meets it, in one Wine prefix: regsvr32 registers it for the user,
# ppt-host loads it from the add-in list, and the document it receives is byte for byte the one
# ribbon-xml prints for the same stored settings. Then regsvr32 /u removes everything again.
# usage: addin_end_to_end.sh BIN_DIR RIBBON_XML
set -uo pipefail
bin=$(realpath "$1")
ribbon_xml=$2
here=$(dirname "$0")
source "$here/../../../tests/wine/wine_prefix.sh"
[[ -x $ribbon_xml ]] || { echo "FAIL: $ribbon_xml is missing: build the native preset first" >&2; exit 1; }

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
work=$(mktemp -d)
trap 'wine_prefix_end; rm -rf "$work"' EXIT

settings='HKCU\Software\VB and VBA Program Settings\Varnholt\Quillmere'
clsid='{F014F2C8-2CE5-4C03-86A8-6DC0B6349C47}'
libid='{D01D3003-E0B7-4D5A-B6B1-703ACD451372}'
addin='HKCU\Software\Microsoft\Office\PowerPoint\AddIns\Halverin.Connect'
dll_windows_path="Z:${bin//\//\\}\\Tessivar.dll"

# value KEY NAME: the data of one registry value ("" for the default value), or nothing.
value() {
  local name=${2:-(Default)}
  wine_reg_query "$1" 2>/dev/null >"$work/key.txt"
  awk -F'    ' -v name="$name" 'NF >= 4 && $2 == name { print $4; exit }' "$work/key.txt"
}
expect_value() {
  local got
  got=$(value "$1" "$2")
  [[ $got == "$3" ]] || fail "$1 [$2] is '$got', wanted '$3'; reg query printed: $(cat "$work/key.txt")"
}

wine_prefix_new

# --- registration -------------------------------------------------------------------------
wine_regsvr32 /s "$bin/Tessivar.dll" || fail "regsvr32 /s exit $?"
expect_value "$addin" FriendlyName Quillmere
expect_value "$addin" Description "Add-In Project Template"
expect_value "$addin" LoadBehavior 0x3
expect_value 'HKCU\Software\Classes\Halverin.Connect\CLSID' "" "$clsid"
expect_value "HKCU\\Software\\Classes\\CLSID\\$clsid\\InprocServer32" "" "$dll_windows_path"
expect_value "HKCU\\Software\\Classes\\CLSID\\$clsid\\InprocServer32" ThreadingModel Apartment
expect_value "HKCU\\Software\\Classes\\TypeLib\\$libid\\1.0" "" Quillmere
expect_value "HKCU\\Software\\Classes\\TypeLib\\$libid\\1.0\\0\\$WINE_TYPELIB_PLATFORM" "" "$dll_windows_path"
wine_regsvr32 /s "$bin/Tessivar.dll" || fail "registering twice: regsvr32 /s exit $?"
expect_value "$addin" LoadBehavior 0x3

# Wine does not merge per-user classes into the classes view; Windows does (test prefix only).
wine_share_user_classes || fail "reg copy"

# --- documents ------------------------------------------------------------------------------
# host ARGS... : runs ppt-host, leaves $work/doc.xml and $work/report.txt, returns its exit code.
host() {
  rm -f "$work/doc.xml" "$work/report.txt"
  wine_exec "$bin/ppt-host.exe" --report "$work/report.txt" "$@" "$work/doc.xml"
}
report() { grep -m1 "^$1=" "$work/report.txt" | cut -d= -f2-; }
store() { # store KEY=VALUE... : exactly these settings
  wine_reg delete "$settings" /f
  local pair
  for pair in "$@"; do
    wine_reg add "$settings" /v "${pair%%=*}" /d "${pair#*=}" /f || fail "reg add $pair"
  done
}

# Each combination: KEY=VALUE pairs separated by ";" (keys and values may hold blanks).
combinations=(
  ""
  "Classic=1;Left=1;All=1"
  "Left=0"
  "All=0"
  "Left=0;All=0"
  "Classic=2"
  "Hide built-in Tabs=1;Home=1;Review=1;Format=1"
  "Hide built-in Tabs=1;Home=1;Insert=1;Design=1;Animations=1;View=1;Review=1;Slide Show=1;Developer=1;Format=1"
  "Hide built-in Tabs=1;Home=9"
  "Hide built-in Tabs=0;Home=1;Insert=1"
  "HIDE BUILT-IN TABS=1;view=1.0;Left= 1 "
)
# compare COMBINATION HOST_ARGS RIBBON_XML_ARGS: stores the combination, then the add-in's
# document for a host started with HOST_ARGS must be ribbon-xml's for RIBBON_XML_ARGS.
compare() {
  local combination=$1 label="[$1] [$2]" host_args ribbon_args pairs=()
  read -r -a host_args <<<"$2"
  read -r -a ribbon_args <<<"$3"
  [[ -n $combination ]] && IFS=';' read -r -a pairs <<<"$combination"
  store "${pairs[@]}"
  host "${host_args[@]}" || fail "$label ppt-host exit $?: $(tr '\n' ' ' <"$work/report.txt" 2>/dev/null)"
  "$ribbon_xml" "${ribbon_args[@]}" "${pairs[@]}" >"$work/expected.xml" || fail "$label ribbon-xml failed"
  [[ -s $work/expected.xml ]] || fail "$label ribbon-xml printed nothing"
  cmp -s "$work/doc.xml" "$work/expected.xml" || fail "$label the add-in's document differs from ribbon-xml's"
}
for combination in "${combinations[@]}"; do compare "$combination" "" ""; done

# PowerPoint 2013 and later get the names their control lists publish; a Version that fails, is
# missing or is not a version gets the 2007 document, never a failure.
for version in 15.0 16.0; do
  for combination in "" "Left=0;All=0" "Hide built-in Tabs=1;Home=1;Animations=1"; do
    compare "$combination" "--version $version" "--host-version $version"
    grep -q 'idMso="ViewGridlinesPowerPoint"' "$work/doc.xml" || fail "[$version] the 2013 name is missing"
  done
done
for host_args in "--version-fails" "--no-version" "--version abc" "--version 14.0"; do
  compare "" "$host_args" ""
  grep -q 'idMso="ViewGridlines"' "$work/doc.xml" || fail "[$host_args] not the 2007 document"
done

# PowerPoint's user-interface language: the translated document where the product has the
# language, English where it has not, and English when LanguageSettings is missing or fails.
for lcid in 0x0407 0x0411 0x041F 0x0C04; do
  compare "Left=0" "--ui-language $lcid" "--ui-language $lcid"
  grep -q 'label="Classic"' "$work/doc.xml" && fail "[$lcid] the document is not translated"
  [[ $(report language_settings_references) == 0 ]] || fail "[$lcid] the add-in kept LanguageSettings"
done
grep -q '<tab id="Menus" label="經典">' "$work/doc.xml" || fail "Hong Kong did not get Traditional Chinese"
for host_args in "--ui-language 0x0401" "--ui-language 0x0407 --language-fails" "--language-fails"; do
  compare "" "$host_args" ""
done

store
host --name "Microsoft Office Excel" || fail "other host: ppt-host exit $?"
[[ -f $work/doc.xml && ! -s $work/doc.xml ]] || fail "a host that is not PowerPoint got a document"
[[ $(report getcustomui) == 0x00000000 ]] || fail "a host that is not PowerPoint got a failure: $(report getcustomui)"

store "Classic=0"
host || fail "Classic=0: ppt-host exit $?"
[[ ! -s $work/doc.xml ]] || fail "Classic=0 still gave a document"

store
host --unconnected && fail "an unconnected add-in reported success"
[[ $(report getcustomui) == 0x8000FFFF ]] || fail "unconnected: GetCustomUI gave $(report getcustomui), wanted E_UNEXPECTED"
[[ $(report text_returned) == 0 && ! -s $work/doc.xml ]] || fail "unconnected: text came back"

host --no-name && fail "a host without Name reported success"
[[ $(report getcustomui) == 0x80020006 ]] || fail "no Name: GetCustomUI gave $(report getcustomui), wanted the host's DISP_E_UNKNOWNNAME"

store "Left=abc"
host && fail "a bad stored value reported success"
[[ $(report getcustomui) == 0x80020005 ]] || fail "Left=abc: GetCustomUI gave $(report getcustomui), wanted DISP_E_TYPEMISMATCH"
[[ $(report error) == *Left*abc* ]] || fail "Left=abc: the error description '$(report error)' does not name the key and its text"
[[ $(report text_returned) == 0 && ! -s $work/doc.xml ]] || fail "Left=abc: text came back"

# --- policies ---------------------------------------------------------------------------------
# Machine policy (REG_DWORD and REG_SZ) before the user's policy before the user's own store.
machine_policy='HKLM\Software\Policies\Varnholt\Quillmere'
user_policy='HKCU\Software\Policies\Varnholt\Quillmere'
# policy_document RIBBON_XML_ARGS...: the add-in's document must be ribbon-xml's for these values.
policy_document() {
  host || fail "policy [$*]: ppt-host exit $?: $(tr '\n' ' ' <"$work/report.txt" 2>/dev/null)"
  "$ribbon_xml" "$@" >"$work/expected.xml" || fail "policy [$*]: ribbon-xml failed"
  cmp -s "$work/doc.xml" "$work/expected.xml" || fail "policy [$*]: the add-in's document differs from ribbon-xml's"
}
store "Home=0" "Left=1"
wine_reg add "$machine_policy" /v Home /t REG_DWORD /d 1 /f || fail "reg add machine policy"
wine_reg add "$machine_policy" /v "Hide built-in Tabs" /d 1 /f || fail "reg add machine policy"
wine_reg add "$user_policy" /v Home /d 0 /f || fail "reg add user policy"
wine_reg add "$user_policy" /v Left /t REG_DWORD /d 0 /f || fail "reg add user policy"
policy_document "Home=1" "Hide built-in Tabs=1" "Left=0"
grep -q '<tab idMso="TabHome" visible="false"/>' "$work/doc.xml" || fail "the machine policy did not hide Home"
wine_reg delete "$machine_policy" /f || fail "reg delete machine policy"
policy_document "Home=0" "Left=0"
wine_reg add "$user_policy" /v Left /d yes /f || fail "reg add user policy"
host && fail "a policy that is not a number reported success"
[[ $(report getcustomui) == 0x80020005 ]] || fail "policy Left=yes: GetCustomUI gave $(report getcustomui), wanted DISP_E_TYPEMISMATCH"
wine_reg delete "$user_policy" /f || fail "reg delete user policy"
policy_document "Home=0" "Left=1"

# --- references and unloading ----------------------------------------------------------------
store
host --connect-twice --document-map 0 --click Document0 --click NoSuchCallback
[[ $(report first_application_references) == 0 ]] || fail "a second connection kept the first application object"
[[ $(report application_references) == 0 ]] || fail "the add-in kept the application object after release"
[[ $(report loaded_after_release) == 0 ]] || fail "Tessivar.dll stayed loaded with no object left (DllCanUnloadNow)"
[[ $(report click.NoSuchCallback) == 0x80020006 ]] || fail "an unknown callback name was not refused: $(report click.NoSuchCallback)"
# A callback by name, through IDispatch, back into the host's object model by late binding.
[[ $(report click.Document0) == 0x00000000 && $(report documentmap) == 1 ]] ||
  fail "Document0 by name: $(report click.Document0), document map $(report documentmap)"
[[ $(report window_references) == 0 ]] || fail "the add-in kept the host's window object"

# --- removal ----------------------------------------------------------------------------------
wine_regsvr32 /u /s "$bin/Tessivar.dll" || fail "regsvr32 /u /s exit $?"
for key in "$addin" 'HKCU\Software\Classes\Halverin.Connect' "HKCU\\Software\\Classes\\CLSID\\$clsid" \
           "HKCU\\Software\\Classes\\TypeLib\\$libid" 'HKCU\Software\Classes\Interface\{2AF5246C-DC03-45AF-A13B-42B825AC1358}'; do
  wine_reg query "$key" && fail "$key is still there after unregistering"
done
wine_reg query 'HKCU\Software\Microsoft\Office\PowerPoint\AddIns' || true
wine_regsvr32 /u /s "$bin/Tessivar.dll" || fail "unregistering again: regsvr32 /u /s exit $?"

[[ $failures -eq 0 ]] && echo "add-in end to end: ok"
exit $((failures > 0))
