#!/usr/bin/env bash
# The settings window under Wine, driven by panel-driver from a second process: restoring boxes
# from prepared settings, the box rules on clicks, OK (settings written, add-in entry created or
# removed, PowerPoint started), Cancel and the close box (nothing written), the error message
# for a stored value that is not a number, the hover rules, end to end with the add-in, boxes
# locked by policy, what OK mends when PowerPoint cannot load the add-in, and the window under a
# German user.
# usage: panel_window_test.sh [restore|ok|end_to_end|policy|mend]...   (all when none is named); run it
# inside one xvfb-run.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../../tests/wine/wine_prefix.sh"
# The texts expected here are English: Wine takes the user's language from the locale.
export LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8
bin=${QUILLMERE_BIN:?QUILLMERE_BIN names the folder with Quillmere.exe and panel-driver.exe}

failures=0
app_win='C:\Program Files\Quillmere'
exe_win="$app_win\\Quillmere.exe"

# A fresh prefix with the program installed in a folder whose path has a blank in it, and a
# stand-in for PowerPoint that the shell finds as "POWERPNT" (App Paths).
fresh_prefix() {
  wine_prefix_new
  app="$WINEPREFIX/drive_c/Program Files/Quillmere"
  mkdir -p "$app" "$WINEPREFIX/drive_c/stand-in"
  cp "$bin/Quillmere.exe" "$app/"
  [[ -f $bin/Tessivar.dll ]] && cp "$bin/Tessivar.dll" "$app/"
  cp "$bin/panel-driver.exe" "$WINEPREFIX/drive_c/stand-in/POWERPNT.exe"
  # Wine looks the bare name up in App Paths (Windows would append ".exe").
  wine_reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths\POWERPNT' \
    /ve /d 'C:\stand-in\POWERPNT.exe' /f || echo "could not register the stand-in" >&2
}

# drive COMMAND...: runs the driver; its output lands in $out.
drive() {
  out=$WINEPREFIX/drive_c/driver-out.txt
  rm -f "$out"
  wine_exec "$bin/panel-driver.exe" 'C:\driver-out.txt' "$@"
  tr -d '\r' <"$out" >"$out.clean" 2>/dev/null
  mv "$out.clean" "$out"
}

# expect NAME: compares the driver's output with the expected lines on stdin.
expect() {
  local name=$1 expected
  expected=$(cat)
  if [[ $(cat "$out") == "$expected" ]]; then
    echo "ok   $name"
  else
    echo "FAIL $name"
    diff <(echo "$expected") "$out" | sed 's/^/     /'
    failures=$((failures + 1))
  fi
}

check() {
  local name=$1
  shift
  if "$@"; then echo "ok   $name"; else echo "FAIL $name"; failures=$((failures + 1)); fi
}

# The stand-in notes its start when it ends, which may be after the panel has ended.
started_powerpoint() { wine_wait_for "$WINEPREFIX/drive_c/stand-in/started.txt"; }

# The add-in's ProgID is not registered for the user.
not_registered() { ! wine_reg query 'HKCU\Software\Classes\Halverin.Connect'; }

all_settings() {  # every key as OK must write it, sorted as the registry lists them
  local value
  for key in All Animations Classic Design Developer Format "Hide built-in Tabs" Home Insert Left Review \
             "Slide Show" View; do
    value=$1
    shift
    echo "setting $key=$value"
  done
}

