#!/usr/bin/env bash
# The harness itself: a clone starts from the template, what one clone writes never reaches the
# template or the next clone, and `run` passes a program's output and exit code through.
set -uo pipefail
here=$(dirname "$0")
source "$here/wine_prefix.sh"
fail() { echo "FAIL: $*" >&2; exit 1; }

wine_prefix_new
wine_reg add 'HKCU\Software\QuillmereHarness' /v Marker /d written /f || fail "reg add"
wine_reg_query 'HKCU\Software\QuillmereHarness' /v Marker | grep -q written || fail "value not readable in its own prefix"
first=$WINEPREFIX
wine_prefix_end
[[ ! -d $first ]] || fail "clone $first was not removed"

wine_prefix_new
if wine_reg query 'HKCU\Software\QuillmereHarness'; then
  fail "a value written in one clone leaked into the template or the next clone"
fi
wine_prefix_end

out=$("$here/wine_prefix.sh" run cmd /c 'echo harness-output& exit 7')
status=$?
[[ $status -eq 7 ]] || fail "run returned $status, wanted the program's 7"
[[ $out == *harness-output* ]] || fail "run lost the program's output: '$out'"
echo "harness ok"
