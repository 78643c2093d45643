#!/usr/bin/env bash
# Runs settings-window-test.exe in a fresh prefix whose colour scheme is a dark high-contrast one
# (white text on black), set in the registry as the system keeps it; optionally under a user
# language (a culture name such as de-DE) and a DPI.
# usage: settings_window_test.sh EXE [CULTURE DPI]   (inside xvfb-run)
set -uo pipefail
source "$(dirname "$0")/../../../tests/wine/wine_prefix.sh"
# Wine takes the user's language from the locale; this machine's own must not leak in.
culture=${2:-en-US}
export LANG=${culture/-/_}.UTF-8 LC_ALL=${culture/-/_}.UTF-8 QUILLMERE_TEST_LANGUAGE=$culture
wine_prefix_new
# No window manager runs under xvfb; windows Wine hands to one wait 2 s to be unmapped.
wine_reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
if [[ -n ${3:-} ]]; then
  wine_reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$3" /f || { echo "cannot set the DPI" >&2; exit 1; }
fi
colors='HKCU\Control Panel\Colors'
for entry in "Window=0 0 0" "WindowText=255 255 255" "ButtonFace=0 0 0" "ButtonText=255 255 255" \
  "HotTrackingColor=255 255 0" "GrayText=0 255 0" "Hilight=0 0 255" "HilightText=255 255 255"; do
  wine_reg add "$colors" /v "${entry%%=*}" /d "${entry#*=}" /f || { echo "cannot set $entry" >&2; exit 1; }
done
status=0
wine_exec "$1" --gtest_brief=1 || status=$?
cat "$WINE_OUT"
cat "$WINE_ERR" >&2
exit "$status"