# Each section runs in its own prefixes, so ctest can run them side by side.
section_restore() {
  # --- Empty store: box 0 restored from its default checks 1 and 2; Cancel writes nothing.
  fresh_prefix
  drive start "$exe_win" window boxes rect 0 rect 1000 text 1001 text 1007 visible 101 visible 102 \
    tab 1 visible 101 visible 102 text 110 text 111 text 112 cancel exit settings addin
  expect "empty store, then Cancel" <<'END'
boxes 1110000000000
rect 0 408x334
rect 1000 353x25
text 1001 Show menu tabs on the left of home tab
text 1007  View
visible 101 1
visible 102 0
visible 101 0
visible 102 1
text 110 Quillmere
text 111 Version:   7.0
text 112 Website: 
exit 0
addin-entry absent
END
  check "Cancel does not start PowerPoint" bash -c "! [[ -f '$WINEPREFIX/drive_c/stand-in/started.txt' ]]"
  wine_prefix_end

  # --- Stored combinations restored through the rules, then the close box: nothing written.
  fresh_prefix
  restore_case() {
    local name=$1 boxes=$2
    shift 2
    local stores=()
    for assignment in "$@"; do stores+=(store "$assignment"); done
    drive forget "${stores[@]}" start "$exe_win" window boxes close exit settings
    sort -o "$out" "$out"
    expect "restore: $name (nothing written on close)" < <(
      { echo "boxes $boxes"; echo "exit 0"; for assignment in "$@"; do echo "setting $assignment"; done; } | sort)
  }
  restore_case "Classic only" 1000000000000 Classic=1 Left=0 All=0
  restore_case "Insert checks master and Classic" 1000100000010 Classic=0 Left=0 All=0 Insert=1
  restore_case "Home checks Classic, clears Left" 1011000000000 Home=1
  restore_case "Classic 2 and Left -1" 1010000000000 Classic=2 Left=-1
  restore_case "master switch not read" 1110000000000 "Hide built-in Tabs=1"
  restore_case "all nine tabs" 1011111111111 Home=1 Insert=1 Design=1 Animations=1 View=1 Review=1 \
    "Slide Show=1" Developer=1 Format=1
  wine_prefix_end

  # --- A stored value that is not a number: the message names Form_Initialize and the step,
  # set-up goes on and the box keeps its state.
  fresh_prefix
  drive store Home=abc store Left=0x1 start "$exe_win" error error window boxes cancel exit
  expect "values that are not numbers" <<'END'
error Type mismatch: "Left" holds "0x1", which is not a number\r\nin Morrowick2016/06/15.Form1.Form_Initialize at line 108\r\rPlease email screenshot of this message to support@varnholt.example
error Type mismatch: "Home" holds "abc", which is not a number\r\nin Morrowick2016/06/15.Form1.Form_Initialize at line 116\r\rPlease email screenshot of this message to support@varnholt.example
boxes 1110000000000
exit 0
END
  wine_prefix_end

  # --- A hand pointer file that is not a cursor: reported by Form_Load, the window still opens.
  fresh_prefix
  echo "not a cursor" >"$app/HAND-M.CUR"
  drive start "$exe_win" error window cancel exit
  expect "broken hand pointer file" <<'END'
error Invalid picture\r\nin Morrowick2016/06/15.Form1.Form_Load at line 106\r\rPlease email screenshot of this message to support@varnholt.example
exit 0
END
  wine_prefix_end

  # --- Laid out from twips at the screen's real DPI (120 here instead of 96).
  fresh_prefix
  wine_reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 120 /f
  drive start "$exe_win" window rect 0 rect 1000 rect 1012 cancel exit
  expect "layout at 120 dpi" <<'END'
rect 0 510x418
rect 1000 441x31
rect 1012 101x19
exit 0
END
  wine_prefix_end

  # --- A German user: the program speaks German, and its window has grown for the longer captions.
  fresh_prefix
  LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 drive start "$exe_win" window text 1011 text 2 rect 0 cancel exit
  local width
  width=$(sed -n 's/^rect 0 \([0-9]*\)x.*/\1/p' "$out")
  sed -i '/^rect 0 /d' "$out"
  expect "German user" <<'END'
text 1011 Integrierte Registerkarten ausblenden
text 2 Abbrechen
exit 0
END
  check "German user: the window is wider than designed" [ "${width:-0}" -gt 408 ]
  wine_prefix_end

}

