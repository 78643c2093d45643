#!/usr/bin/env bash
# Runs a Windows program from a folder of its own inside a fresh prefix, so files it puts beside
# itself touch nothing else. The folder name has non-ASCII characters on purpose.
# usage: run_in_own_folder.sh EXE [ARG...]
set -uo pipefail
source "$(dirname "$0")/wine_prefix.sh"
wine_prefix_new
# No window manager runs under xvfb; windows Wine hands to one wait 2 s to be unmapped.
wine_exec reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
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
