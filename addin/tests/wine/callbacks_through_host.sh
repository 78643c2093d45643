#!/usr/bin/env bash
# The ribbon callbacks and the About window as a PowerPoint user meets them: ppt-host loads the
# registered Tessivar.dll from a folder of its own and clicks callbacks by name; window_probe
# looks at and drives the windows from outside, as a user would. Run inside xvfb-run.
# usage: callbacks_through_host.sh BIN_DIR SOURCE_DIR
set -uo pipefail
bin=$1
source_dir=$2
source "$source_dir/tests/wine/wine_prefix.sh"
wine_prefix_new
# No window manager runs under xvfb; windows Wine hands to one wait 2 s to be unmapped.
wine_reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f

addin_dir="$WINEPREFIX/drive_c/Add-in f$(printf '\xc3\xb6')lder"
host_dir="$WINEPREFIX/drive_c/host"
mkdir -p "$addin_dir" "$host_dir"
cp "$bin/Tessivar.dll" "$addin_dir/"
cp "$bin/ppt-host.exe" "$bin/window_probe.exe" "$host_dir/"
wine_regsvr32 /s "$addin_dir/Tessivar.dll" || { echo "regsvr32 failed" >&2; exit 1; }
# Wine does not merge per-user classes into the classes view COM activation reads.
wine_share_user_classes

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
expect() {  # expect WHAT ACTUAL EXPECTED
  [[ $2 == "$3" ]] || fail "$1: expected [$3], got [$2]"
}
probe() {
  wine_exec "$host_dir/window_probe.exe" "$@" || fail "window_probe $*"
  tr -d '\r' <"$WINE_OUT"
}
report="$WINEPREFIX/report.txt"
host_start() {
  rm -f "$report"
  "$WINE64" "$host_dir/ppt-host.exe" --report "$report" "$@" "$WINEPREFIX/ribbon.xml" \
    >"$WINEPREFIX/host.out" 2>&1 </dev/null &
  host_pid=$!
}
host_wait() {
  wait "$host_pid"
  host_status=$?
  { echo "-- exit $host_status"; tr -d '\r' <"$report" 2>/dev/null; } >>"$WINEPREFIX/reports.log"
}
host_run() {
  host_start "$@"
  host_wait
}
reported() { tr -d '\r' <"$report" | grep -E "^$1=" | cut -d= -f2- | paste -sd' '; }
about_texts() { probe about | head -5 | paste -sd'|'; }
about_handle() { probe about | sed -n 6p; }
texts="About|Quillmere|Version 7.0.0|www.varnholt.example|visible"
hand=9,5  # the hot spot of test-hand.cur

echo "== ShowAbout0 twice: one window; OK unloads it; the next ShowAbout0 loads it afresh"
# A hand cursor beside the host program must not count: the add-in looks beside itself.
cp "$source_dir/addin/tests/wine/test-hand.cur" "$host_dir/HAND-M.CUR"
host_start --click ShowAbout0 --click ShowAbout0 --pump 30 --click ShowAbout0 --pump 30
expect "About window" "$(about_texts)" "$texts"
expect "About windows after two clicks" "$(probe count)" "1"
first=$(about_handle)
probe hover link
probe hover button
probe hover window
probe click-ok
probe wait-replaced "$first"
expect "About window loaded again" "$(about_texts)" "$texts"
[[ $(about_handle) != "$first" ]] || fail "OK left the first window in place"
probe key 27 # Esc
host_wait
expect "ppt-host exit" "$host_status" "0"
expect "ShowAbout0 results" "$(reported click.ShowAbout0)" "0x00000000 0x00000000 0x00000000"
expect "pumps" "$(reported pump)" "closed closed"
[[ " $(reported pointers) " != *" $hand "* ]] || fail "the hand cursor beside ppt-host.exe was used"