section_ok() {
  # --- Checking and clearing "Hide built-in tabs", then OK: every key, add-in entry,
  # PowerPoint started.
  fresh_prefix
  drive start "$exe_win" window click 11 boxes click 11 boxes click 11 click 5 boxes ok exit settings addin
  expect "hide built-in tabs, then OK" < <(
    echo "boxes 1011111111111"
    echo "boxes 1010000000000"
    echo "boxes 1011101111111"
    echo "exit 0"
    all_settings 1 1 1 0 1 1 1 1 1 0 1 1 1
    echo "addin-entry present"
  )
  check "OK starts PowerPoint after installing" started_powerpoint

  # --- Same prefix: clearing box 0 clears every box; OK removes the add-in entry and still
  # starts PowerPoint.
  rm -f "$WINEPREFIX/drive_c/stand-in/started.txt"
  drive start "$exe_win" window boxes click 0 boxes ok exit settings addin
  expect "clear Classic, then OK" < <(
    echo "boxes 1011101111111"
    echo "boxes 0000000000000"
    echo "exit 0"
    all_settings 0 0 0 0 0 0 0 0 0 0 0 0 0
    echo "addin-entry absent"
  )
  check "OK starts PowerPoint after uninstalling" started_powerpoint
  wine_prefix_end

  # --- Tessivar.dll missing beside the program: OK saves, reports the failed registration with the
  # library's path, starts PowerPoint and leaves no add-in entry behind that names a class nobody
  # registered. Clearing box 0 reports the failed unregistration the same way. Then regsvr32
  # cannot be started at all.
  fresh_prefix
  rm -f "$app/Tessivar.dll"
  local library="\"$app_win\\Tessivar.dll\"" located='\r\nin Morrowick2016/06/15.Form1.PushButton22_Click at line'
  local request='\r\rPlease email screenshot of this message to support@varnholt.example'
  drive start "$exe_win" window ok error exit settings addin
  expect "OK without the add-in library: reported" < <(
    echo "error Registering $library failed (regsvr32 exit code 3)$located 116$request"
    echo "exit 0"; all_settings 1 0 1 0 0 0 0 0 0 1 0 0 0; echo "addin-entry absent")
  check "OK without the add-in library starts PowerPoint" started_powerpoint
  check "OK without the add-in library registers nothing" not_registered
  rm -f "$WINEPREFIX/drive_c/stand-in/started.txt"
  drive start "$exe_win" window click 0 ok error exit
  expect "clear Classic without the add-in library: reported" < <(
    echo "error Unregistering $library failed (regsvr32 exit code 3)$located 118$request"; echo "exit 0")
  check "clear Classic without the add-in library starts PowerPoint" started_powerpoint
  rm -f "$WINEPREFIX/drive_c/stand-in/started.txt"
  # Removed first: the file is a hard link into the template prefix.
  rm -f "$WINEPREFIX/drive_c/windows/$WINE_SYSTEM_DIR/regsvr32.exe"
  echo "not a program" >"$WINEPREFIX/drive_c/windows/$WINE_SYSTEM_DIR/regsvr32.exe"
  wine_reg add 'HKCU\Software\Wine\DllOverrides' /v regsvr32.exe /d native /f
  drive start "$exe_win" window click 0 ok error exit
  sed -i 's/, error [0-9]*)/, error N)/' "$out"
  expect "regsvr32 not started: reported" < <(
    echo "error Registering $library failed (C:\\windows\\system32\\regsvr32.exe not started, error N)$located 116$request"
    echo "exit 0")
  check "regsvr32 not started: PowerPoint starts" started_powerpoint
  wine_prefix_end

  # --- Box 0 cleared when the add-in was never registered: nothing to undo, nothing reported.
  fresh_prefix
  drive start "$exe_win" window click 0 ok exit settings addin
  expect "clear Classic, never registered" < <(echo "exit 0"; all_settings 0 0 0 0 0 0 0 0 0 0 0 0 0; echo "addin-entry absent")
  check "clear Classic, never registered: PowerPoint starts" started_powerpoint
  check "clear Classic, never registered: nothing registered" not_registered
  wine_prefix_end

  # --- A library named like one the shell needs (shcore.dll), planted beside the program, is not
  # loaded when OK starts PowerPoint through the shell. (Wine prefers its own libraries unless
  # told otherwise; Windows has only the one kind.)
  fresh_prefix
  cp "$bin/planted-library.dll" "$app/shcore.dll"
  WINEDLLOVERRIDES="$WINEDLLOVERRIDES;shcore=n,b" drive start "$exe_win" window ok exit
  expect "planted library: OK" <<<"exit 0"
  check "planted library: not loaded" bash -c "! [[ -f '$WINEPREFIX/drive_c/planted.txt' ]]"
  check "planted library: PowerPoint started" started_powerpoint
  wine_prefix_end

  # --- A POWERPNT.exe planted beside the program, which the shell would find first for the bare
  # name: OK starts the program App Paths names (under either name), and without an entry the one
  # in the system folder, by its full path and from the system folder.
  fresh_prefix
  local app_paths='HKLM\Software\Microsoft\Windows\CurrentVersion\App Paths'
  local system="$WINEPREFIX/drive_c/windows/$WINE_SYSTEM_DIR"
  cp "$bin/panel-driver.exe" "$app/POWERPNT.exe"
  planted_case() {
    local name=$1 expected=$2
    rm -f "$app/started.txt" "$expected"
    drive start "$exe_win" window ok exit
    check "planted POWERPNT.exe, $name: the right one started from the system folder" \
      wine_wait_for "$expected" '^started in C:.windows.system32$'
    check "planted POWERPNT.exe, $name: not started" bash -c "! [[ -f '$app/started.txt' ]]"
  }
  planted_case "App Paths POWERPNT" "$WINEPREFIX/drive_c/stand-in/started.txt"
  wine_reg delete "$app_paths\POWERPNT" /f || echo "could not remove the App Paths entry" >&2
  wine_reg add "$app_paths\POWERPNT.EXE" /ve /d 'C:\stand-in\POWERPNT.exe' /f || echo "could not add the entry" >&2
  planted_case "App Paths POWERPNT.EXE" "$WINEPREFIX/drive_c/stand-in/started.txt"
  wine_reg delete "$app_paths\POWERPNT.EXE" /f || echo "could not remove the App Paths entry" >&2
  cp "$bin/panel-driver.exe" "$system/POWERPNT.exe"
  planted_case "no App Paths entry" "$system/started.txt"
  wine_prefix_end


  # --- Keyboard: the focus starts on box 0, Tab walks the boxes, Space clicks one, Esc cancels,
  # Enter presses OK.
  fresh_prefix
  drive start "$exe_win" window focus key tab focus key space boxes key escape exit settings
  expect "keyboard: Tab, Space, Esc" <<'END'
focus 1000
focus 1001
boxes 1010000000000
exit 0
END
  drive start "$exe_win" window key tab key tab key space key return exit settings
  expect "keyboard: Enter presses OK" < <(echo "exit 0"; all_settings 0 0 1 0 0 0 0 0 0 1 0 0 0)
  wine_prefix_end

  # --- The web link opens the vendor's address through the shell, from the program's folder.
  fresh_prefix
  wine_reg add 'HKLM\Software\Classes\https\shell\open\command' /ve /f \
    /d '"C:\stand-in\POWERPNT.exe" "%1"'
  drive start "$exe_win" window tab 1 click-link sleep 300 cancel exit
  wine_wait_for "$WINEPREFIX/drive_c/stand-in/started.txt" started
  check "the link opens the web site" grep -qxF "started https://www.varnholt.example/ in $app_win" \
    <(tr -d '\r' <"$WINEPREFIX/drive_c/stand-in/started.txt")
  wine_prefix_end

  # --- Hover rules: the hand over boxes and buttons (only with the file), the link underlined
  # over the link and not over the window's background.
  hover_case() {
    local name=$1 with_hand=$2 failed_before=$failures
    fresh_prefix
    [[ $with_hand == yes ]] && cp "$here/hand.cur" "$app/HAND-M.CUR"
    drive start "$exe_win" window hover 0 cursor hover 1000 cursor hover 1 cursor hover 0 cursor tab 1 sleep 300 \
      underline hover 113 underline hover 102 underline hover 0 underline hover 102 underline cancel exit
    local background box button background2
    background=$(sed -n 1p "$out")
    box=$(sed -n 2p "$out")
    button=$(sed -n 3p "$out")
    background2=$(sed -n 4p "$out")
    if [[ $with_hand == yes ]]; then
      check "hover ($name): hand over a box" [ "$box" != "$background" ]
      check "hover ($name): hand over a button" [ "$button" == "$box" ]
    else
      check "hover ($name): no hand over a box" [ "$box" == "$background" ]
      check "hover ($name): no hand over a button" [ "$button" == "$background" ]
    fi
    check "hover ($name): default pointer back over the window" [ "$background2" == "$background" ]
    # The window's background cleared the underline before the About tab was shown; the link
    # sets it, its frame leaves it as it is.
    check "hover ($name): link underline follows the pointer" \
      [ "$(sed -n 5,9p "$out" | tr '\n' ' ')" == "underline 0 underline 1 underline 1 underline 0 underline 0 " ]
    ((failures == failed_before)) || sed 's/^/     /' "$out"
    wine_prefix_end
  }
  hover_case "hand file" yes
  hover_case "no hand file" no

  # --- A slow registration program: while OK waits for it the window answers messages and shows
  # the busy pointer, and ignores clicks; OK then finishes.
  fresh_prefix
  cp --remove-destination "$bin/panel-driver.exe" "$WINEPREFIX/drive_c/windows/$WINE_SYSTEM_DIR/regsvr32.exe"
  wine_reg add 'HKCU\Software\Wine\DllOverrides' /v regsvr32.exe /d native /f
  drive start "$exe_win" window hover 0 cursor ok sleep 1000 responds cursor click 5 boxes exit settings
  local before during
  before=$(sed -n 1p "$out")
  during=$(sed -n 3p "$out")
  sed -i '1d;3d' "$out"
  expect "slow registration: answering, clicks ignored" < <(
    echo "responds 1"
    echo "boxes 1110000000000"
    echo "exit 0"
    all_settings 1 0 1 0 0 0 0 0 0 1 0 0 0
  )
  check "slow registration: busy pointer while waiting" [ "$during" != "$before" ]
  check "slow registration: the stand-in ran" wine_wait_for "$WINEPREFIX/drive_c/windows/$WINE_SYSTEM_DIR/regsvr32-ran.txt"
  wine_prefix_end

}

