#!/usr/bin/env bash
# Installs, uses, repairs, reinstalls and removes the build's Quillmere package (x64 or x86, as
# QUILLMERE_WINE_ARCH says) in fresh Wine prefixes, and compares listings of each prefix before install and after removal.
# usage: msi-lifecycle.sh PACKAGE.msi [HOST.exe [RIBBON_XML]]
#   HOST.exe    the PowerPoint stand-in; when given, it must load the installed add-in
#   RIBBON_XML  the native ribbon-xml tool; the document the stand-in receives must equal its
#               output for the same settings
set -euo pipefail
[[ $# -ge 1 && $# -le 3 ]] || { sed -n '4,7p' "$0" >&2; exit 2; }
package=$(realpath "$1")
host=${2:+$(realpath "$2")}
ribbon_xml=${3:+$(realpath "$3")}
here=$(cd "$(dirname "$0")" && pwd)
source "$here/prefix-listing.sh"
# The template prefix shared by all Wine tests of a run ($QUILLMERE_WINE_ROOT).
source "$here/../../../tests/wine/wine_prefix.sh"

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
# No desktop menu entries outside the prefix for the shortcuts the package creates.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
# Beside the template: clones are hard links and must be on its file system.
work=$(mktemp -d "$(wine_root)/msi.XXXXXX")
prefixes=()
cleanup() {
  local p
  for p in "${prefixes[@]}"; do WINEPREFIX=$p "$wineserver" -k 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

failures=0
fail() { echo "FAIL [$scenario]: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok   [$scenario]: $*"; }

# Each scenario gets a hard-linked clone of the template with its own registry files
# (wineserver rewrites the .reg files in place, which would change the template).
template=$(wine_root)/template
# usage: clone NAME [SOURCE_PREFIX]; the clone becomes $prefix.
clone() {
  local source=${2:-$template}
  prefix=$work/$1
  mkdir "$prefix"
  cp -al "$source/." "$prefix/"
  cp --remove-destination "$source"/*.reg "$prefix/"
  rm -f "$prefix/.quillmere-ready"
  prefixes+=("$prefix")
}
in_prefix() { WINEPREFIX=$prefix "$wine" "$@"; }
# The build's own reg.exe and regsvr32.exe (wine_prefix.sh).
system_tool() { echo "C:\\windows\\$WINE_SYSTEM_DIR\\$1.exe"; }
# The registry view of the build's per-machine values, as a part of list_registry's key names
# (wow6432node and two backslashes, for x86) and as a part of an extended regular expression.
view_key=${WINE_MACHINE_VIEW:+${WINE_MACHINE_VIEW,,}\\\\}
view_re=${view_key//\\/\\\\}
# UTF-16LE strings of a file, one a line (strings -el, which the WoW64 root lacks).
utf16_strings() { perl -0777 -ne 'while (/((?:[\x20-\x7e]\x00){4,})/g) { (my $t = $1) =~ tr/\x00//d; print "$t\n" }' "$1"; }
stop() { WINEPREFIX=$prefix "$wineserver" -k 2>/dev/null || true; WINEPREFIX=$prefix "$wineserver" -w 2>/dev/null || true; }
snapshot() { stop; list_files "$prefix" > "$work/$1.files"; list_registry "$prefix" > "$work/$1.registry"; }
winpath() { echo "Z:${1//\//\\}"; }

wine_template_build
user=$(ls "$template/drive_c/users" | grep -vx Public | head -n 1)
profile="users/$user"
install_dir="$profile/AppData/Local/Quillmere"
menu_dir="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quillmere"
settings_key='Software\VB and VBA Program Settings\Varnholt\Quillmere'
product_code=$(msiinfo export "$package" Property | tr -d '\r' | awk -F'\t' '$1 == "ProductCode" { print $2 }')

# The registry lines (as list_registry prints them) that the package's Registry table promises
# for an install into a folder.  usage: expected_registration user|system FOLDER
expected_registration() {
  msiinfo export "$package" Registry | tr -d '\r' |
    HIVE=$1 VIEW=$view_key FOLDER="C:\\${2//\//\\}\\" awk -F'\t' '
    function replace(s, from, to,   out, i) {
      out = ""
      while ((i = index(s, from)) > 0) { out = out substr(s, 1, i - 1) to; s = substr(s, i + length(from)) }
      return out s
    }
    function quoted(s) { return "\"" replace(replace(s, "\\", "\\\\"), "\"", "\\\"") "\"" }
    function unformat(s) { return replace(replace(s, "[\\[]", "["), "[\\]]", "]") }
    NR > 3 {
      if ($2 != -1) { print "unexpected registry root " $2 " for " $3 > "/dev/stderr"; exit 1 }
      key = "[" tolower(replace(unformat($3), "\\", "\\\\")) "]"
      # Per-machine values of a 32-bit package: classes are shared but for CLSID and Interface,
      # other keys go to the 32-bit view (WINE_MACHINE_VIEW in wine_prefix.sh).
      if (ENVIRON["HIVE"] == "system" && ENVIRON["VIEW"] != "") {
        if (key ~ /^\[software\\\\classes\\\\(clsid|interface)(\\\\|\])/) top = "[software\\\\classes\\\\"
        else if (key !~ /^\[software\\\\classes(\\\\|\])/) top = "[software\\\\"
        else top = ""
        if (top != "") key = top ENVIRON["VIEW"] substr(key, length(top) + 1)
      }
      name = $4 == "" ? "@" : quoted(unformat($4))
      value = $5
      if (value ~ /^#[0-9]+$/) data = sprintf("dword:%08x", substr(value, 2) + 0)
      else {
        if (value ~ /^##/) value = substr(value, 2)
        value = replace(value, "[#TessivarDll]", ENVIRON["FOLDER"] "Tessivar.dll")
        data = quoted(replace(unformat(value), "[INSTALLDIR]", ENVIRON["FOLDER"]))
      }
      print ENVIRON["HIVE"] " V " key " " name "=" data
    }' | LC_ALL=C sort
}

# usage: check_installed SNAPSHOT [PROGRAM_FOLDER MENU_FOLDER EXPECTED_REGISTRY]
check_installed() {
  local folder=${2:-$install_dir} menu=${3:-$menu_dir} expected=${4:-$work/expected.registry} f missing
  for f in Quillmere.exe Tessivar.dll; do
    cmp -s "$work/payload/$f" "$prefix/drive_c/$folder/$f" && pass "$f installed" || fail "$f missing or different"
  done
  for f in "Quillmere.lnk" "Uninstall Quillmere.lnk"; do
    [[ -f "$prefix/drive_c/$menu/$f" ]] && pass "Start menu entry $f" || fail "no Start menu entry $f"
  done
  missing=$(LC_ALL=C comm -23 "$expected" "$work/$1.registry")
  [[ -z "$missing" ]] && pass "registration written ($(wc -l < "$expected") values)" \
    || fail "registration values missing:"$'\n'"$missing"
}

# The PowerPoint stand-in must find the add-in through PowerPoint's add-in lists and receive its
# document: the one ribbon-xml prints for the settings given as arguments.
# It runs in a copy of the prefix, so the Wine workaround below stays out of the listings.
check_host_loads() {
  [[ -n "$host" ]] || { echo "skip [$scenario]: no PowerPoint stand-in given"; return; }
  stop
  local saved=$prefix out="$work/$scenario-document.xml" status=0
  clone "$scenario-host" "$saved"
  # Wine does not merge HKCU\Software\Classes into the classes view (COM activation of per-user
  # classes fails); Windows does.
  in_prefix "$(system_tool reg)" copy 'HKCU\Software\Classes' 'HKLM\Software\Classes' /s /f >/dev/null 2>&1 || true
  in_prefix "$(winpath "$host")" "$(winpath "$out")" >/dev/null 2>&1 || status=$?
  if [[ -n "$ribbon_xml" ]]; then
    "$ribbon_xml" "$@" > "$work/$scenario-expected.xml"
    [[ $status -eq 0 ]] && cmp -s "$work/$scenario-expected.xml" "$out" \
      && pass "PowerPoint stand-in loaded the add-in and received the document for ${*:-the defaults}" \
      || fail "PowerPoint stand-in (exit $status) did not receive the expected document"
  else
    [[ $status -eq 0 && -s "$out" ]] && grep '<customUI' "$out" > /dev/null \
      && pass "PowerPoint stand-in loaded the add-in and received a document" \
      || fail "PowerPoint stand-in (exit $status) did not receive a document"
  fi
  stop
  prefix=$saved
}

# Empty keys Windows Installer leaves of its own bookkeeping.
installer_keys='^(user K \[software\\\\microsoft\\\\installer(\\\\[^]]*)?\]'
installer_keys+='|system K \[software\\\\microsoft\\\\windows\\\\currentversion\\\\installer(\\\\[^]]*)?\]'
installer_keys+='|system K \[software\\\\classes\\\\installer(\\\\[^]]*)?\])$'
# A key Wine itself creates and drops from one start to the next.
wine_noise='^system K \[software\\\\microsoft\\\\windows nt\\\\currentversion\\\\networkcards\]$'

# After removal: nothing of ours in files or registry; only Windows Installer's own empty
# bookkeeping keys and its package cache folder may remain.
check_removed_cleanly() {
  local extra gone
  extra=$(LC_ALL=C comm -13 "$work/before.files" "$work/$1.files" | grep -vx './windows/Installer' || true)
  gone=$(LC_ALL=C comm -23 "$work/before.files" "$work/$1.files")
  [[ -z "$extra$gone" ]] && pass "file system as before install" || fail "files left or lost:"$'\n'"$extra$gone"
  extra=$(LC_ALL=C comm -13 "$work/before.registry" "$work/$1.registry" | grep -Ev "$installer_keys|$wine_noise" || true)
  gone=$(LC_ALL=C comm -23 "$work/before.registry" "$work/$1.registry" | grep -Ev "$wine_noise" || true)
  [[ -z "$extra$gone" ]] && pass "registry as before install, settings kept" || fail "registry differs:"$'\n'"$extra"$'\n'"$gone"
  grep -Eiq 'quillmere|halverin|tessivar' <(grep -iv 'VB and VBA Program Settings' "$work/$1.registry") \
    && fail "our names still in the registry" || pass "no trace of our names outside the settings"
}

msiextract -C "$work/payload" "$package" >/dev/null
find "$work/payload" -type f -exec mv -t "$work/payload" {} + 2>/dev/null || true
expected_registration user "$install_dir" > "$work/expected.registry"

# A user with settings installs, finds the add-in working, and removes it with the Start-menu entry.
scenario=install-remove
clone $scenario
in_prefix reg add "HKCU\\$settings_key" /v All /t REG_SZ /d 0 /f >/dev/null 2>&1
snapshot before
grep -q '"All"="0"' "$work/before.registry" || fail "could not seed the settings"
in_prefix msiexec /i "$(winpath "$package")" /qn && pass "msiexec /i /qn" || fail "msiexec /i exit $?"
snapshot installed
check_installed installed
check_host_loads All=0
utf16_strings "$prefix/drive_c/$menu_dir/Uninstall Quillmere.lnk" | grep -- "/x $product_code\$" > /dev/null && pass "Uninstall entry runs msiexec /x $product_code" || fail "Uninstall entry has no /x $product_code"
# The Start-menu entry's own command, made silent.
in_prefix msiexec /x "$product_code" /qn && pass "msiexec /x /qn" || fail "msiexec /x exit $?"
snapshot removed
check_removed_cleanly removed

# Installing over an install, repairing a damaged install and installing a rebuilt package of
# the same version all leave one product with one working registration.
scenario=reinstall-repair
clone $scenario
snapshot before
in_prefix msiexec /i "$(winpath "$package")" /qn || fail "first install exit $?"
in_prefix msiexec /i "$(winpath "$package")" /qn && pass "second install of the same package" || fail "second install exit $?"
# Damage it as a user or PowerPoint might: the library deleted, the add-in disabled after a failed load.
rm -f "$prefix/drive_c/$install_dir/Tessivar.dll"
in_prefix reg add 'HKCU\Software\Microsoft\Office\PowerPoint\AddIns\Halverin.Connect' /v LoadBehavior /t REG_DWORD /d 2 /f >/dev/null 2>&1
# The property form of msiexec /famus (Wine 8's msiexec /f fails on any package).
in_prefix msiexec /i "$(winpath "$package")" REINSTALL=ALL REINSTALLMODE=amus /qn && pass "repair" || fail "repair exit $?"
snapshot repaired
check_installed repaired
cp "$package" "$work/rebuilt.msi"
new_code="{$(cat /proc/sys/kernel/random/uuid | tr a-z A-Z)}"
msibuild "$work/rebuilt.msi" -q "UPDATE \`Property\` SET \`Value\` = '$new_code' WHERE \`Property\` = 'ProductCode'"
in_prefix msiexec /i "$(winpath "$work/rebuilt.msi")" /qn && pass "rebuilt package over the install" || fail "rebuilt install exit $?"
snapshot rebuilt
check_installed rebuilt
products=$(grep -c '^user V \[software\\\\microsoft\\\\installer\\\\products\\\\[^]]*\] "ProductName"="Quillmere"$' "$work/rebuilt.registry" || true)
[[ $products -eq 1 ]] && pass "one product installed" || fail "$products products installed"
check_host_loads
in_prefix msiexec /x "$(winpath "$work/rebuilt.msi")" /qn && pass "msiexec /x /qn" || fail "msiexec /x exit $?"
snapshot removed
check_removed_cleanly removed

# An administrator installs for all users: Program Files, HKEY_LOCAL_MACHINE, the common Start
# menu, and nothing in the administrator's own profile; removal leaves nothing behind.
scenario=all-users
clone $scenario
snapshot before
machine_dir="$WINE_PROGRAM_FILES/Quillmere"
expected_registration system "$machine_dir" > "$work/expected-machine.registry"
in_prefix msiexec /i "$(winpath "$package")" ALLUSERS=1 /qn && pass "msiexec /i ALLUSERS=1 /qn" || fail "msiexec /i ALLUSERS=1 exit $?"
snapshot installed
# Wine 8 resolves ProgramMenuFolder to the user's Start menu even for all users (Windows: the
# common one), so the entries are looked for there.
check_installed installed "$machine_dir" "$menu_dir" "$work/expected-machine.registry"
[[ ! -e "$prefix/drive_c/$install_dir" ]] && ! grep -q '^user V \[software\\\\classes\\\\halverin' "$work/installed.registry" \
  && pass "nothing in the administrator's profile" || fail "per-user files or registration in an all-users install"
check_host_loads
# By product code, as the Uninstall entry does: Wine 8's msiexec /x PACKAGE looks only for a
# per-user install and silently does nothing here.
in_prefix msiexec /x "$product_code" /qn && pass "msiexec /x /qn" || fail "msiexec /x exit $?"
snapshot removed
check_removed_cleanly removed

# Beside a PowerPoint of the other bitness the package refuses and leaves nothing behind (Windows
# Installer shows the message, which inspect-msi.sh checks); beside one of its own it installs.
scenario=powerpoint-bitness
app_paths='HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\POWERPNT.EXE'
office='Microsoft Office\Office14\POWERPNT.EXE'
if msiinfo suminfo "$package" | grep -q '^Template: x64'; then
  other=(/reg:32 "C:\Program Files (x86)\\$office") own=(/reg:64 "C:\Program Files\\$office")
else
  other=(/reg:64 "C:\Program Files\\$office") own=(/reg:32 "C:\Program Files (x86)\\$office")
fi
clone $scenario
in_prefix reg add "$app_paths" /ve /d "${other[1]}" /f "${other[0]}" >/dev/null 2>&1 || fail "could not enter PowerPoint"
in_prefix msiexec /i "$(winpath "$package")" /qn && fail "installed beside a PowerPoint of the other bitness" \
  || pass "refused beside a PowerPoint of the other bitness"
snapshot refused
[[ ! -e "$prefix/drive_c/$install_dir" ]] && ! grep -Eiq 'halverin|tessivar' "$work/refused.registry" \
  && pass "nothing installed" || fail "files or registration left after refusing"
in_prefix reg delete "$app_paths" /f "${other[0]}" >/dev/null 2>&1
in_prefix reg add "$app_paths" /ve /d "${own[1]}" /f "${own[0]}" >/dev/null 2>&1 || fail "could not enter PowerPoint"
in_prefix msiexec /i "$(winpath "$package")" /qn && pass "installs beside a PowerPoint of its own bitness" \
  || fail "msiexec /i exit $? beside a PowerPoint of its own bitness"
snapshot installed
check_installed installed
# Removal is never refused, whatever PowerPoint is there by then.
in_prefix reg delete "$app_paths" /f "${own[0]}" >/dev/null 2>&1
in_prefix reg add "$app_paths" /ve /d "${other[1]}" /f "${other[0]}" >/dev/null 2>&1
in_prefix msiexec /x "$product_code" /qn && pass "removed beside a PowerPoint of the other bitness" || fail "msiexec /x exit $?"

# The package writes exactly what the library's own registration (regsvr32) writes for the same
# file: both come from one table, and this catches any drift between the two.
scenario=same-as-regsvr32
# Keys and values in which Windows Installer records the product itself.
bookkeeping='^(user [KV] \[software\\\\microsoft\\\\installer(\\\\|\])'
bookkeeping+='|system [KV] \[software\\\\microsoft\\\\windows\\\\currentversion\\\\installer(\\\\|\])'
# The uninstall entry is in the package's own registry view.
bookkeeping+='|system [KV] \[software\\\\'"$view_re"'microsoft\\\\windows\\\\currentversion\\\\uninstall(\\\\|\])'
bookkeeping+='|system [KV] \[software\\\\classes\\\\installer(\\\\|\]))'
if grep -aq DllRegisterServer "$work/payload/Tessivar.dll"; then
  clone $scenario
  snapshot before
  in_prefix msiexec /i "$(winpath "$package")" /qn || fail "msiexec /i exit $?"
  snapshot installed
  LC_ALL=C comm -13 "$work/before.registry" "$work/installed.registry" | grep -Ev "$bookkeeping" > "$work/by-package.registry"
  in_prefix msiexec /x "$product_code" /qn || fail "msiexec /x exit $?"
  mkdir -p "$prefix/drive_c/$install_dir"
  cp "$work/payload/Tessivar.dll" "$prefix/drive_c/$install_dir/"
  in_prefix "$(system_tool regsvr32)" /s "C:\\${install_dir//\//\\}\\Tessivar.dll" && pass "regsvr32" || fail "regsvr32 exit $?"
  snapshot registered
  LC_ALL=C comm -13 "$work/before.registry" "$work/registered.registry" | grep -Ev "$bookkeeping" > "$work/by-regsvr32.registry"
  difference=$(diff "$work/by-package.registry" "$work/by-regsvr32.registry" || true)
  [[ -s "$work/by-package.registry" && -z "$difference" ]] \
    && pass "package and regsvr32 write the same $(grep -c ' V ' "$work/by-package.registry") values" \
    || fail "package (<) and regsvr32 (>) differ:"$'\n'"$difference"
else
  echo "skip [$scenario]: the packaged Tessivar.dll has no DllRegisterServer"
fi

[[ $failures -eq 0 ]] && echo "msi-lifecycle: all checks passed" || { echo "msi-lifecycle: $failures failed" >&2; exit 1; }
