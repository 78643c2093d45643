#!/usr/bin/env bash
# Takes docs/about-window.png: the add-in's About window as ppt-host shows it under Wine.
# usage: scripts/about-screenshot.sh   (builds the mingw-x64 preset first)
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ -z ${QUILLMERE_SCREENSHOT_DISPLAY:-} ]]; then
  scripts/setup.sh native windows
  cmake --preset mingw-x64 >/dev/null
  cmake --build --preset mingw-x64
  exec env QUILLMERE_SCREENSHOT_DISPLAY=1 xvfb-run -a -s "-screen 0 800x600x24" "$0" "$@"
fi

bin=$PWD/build/mingw-x64/bin
export QUILLMERE_WINE_ROOT=$PWD/build/mingw-x64/wine
source tests/wine/wine_prefix.sh
wine_prefix_new
# Without a window manager, Wine draws the title bar itself only for windows it manages alone.
wine_reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
folder="$WINEPREFIX/drive_c/Quillmere"
mkdir -p "$folder"
cp "$bin/Tessivar.dll" "$bin/ppt-host.exe" "$bin/window_probe.exe" "$folder/"
wine_regsvr32 /s "$folder/Tessivar.dll"
wine_share_user_classes

"$WINE64" "$folder/ppt-host.exe" --click ShowAbout0 --pump 60 "$WINEPREFIX/ribbon.xml" >/dev/null 2>&1 </dev/null &
host=$!
wine_exec "$folder/window_probe.exe" rect
read -r left top width height < <(tr -d '\r' <"$WINE_OUT")
# Over the link, as a user about to click it sees the window.
wine_exec "$folder/window_probe.exe" hover link
sleep 1
import -window root -crop "${width}x${height}+${left}+${top}" +repage docs/about-window.png
wine_exec "$folder/window_probe.exe" key 27
wait "$host"
echo "wrote docs/about-window.png (${width}x${height})"