section_end_to_end() {
  # --- End to end: OK registers the add-in and starts the PowerPoint stand-in, which loads it
  # through the registry as PowerPoint does; the document it gets is what ribbon-xml prints for the
  # values the window saved. Clearing box 0 then unregisters it before PowerPoint starts.
  ribbon_xml=${QUILLMERE_RIBBON_XML:-$here/../../../build/native/bin/ribbon-xml}
  if [[ -f $bin/Tessivar.dll && -f $bin/ppt-host.exe ]]; then
    fresh_prefix
    standin=$WINEPREFIX/drive_c/stand-in
    cp "$bin/ppt-host.exe" "$standin/"
    # Wine does not yet merge per-user classes into the classes view (test prefixes only).
    printf '%s\r\n' 'reg copy "HKCU\Software\Classes" "HKLM\Software\Classes" /s /f' \
      'C:\stand-in\ppt-host.exe C:\stand-in\document.xml' >"$standin/POWERPNT.args"
    # Home hidden through the master switch: opening and pressing OK must keep it hidden.
    drive store "Hide built-in Tabs=1" store Home=1 start "$exe_win" window boxes ok exit settings
    expect "end to end: boxes as saved" < <(echo "boxes 1011000000010"; echo "exit 0"; all_settings 1 0 1 0 0 0 1 1 0 0 0 0 0)
    mapfile -t saved < <(sed -n 's/^setting //p' "$out")
    "$ribbon_xml" "${saved[@]}" >"$WINEPREFIX/expected.xml"
    check "end to end: PowerPoint stand-in loaded the add-in" wine_wait_for "$standin/started.txt" 'ppt-host.exe.*: exit 0'
    check "end to end: document matches ribbon-xml for the saved values" \
      cmp -s "$WINEPREFIX/expected.xml" "$standin/document.xml"
    check "end to end: the document still hides Home" grep -q '<tab idMso="TabHome" visible="false"/>' "$standin/document.xml"

    rm -f "$standin/started.txt" "$standin/document.xml"
    drive start "$exe_win" window click 0 ok exit addin
    expect "end to end: cleared, then OK" < <(echo "exit 0"; echo "addin-entry absent")
    check "end to end: PowerPoint stand-in found no add-in to load" wine_wait_for "$standin/started.txt" 'ppt-host.exe.*: exit 3'

    # Home hidden by the machine's policy, box 0 still clear from above: OK keeps the add-in, and
    # PowerPoint gets Home hidden without the Classic tab.
    rm -f "$standin/started.txt" "$standin/document.xml"
    local policy='HKLM\Software\Policies\Varnholt\Quillmere'
    wine_reg add "$policy" /v Home /t REG_DWORD /d 1 /f || echo "could not set the policy" >&2
    wine_reg add "$policy" /v "Hide built-in Tabs" /t REG_DWORD /d 1 /f || echo "could not set the policy" >&2
    drive start "$exe_win" window boxes ok exit addin
    expect "end to end: policy hides Home, box 0 clear, then OK" < <(
      echo "boxes 0001000000010"; echo "exit 0"; echo "addin-entry present")
    check "end to end: policy: the add-in still loads" wine_wait_for "$standin/started.txt" 'ppt-host.exe.*: exit 0'
    check "end to end: policy: Home hidden without the Classic tab" bash -c \
      "grep -q '<tab idMso=\"TabHome\" visible=\"false\"/></tabs>' '$standin/document.xml' && ! grep -q 'id=\"Menus\"' '$standin/document.xml'"
    wine_prefix_end
  else
    echo "FAIL end to end: Tessivar.dll or ppt-host.exe missing in $bin"
    failures=$((failures + 1))
  fi

}

