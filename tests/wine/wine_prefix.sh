#!/usr/bin/env bash
# Throwaway Wine prefixes for the Windows tests: one template prefix per test run (wineboot -i,
# about 6 s), then a hard-link clone per test (about 0.1 s).
#
# Where: $QUILLMERE_WINE_ROOT (the CMake helper quillmere_add_wine_test sets it to
# <build>/wine); the template is $QUILLMERE_WINE_ROOT/template, clones sit beside it.
#
# As a command:
#   wine_prefix.sh template          build the template afresh (the ctest fixture does this once)
#   wine_prefix.sh drop-template     remove it again (the fixture's cleanup)
#   wine_prefix.sh run EXE [ARG...]  run one Windows program in a fresh clone, then remove the
#                                    clone; its stdout/stderr and exit code come through. This is
#                                    the toolchains' CMAKE_CROSSCOMPILING_EMULATOR (inside the
#                                    WoW64 root for i686), so add_test(COMMAND some_windows_target)
#                                    just works.
#
# As a library, for test scripts that need several programs in one prefix:
#   source tests/wine/wine_prefix.sh
#   wine_prefix_new                  fresh clone in $WINEPREFIX, removed on exit (trap)
#   wine_exec EXE [ARG...]           run a program there; stdout/stderr go to the files
#                                    $WINE_OUT / $WINE_ERR (pipes make Wine linger 2-3 s);
#                                    returns the program's exit code
#   wine_reg_query KEY [/v NAME]     prints `reg query` output (CRLF stripped)
#   wine_prefix_end                  stop this prefix's wineserver and remove the clone
#   wine_wait_for FILE [PATTERN]     wait (at most $WINE_WAIT_SECONDS, default 20 s) until FILE
#                                    exists and, if given, holds a line matching PATTERN: what a
#                                    started program writes may land after the program that
#                                    started it has ended
#
# Both Windows builds run the same tests. What differs between them comes from here, never from
# a copy of a test: QUILLMERE_WINE_ARCH (x64 or x86; quillmere_add_wine_test sets it, so a new
# test gets it by being registered the usual way; a test program of its own also calls
# quillmere_test_program) selects
#   WINE_SYSTEM_DIR      system32 or syswow64: the system folder of the build's programs, where
#                        its own reg.exe and regsvr32.exe are
#   WINE_TYPELIB_PLATFORM win64 or win32: the type-library key the build's library registers
#   WINE_PROGRAM_FILES   "Program Files" or "Program Files (x86)": per-machine installs
#   WINE_MACHINE_VIEW    "" or Wow6432Node: the registry view of the build's per-machine values.
#                        In it (HKLM\Software\Wow6432Node\..., HKLM\Software\Classes\
#                        Wow6432Node\...): CLSID and Interface classes and most other keys; shared
#                        by both builds: the other classes (ProgIDs, TypeLib), Policies, App Paths
#   wine_reg ARG...      the build's reg.exe, as wine_exec
#   wine_regsvr32 ARG... the build's regsvr32.exe, as wine_exec
#   wine_share_user_classes  the Wine-only workaround below, with the build's reg.exe
# GUI tests: run the whole test script inside one `xvfb-run -a`, since a prefix's wineserver
# keeps the DISPLAY of its first process.

WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
export WINEDEBUG=-all
# winedbg disabled: a crashing program ends at once (and the test fails) instead of waiting in
# the debugger until the test times out.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"

case ${QUILLMERE_WINE_ARCH:-x64} in
  x64) WINE_SYSTEM_DIR=system32 WINE_TYPELIB_PLATFORM=win64 WINE_PROGRAM_FILES="Program Files" WINE_MACHINE_VIEW= ;;
  x86) WINE_SYSTEM_DIR=syswow64 WINE_TYPELIB_PLATFORM=win32 WINE_PROGRAM_FILES="Program Files (x86)"
       WINE_MACHINE_VIEW=Wow6432Node ;;
  *) echo "wine_prefix.sh: QUILLMERE_WINE_ARCH is '$QUILLMERE_WINE_ARCH', not x64 or x86" >&2; exit 2 ;;
esac
WINE_WAIT_SECONDS=${WINE_WAIT_SECONDS:-20}