echo "== With HAND-M.CUR beside the add-in, the hover pointer is the file's cursor"
cp "$source_dir/addin/tests/wine/test-hand.cur" "$addin_dir/HAND-M.CUR"
host_start --click ShowAbout0 --pump 30
probe about >/dev/null
probe hover link
probe hover window
probe hover button
probe hover away
probe key 13 # Enter
host_wait
expect "ShowAbout0 with the cursor file" "$(reported click.ShowAbout0)" "0x00000000"
# Link, bare window, button: hand, arrow, hand (the arrow's hot spot is the system's own).
pointers=$(reported pointers)
[[ $pointers =~ (^|\ )$hand\ ([0-9]+,[0-9]+)\ $hand(\ |$) ]] && [[ ${BASH_REMATCH[2]} != "$hand" ]] ||
  fail "pointer shapes over link, window, button: $pointers"
rm -f "$addin_dir/HAND-M.CUR"

echo "== The link opens the vendor's web site, from the add-in's folder"
# A browser stand-in for web addresses (machine-wide: Wine reads no per-user classes).
opened="$WINEPREFIX/drive_c/opened.txt"
wine_reg add 'HKLM\Software\Classes\https\shell\open\command' /ve /f \
  /d "\"C:\\host\\window_probe.exe\" record C:\\opened.txt \"%1\""
host_start --click ShowAbout0 --pump 30
probe click-link
wine_wait_for "$opened" .
expect "browser called with" "$(tr -d '\r' <"$opened" 2>/dev/null | paste -sd'|')" \
  "C:\\Add-in f$(printf '\xc3\xb6')lder|https://www.varnholt.example/"
probe key 27
host_wait

echo "== PowerPoint lets go of the add-in while the About window is open: the window goes with it"
host_run --click ShowAbout0 --release --pump 2
expect "ppt-host exit after release" "$host_status" "0"
expect "pump after the release" "$(reported pump)" "closed"
expect "About windows after the release" "$(reported about_windows)" "0"
expect "library after the release" "$(reported loaded_after_release)" "0"

echo "== PowerPoint exits with the About window open: disconnect, release, end COM, pump"
host_run --click ShowAbout0 --disconnect --release --uninitialize --pump 2
expect "ppt-host exit after COM ended" "$host_status" "0"
expect "disconnection" "$(reported disconnect)" "0x00000000"
expect "About windows after exit" "$(reported about_windows)" "0"
expect "pump after COM ended" "$(reported pump)" "closed"

echo "== Uninstall0: one modal box with the instructions"
host_start --null-control --click Uninstall0
expect "uninstall box" "$(probe message-box Quillmere | paste -sd'|')" \
  'To uninstall, close PowerPoint and then go to\r\rStart > Program Files > Quillmere > Uninstall Quillmere|buttons 1'
host_wait
expect "Uninstall0 result" "$(reported click.Uninstall0)" "0x00000000"

echo "== In a German PowerPoint the About window and the uninstall box speak German"
host_start --ui-language 0x0407 --click ShowAbout0 --pump 30
expect "German About window" "$(about_texts)" "Info|Quillmere|Version 7.0.0|www.varnholt.example|visible"
probe key 27
host_wait
host_start --ui-language 0x0407 --null-control --click Uninstall0
expect "German uninstall box" "$(probe message-box Quillmere | paste -sd'|')" \
  'Schließen Sie zum Deinstallieren PowerPoint, und wählen Sie dann\r\rStart > Alle Programme > Quillmere > Uninstall Quillmere|buttons 1'
host_wait

echo "== Document0: twice leaves the map as it was; without an active window it fails and changes nothing"
for start in 0 1; do
  host_run --document-map "$start" --click Document0 --click Document0
  expect "Document0 twice from $start" "$(reported documentmap) $(reported documentmap_writes)" "$start 2"
  expect "Document0 results" "$(reported click.Document0)" "0x00000000 0x00000000"
done
host_run --document-map 1 --null-control --click Document0
expect "Document0 once from 1, null control" "$(reported documentmap) $(reported click.Document0)" "0 0x00000000"
host_run --no-window --click Document0
[[ $(reported click.Document0) == 0x8* ]] || fail "Document0 without a window: $(reported click.Document0)"
expect "writes without a window" "$(reported documentmap_writes)" "0"
expect "windows shown without a window" "$(probe count)" "0"

if ((failures)); then
  echo "ppt-host reports:" >&2
  cat "$WINEPREFIX/reports.log" >&2
  echo "$failures check(s) failed" >&2
  exit 1
fi
echo "all checks passed"