section_policy() {
  # --- The machine's policy sets Home (REG_DWORD) and the master switch (REG_SZ); the user's own
  # Home is 0. Both boxes show the policy, locked, with the reason; OK leaves the user's own Home
  # and writes no master switch. Without the policy the user's own choices come back.
  local policy='HKLM\Software\Policies\Varnholt\Quillmere'
  fresh_prefix
  wine_reg add "$policy" /v Home /t REG_DWORD /d 1 /f || echo "could not set the policy" >&2
  wine_reg add "$policy" /v "Hide built-in Tabs" /d 1 /f || echo "could not set the policy" >&2
  drive store Home=0 start "$exe_win" window boxes enabled 1003 enabled 1011 enabled 1004 tips ok exit settings
  expect "policy: locked boxes, then OK" <<'END'
boxes 1111000000010
enabled 1003 0
enabled 1011 0
enabled 1004 1
tips 2
exit 0
setting All=1
setting Animations=0
setting Classic=1
setting Design=0
setting Developer=0
setting Format=0
setting Home=0
setting Insert=0
setting Left=1
setting Review=0
setting Slide Show=0
setting View=0
END
  wine_reg delete "$policy" /f || echo "could not remove the policy" >&2
  drive start "$exe_win" window boxes enabled 1003 tips cancel exit
  expect "policy removed: the user's own boxes" <<'END'
boxes 1110000000000
enabled 1003 1
tips 0
exit 0
END

  # --- A policy "Classic" of a type nothing reads (REG_QWORD): reported once (a second message
  # would keep the window from showing), box 0 locked clear with its tip, and OK leaves the
  # user's own Classic alone. Then a REG_DWORD 65536, on for the add-in: box 0 locked checked and
  # OK installs.
  wine_exec reg add "$policy" /v Classic /t REG_QWORD /d 1 /f || echo "could not set the policy" >&2
  drive forget store Classic=1 start "$exe_win" error window boxes enabled 1000 tips ok exit settings addin
  expect "policy of an odd type: locked clear, reported once, not written" < <(
    echo 'error policy "Classic" in HKEY_LOCAL_MACHINE\Software\Policies\Varnholt\Quillmere: setting "Classic" has registry type 11, not text\r\nin Morrowick2016/06/15.Form1.Form_Initialize at line 106\r\rPlease email screenshot of this message to support@varnholt.example'
    echo "boxes 0110000000000"
    echo "enabled 1000 0"
    echo "tips 1"
    echo "exit 0"
    all_settings 1 0 1 0 0 0 0 0 0 1 0 0 0
    echo "addin-entry absent"
  )
  wine_exec reg add "$policy" /v Classic /t REG_DWORD /d 65536 /f || echo "could not set the policy" >&2
  drive forget start "$exe_win" window boxes enabled 1000 ok exit addin
  expect "policy REG_DWORD 65536: on, installs" <<'END'
boxes 1110000000000
enabled 1000 0
exit 0
addin-entry present
END
  wine_prefix_end
}