wine_root() {
  local root=${QUILLMERE_WINE_ROOT:-${TMPDIR:-/tmp}/quillmere-wine-$(id -u)}
  mkdir -p "$root" && realpath "$root"
}

# Builds the template under a lock, so parallel tests never see half a prefix.
wine_template_build() {
  local root
  root=$(wine_root)
  (
    flock 9
    local template=$root/template
    [[ -f $template/.quillmere-ready ]] && [[ ${1:-} != fresh ]] && exit 0
    if [[ -d $template ]]; then
      WINEPREFIX=$template "$WINESERVER" -k 2>/dev/null || true
      rm -rf "$template"
    fi
    if ! WINEPREFIX=$template "$WINE64" wineboot -i >"$root/wineboot.log" 2>&1 </dev/null; then
      echo "wine_prefix.sh: wineboot -i failed, see $root/wineboot.log" >&2
      exit 1
    fi
    # Flush and stop, so the .reg files are complete before anyone clones them.
    WINEPREFIX=$template "$WINESERVER" -w
    touch "$template/.quillmere-ready"
  ) 9>"$root/template.lock"
}

wine_template_drop() {
  local root
  root=$(wine_root)
  (
    flock 9
    WINEPREFIX=$root/template "$WINESERVER" -k 2>/dev/null || true
    rm -rf "$root/template"
  ) 9>"$root/template.lock"
}

wine_prefix_new() {
  local root
  root=$(wine_root) && wine_template_build || return
  WINEPREFIX=$(mktemp -d "$root/prefix.XXXXXX")
  export WINEPREFIX
  # Hard links share file contents; wineserver rewrites the .reg files in place, so those get
  # real copies or the template would change under every clone.
  cp -al "$root/template/." "$WINEPREFIX/"
  cp --remove-destination "$root"/template/*.reg "$WINEPREFIX/"
  rm -f "$WINEPREFIX/.quillmere-ready"
  WINE_OUT=$WINEPREFIX/.stdout
  WINE_ERR=$WINEPREFIX/.stderr
  trap wine_prefix_end EXIT
}

wine_exec() {
  "$WINE64" "$@" >"$WINE_OUT" 2>"$WINE_ERR" </dev/null
}

wine_reg_query() {
  wine_reg query "$@" || return
  tr -d '\r' <"$WINE_OUT"
}

wine_reg() { wine_exec "C:\\windows\\$WINE_SYSTEM_DIR\\reg.exe" "$@"; }
wine_regsvr32() { wine_exec "C:\\windows\\$WINE_SYSTEM_DIR\\regsvr32.exe" "$@"; }

# Wine does not merge HKCU\Software\Classes into the classes view COM activation reads (Windows
# does): a copy into the machine's classes, in test prefixes only. Copied by the build's own
# reg.exe, so the classes land in the view its programs read.
wine_share_user_classes() {
  wine_reg copy 'HKCU\Software\Classes' 'HKLM\Software\Classes' /s /f
}

wine_wait_for() {
  local file=$1 pattern=${2:-} tries=$((WINE_WAIT_SECONDS * 10))
  while ((tries-- > 0)); do
    if [[ -f $file ]] && { [[ -z $pattern ]] || tr -d '\r' <"$file" | grep -q -- "$pattern"; }; then return 0; fi
    sleep 0.1
  done
  return 1
}

wine_prefix_end() {
  [[ -n ${WINEPREFIX:-} && -d $WINEPREFIX ]] || return 0
  "$WINESERVER" -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
  unset WINEPREFIX
}

wine_run_one() {
  wine_prefix_new || return 125
  local status=0
  wine_exec "$@" || status=$?
  cat "$WINE_OUT"
  cat "$WINE_ERR" >&2
  wine_prefix_end
  return "$status"
}

if [[ ${BASH_SOURCE[0]} == "$0" ]]; then
  set -uo pipefail
  case ${1:-} in
    template) wine_template_build fresh ;;
    drop-template) wine_template_drop ;;
    run) shift; wine_run_one "$@" ;;
    *) echo "usage: $0 template | drop-template | run EXE [ARG...]" >&2; exit 2 ;;
  esac
fi
