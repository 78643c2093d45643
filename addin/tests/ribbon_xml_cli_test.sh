#!/usr/bin/env bash
# Checks ribbon-xml's contract: what it prints, on which stream, and its exit codes.
# usage: ribbon_xml_cli_test.sh path/to/ribbon-xml
set -u
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# run EXPECTED_STATUS ARGS...: runs the tool, keeps stdout and stderr in files.
run() {
  local expected=$1; shift
  "$tool" "$@" >"$work/out" 2>"$work/err"
  local status=$?
  if [[ $status -ne $expected ]]; then
    echo "FAIL: ribbon-xml $* exited $status, expected $expected"; cat "$work/err"; failures=$((failures + 1))
  fi
}
expect() {  # expect DESCRIPTION COMMAND...
  local description=$1; shift
  "$@" || { echo "FAIL: $description"; failures=$((failures + 1)); }
}
contains() { grep -qF -- "$2" "$1"; }
lines() { [[ $(wc -l <"$1") -eq $2 ]]; }

run 0
expect "document starts with the root tag" contains "$work/out" '<customUI xmlns="http://schemas.microsoft.com/office/2006/01/customui" >'
expect "no trailing newline" test "$(tail -c 1 "$work/out" | od -An -c | tr -d ' ')" = ">"
expect "well-formed" xmllint --noout "$work/out"
expect "nothing on stderr" test ! -s "$work/err"
cp "$work/out" "$work/default"

run 0 "Hide built-in Tabs=1" Home=1
expect "a key with blanks is one key" contains "$work/out" '<tabs><tab idMso="TabHome" visible="false"/><tab id="Menus"'

run 0 "Left= 0 "
expect "values keep their blanks and still count as numbers" contains "$work/out" '<tab id="Menus" label="Classic"><group'

run 0 all=0
cp "$work/out" "$work/lower"
run 0 All=0
expect "keys match in any letter case" cmp -s "$work/out" "$work/lower"
expect "All=0 drops the All menu" test "$(grep -c 'label="All"' "$work/out")" = 0

run 0 --host-version 12.0
expect "--host-version 12.0 gives the 2007 document" cmp -s "$work/out" "$work/default"
run 0 --host-version 16.0 All=0
expect "--host-version 16.0 writes the later names" contains "$work/out" '<control idMso="ViewGridlinesPowerPoint"'

run 0 --ui-language 0x0407
expect "--ui-language 0x0407 gives the German document" contains "$work/out" '<tab id="Menus" label="Klassisch" insertBeforeMso="TabHome">'
run 0 --ui-language 1031
expect "a decimal language id is the same language" contains "$work/out" 'label="Klassisch"'
run 0 --ui-language 1033
expect "--ui-language 1033 gives the English document" cmp -s "$work/out" "$work/default"

run 0 --host "Microsoft Office Word"
expect "another host gets an empty document" test ! -s "$work/out"
run 0 Classic=0
expect "Classic off gives an empty document" test ! -s "$work/out"

run 1 "Left=1=2"
expect "value splits at the first equals sign and is reported" contains "$work/err" 'setting "Left" holds "1=2"'
expect "one line on stderr" lines "$work/err" 1
expect "nothing on stdout after a failure" test ! -s "$work/out"

for bad in "bogus" "=1" "--host" "--host-version" "--frob" "--store Left=1" "--ui-language" "--ui-language 0x" \
  "--ui-language German"; do
  # shellcheck disable=SC2086
  run 2 $bad
  expect "usage for '$bad'" contains "$work/err" "usage: ribbon-xml"
  expect "nothing on stdout for '$bad'" test ! -s "$work/out"
done

mkdir -p "$work/config/Varnholt"
printf 'All=0\nLeft=0\n' >"$work/config/Varnholt/Quillmere.conf"
XDG_CONFIG_HOME="$work/config" run 0 --store
"$tool" All=0 Left=0 >"$work/given"
expect "--store reads the user's settings" cmp -s "$work/out" "$work/given"
printf 'Classic=on\n' >"$work/config/Varnholt/Quillmere.conf"
XDG_CONFIG_HOME="$work/config" run 1 --store
expect "--store reports a bad stored value" contains "$work/err" 'setting "Classic" holds "on"'
rm "$work/config/Varnholt/Quillmere.conf"
XDG_CONFIG_HOME="$work/config" run 0 --store
expect "an empty store gives the default document" cmp -s "$work/out" "$work/default"

if [[ $failures -ne 0 ]]; then echo "$failures check(s) failed"; exit 1; fi
echo "ribbon-xml: all checks passed"