# utf16_hex TEXT: TEXT as zero-terminated UTF-16 LE, in hex.
utf16_hex() { printf '%s\0' "$1" | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 -v | tr -d ' \n'; }

# le32_hex N: N as a 32-bit little-endian number, in hex.
le32_hex() { printf '%02x%02x%02x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }

# disabled_item PATH NAME: the REG_BINARY data PowerPoint writes when it disables an add-in.
disabled_item() {
  local path name
  path=$(utf16_hex "$1")
  name=$(utf16_hex "$2")
  echo "$(le32_hex 1)$(le32_hex $((${#path} / 2)))$(le32_hex $((${#name} / 2)))$path$name"
}

# The values of a DisabledItems key as reg lists them, one per line, sorted.
disabled_items() {
  wine_reg_query "HKCU\Software\Microsoft\Office\\$1\\PowerPoint\Resiliency\DisabledItems" |
    grep REG_ | sed 's/^ *//' | sort
}

# program_header FILE 32|64: a file that starts like an x86 or x64 program (its header is all
# the panel reads).
program_header() {
  local machine='\x4c\x01' optional='\xe0\x00' magic='\x0b\x01'
  [[ $2 == 64 ]] && machine='\x64\x86' optional='\xf0\x00' magic='\x0b\x02'
  {
    printf 'MZ'
    head -c 58 /dev/zero
    printf '\x40\x00\x00\x00PE\x00\x00%b\x00\x00' "$machine"
    head -c 12 /dev/zero
    printf '%b\x02\x01%b' "$optional" "$magic"
    head -c 400 /dev/zero
  } >"$1"
}

# 32 or 64: the bitness of a Windows program, from its machine type.
program_bits() {
  local at
  at=$(od -An -tu4 -j 60 -N 4 "$1" | tr -d ' ')
  [[ $(od -An -tx1 -j $((at + 4)) -N 2 "$1" | tr -d ' ') == 6486 ]] && echo 64 || echo 32
}

section_mend() {
  local key='HKCU\Software\Microsoft\Office\PowerPoint\AddIns\Halverin.Connect'
  # --- PowerPoint disabled the add-in after a crash: an item naming our library (in lower case, as
  # PowerPoint writes it) under two versions, beside another add-in's item and a 6-byte value that
  # is no item; the add-in entry's LoadBehavior is 2. Cancel and an uninstalling OK leave the items
  # alone; an installing OK removes only ours and sets LoadBehavior back to 3.
  fresh_prefix
  local ours other version before=() after
  ours=$(disabled_item 'c:\program files\quillmere\tessivar.dll' 'Quillmere')
  other=$(disabled_item 'c:\program files\other\other.dll' 'Other Add-in')
  for version in 14.0 16.0; do
    local items="HKCU\Software\Microsoft\Office\\$version\\PowerPoint\Resiliency\DisabledItems"
    wine_exec reg add "$items" /v 4D1B0C2A /t REG_BINARY /d "$ours" /f &&
      wine_exec reg add "$items" /v 7E20A111 /t REG_BINARY /d "$other" /f &&
      wine_exec reg add "$items" /v 0C0C0C0C /t REG_BINARY /d 010000000400 /f ||
      echo "could not plant the disabled items" >&2
    before+=("$(disabled_items "$version")")
  done
  check "disabled items: three planted in each version" [ "$(printf '%s\n' "${before[@]}" | grep -c REG_BINARY)" -eq 6 ]
  wine_exec reg add "$key" /v LoadBehavior /t REG_DWORD /d 2 /f || echo "could not plant the add-in entry" >&2
  drive start "$exe_win" window cancel exit
  drive start "$exe_win" window click 0 ok exit
  check "disabled items: Cancel and uninstall leave them" \
    [ "$(disabled_items 14.0)" == "${before[0]}" -a "$(disabled_items 16.0)" == "${before[1]}" ]
  wine_exec reg add "$key" /v LoadBehavior /t REG_DWORD /d 2 /f || echo "could not plant the add-in entry" >&2
  drive start "$exe_win" window click 0 ok exit addin
  expect "disabled items: OK installs" < <(echo "exit 0"; echo "addin-entry present")
  for version in 0 1; do
    after=$(disabled_items "$([[ $version == 0 ]] && echo 14.0 || echo 16.0)")
    check "disabled items: only ours removed, the rest byte for byte ($version)" \
      [ "$after" == "$(grep -v '^4D1B0C2A ' <<<"${before[$version]}")" ]
  done
  check "disabled items: LoadBehavior 3" grep -qE 'LoadBehavior +REG_DWORD +0x3$' <(wine_reg_query "$key")
  wine_prefix_end

  # --- PowerPoint of the other bitness than the panel: OK saves the settings, registers nothing,
  # tells which package fits and still starts PowerPoint's program.
  local bits other_bits message version
  bits=$(program_bits "$bin/Quillmere.exe")
  other_bits=$((bits == 64 ? 32 : 64))
  version=$(sed -n 's/^project([^)]* VERSION \([0-9.]*\).*/\1/p' "$here/../../../CMakeLists.txt")
  message="notice Your PowerPoint is $other_bits-bit; this Quillmere is the $bits-bit build."
  message+=" Install Quillmere-$version-$([[ $other_bits == 64 ]] && echo x64 || echo x86).msi instead."
  fresh_prefix
  program_header "$WINEPREFIX/drive_c/stand-in/POWERPNT.exe" "$other_bits"
  drive start "$exe_win" window ok notice exit settings addin
  expect "PowerPoint of the other bitness: one message, nothing registered" < <(
    echo "$message"; echo "exit 0"; all_settings 1 0 1 0 0 0 0 0 0 1 0 0 0; echo "addin-entry absent")
  check "PowerPoint of the other bitness: the class is not registered" not_registered
  wine_prefix_end

  # --- PowerPoint of the panel's bitness: registered as today, no message (one would keep the
  # program from ending). Then PowerPoint replaced by one of the other bitness: the entry that
  # would lead it to our library goes.
  fresh_prefix
  drive start "$exe_win" window ok exit addin
  expect "PowerPoint of the panel's bitness: registered, no message" < <(echo "exit 0"; echo "addin-entry present")
  check "PowerPoint of the panel's bitness: PowerPoint started" started_powerpoint
  program_header "$WINEPREFIX/drive_c/stand-in/POWERPNT.exe" "$other_bits"
  drive start "$exe_win" window ok notice exit addin
  expect "PowerPoint replaced by the other bitness: entry removed" < <(echo "$message"; echo "exit 0"; echo "addin-entry absent")
  wine_prefix_end
}

sections=("$@")
[[ ${#sections[@]} -gt 0 ]] || sections=(restore ok end_to_end policy mend)
for section in "${sections[@]}"; do "section_$section"; done

if ((failures)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "all panel window checks passed"
