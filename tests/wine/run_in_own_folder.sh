#!/usr/bin/env bash
# Runs a Windows program from a folder of its own inside a fresh prefix, so files it puts beside
# itself touch nothing else. The folder name has non-ASCII characters on purpose.
# usage: [QUILLMERE_TEST_DPI=N] run_in_own_folder.sh EXE [ARG...]
#   QUILLMERE_TEST_DPI: the screen's DPI in the prefix (Wine's LogPixels); the program sees the
#   same variable, so it can check that it was laid out for that DPI.
set -uo pipefail
source "$(dirname "$0")/wine_prefix.sh"
wine_prefix_new
# No window manager runs under xvfb; windows Wine hands to one wait 2 s to be unmapped.
wine_reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
if [[ -n ${QUILLMERE_TEST_DPI:-} ]]; then
  wine_reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$QUILLMERE_TEST_DPI" /f
fi
folder="$WINEPREFIX/drive_c/Quillm$(printf '\xc3\xa8')re $(printf '\xe6\x9d\xb1')"
mkdir -p "$folder"
cp "$1" "$folder/"
program="$folder/$(basename "$1")"
shift
status=0
wine_exec "$program" "$@" || status=$?
cat "$WINE_OUT"
cat "$WINE_ERR" >&2
exit "$status"
