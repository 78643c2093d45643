#!/usr/bin/env bash
# A Debian sid root with a Wine built for "new WoW64" mode, where 32-bit Windows code (the build
# PowerPoint 2007 loads) runs inside a 64-bit process. These machines run no 32-bit Linux
# programs, and Debian 12's own Wine needs them for 32-bit Windows code.
#
#   wow64-root.sh ensure                 make the root once (about 4 minutes), or reuse a valid one
#   wow64-root.sh kernel                 can this kernel run 32-bit code at all? (no root needed)
#   wow64-root.sh check                  is the root usable? one line naming the cause if not
#   wow64-root.sh run [-C DIR] [--ensure] -- CMD...
#                                        run CMD in the root, in the current folder; DIR (default:
#                                        this checkout) is mounted at the same path inside;
#                                        --ensure makes or reuses the root first
#
# The root lives outside the checkout: $QUILLMERE_WOW64_ROOT, default /var/cache/quillmere/wow64.
# Needs root (debootstrap, mounts). Each run gets its own mount and PID namespace: the mounts, a
# private /tmp and every process the command leaves behind go when it ends, whatever its exit.
# Making or repairing the root takes the lock exclusively, runs share it.
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cache=${QUILLMERE_WOW64_ROOT:-/var/cache/quillmere/wow64}
root=$cache/root
lock=$cache/lock
mirror=http://deb.debian.org/debian
# The packages inside the root (a CJK font for the panel in Japanese, Chinese and Korean); a
# change here makes the root anew.
packages="wine wine64 xvfb xauth msitools cmake fonts-wqy-microhei"
recipe="1 $packages"

fail() { echo "wow64-root: $*" >&2; exit 1; }

need_root() {
  [[ $(id -u) -eq 0 ]] || fail "needs root (debootstrap and mounts); run it as root or through sudo"
}

# Runs "$@" inside $1 (a root folder) with /proc, /dev, /sys, a private /tmp and $2 mounted.
# With ISOLATE_NET=1 also in a network namespace of its own, without network: X displays are
# abstract sockets, which only the network namespace separates, so parallel runs (each with its
# own /tmp, where `xvfb-run -a` looks for free displays) would otherwise pick the same one.
enter() {
  local target=$1 bind=$2 net=()
  shift 2
  [[ ${ISOLATE_NET:-} == 1 ]] && net=(--net)
  unshare --mount --pid --fork "${net[@]}" --propagation private -- bash -c '
    set -e
    target=$1 bind=$2 workdir=$3
    shift 3
    mount -t proc proc "$target/proc"
    mount --rbind /dev "$target/dev"
    mount --rbind /sys "$target/sys"
    mount -t tmpfs -o mode=1777 tmpfs "$target/tmp"
    # Wine 10 complains on every start without a runtime folder.
    mkdir -m 700 "$target/tmp/runtime"
    if [[ -n $bind ]]; then
      mkdir -p "$target$bind"
      mount --bind "$bind" "$target$bind"
    fi
    # sid'"'"'s Wine aborts when TMPDIR is set; TMP and TEMP are fine.
    status=0
    chroot "$target" /usr/bin/env -u TMPDIR HOME=/root XDG_RUNTIME_DIR=/tmp/runtime bash -c "cd \"\$0\" 2>/dev/null || cd /; exec \"\$@\"" "$workdir" "$@" || status=$?
    exit "$status"
  ' enter "$target" "$bind" "$PWD" "$@"
}

# WoW64 Wine switches a 64-bit process into 32-bit mode (a far jump to the kernel's 32-bit code
# segment) and sets up 32-bit thread storage through the 32-bit system call gate (int 0x80).
# Kernels built or booted without 32-bit support, and some paravirtualised guests, offer neither;
# then no Wine can run 32-bit Windows code here, and making a root would only hide that.
kernel_check() {
  local work status
  work=$(mktemp -d)
  cat >"$work/cpu32.c" <<'C'
#include <stdint.h>
#include <stdio.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>
static int in_child(void (*probe)(void)) {
  pid_t child = fork();
  if (child == 0) { probe(); _exit(0); }
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
static void syscall_gate(void) {
  long pid;
  __asm__ volatile("int $0x80" : "=a"(pid) : "a"(20L)); /* getpid, 32-bit numbering */
  _exit(pid == getpid() ? 0 : 1);
}
static void code_segment(void) {
  /* 32-bit code below 4 GiB that jumps straight back to the 64-bit segment. */
  unsigned char *code = mmap((void *)0x10000000, 4096, PROT_READ | PROT_WRITE | PROT_EXEC,
                             MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
  extern char back64[];
  static struct { uint32_t offset; uint16_t selector; } __attribute__((packed)) far;
  far.offset = (uint32_t)(uintptr_t)code;
  far.selector = 0x23;
  code[0] = 0xea; /* ljmp 0x33:back64 */
  *(uint32_t *)(code + 1) = (uint32_t)(uintptr_t)back64;
  *(uint16_t *)(code + 5) = 0x33;
  /* The upper halves of the registers, the stack pointer's included, are not defined after a
     trip through 32-bit mode, so back in 64-bit mode the child ends at once by a raw
     exit_group(0), touching neither the stack nor any register the trip may have cut. */
  __asm__ volatile("ljmp *%0\n"
                   "back64:\n"
                   "movl $231, %%eax\n"
                   "xorl %%edi, %%edi\n"
                   "syscall\n"
                   "hlt\n" : : "m"(far) : "memory");
}
int main(void) {
  if (!in_child(code_segment)) { puts("a 64-bit process cannot enter 32-bit mode (the jump to the 32-bit code segment faults)"); return 1; }
  if (!in_child(syscall_gate)) { puts("the 32-bit system call gate (int 0x80) is closed"); return 1; }
  return 0;
}
C
  command -v gcc >/dev/null || { echo "gcc is missing"; rm -rf "$work"; return 1; }
  gcc -O1 -static -no-pie -o "$work/cpu32" "$work/cpu32.c" 2>"$work/cc.log" ||
    { echo "cannot build the kernel probe: $(head -n 1 "$work/cc.log")"; rm -rf "$work"; return 1; }
  local why
  why=$("$work/cpu32") || status=$?
  rm -rf "$work"
  [[ ${status:-0} -eq 0 ]] && return 0
  echo "this kernel cannot run 32-bit code, so no Wine can run the i686 build here: $why"
  return 1
}

# Cheap checks, run before every use: the loader, and 32-bit Windows DLLs beside it.
quick_check() {
  local target=$1
  [[ -f $target/.quillmere-recipe && $(cat "$target/.quillmere-recipe") == "$recipe" ]] ||
    { echo "the root is missing or was made by another recipe"; return 1; }
  [[ -x $target/usr/lib/x86_64-linux-gnu/wine/wine ]] ||
    { echo "no Wine loader in the root ($target/usr/lib/x86_64-linux-gnu/wine/wine)"; return 1; }
  local dlls
  dlls=$(find "$target/usr/lib/x86_64-linux-gnu/wine/i386-windows" -maxdepth 1 -name '*.dll' 2>/dev/null | wc -l)
  [[ $dlls -ge 100 ]] ||
    { echo "Wine in the root is not built for new WoW64: its i386-windows folder holds $dlls DLLs"; return 1; }
}

# The real proof: a static 32-bit Windows program runs in a fresh prefix and finds itself
# under WoW64.
probe_check() {
  local target=$1 work
  work=$(mktemp -d "$target/tmp.probe.XXXXXX")
  cat >"$work/probe.c" <<'C'
#include <windows.h>
#include <stdio.h>
int main(void) {
  BOOL wow64 = FALSE;
  if (!IsWow64Process(GetCurrentProcess(), &wow64) || !wow64) return 3;
  printf("32-bit code runs under WoW64\n");
  return 0;
}
C
  command -v i686-w64-mingw32-gcc >/dev/null || fail "i686-w64-mingw32-gcc is missing (scripts/setup.sh windows)"
  i686-w64-mingw32-gcc -static -O2 -o "$work/probe.exe" "$work/probe.c"
  local inside=${work#"$target"} status=0
  enter "$target" "" bash -c "WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml=;winedbg.exe=d' WINEPREFIX=$inside/prefix /usr/lib/wine/wine64 $inside/probe.exe >$inside/out 2>$inside/err" || status=$?
  if [[ $status -ne 0 ]] || ! grep -q WoW64 "$work/out"; then
    echo "a 32-bit Windows program does not run in the root's Wine (exit $status): $(grep -v 'created the configuration directory' "$work/err" | head -c 300 | tr '\n' ' ')"
    rm -rf "$work"
    return 1
  fi
  rm -rf "$work"
}

make_root() {
  local fresh=$cache/root.new
  rm -rf "$fresh"
  mkdir -p "$cache"
  command -v debootstrap >/dev/null || {
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap >/dev/null
  } || fail "cannot install debootstrap"
  echo "wow64-root: making a Debian sid root with a WoW64 Wine in $root (a few minutes, once)"
  debootstrap --variant=minbase sid "$fresh" "$mirror" >"$cache/debootstrap.log" 2>&1 ||
    fail "debootstrap of sid from $mirror failed; see $cache/debootstrap.log: $(tail -n 1 "$cache/debootstrap.log")"
  cp /etc/resolv.conf "$fresh/etc/resolv.conf"
  # These machines' clocks run past the Valid-Until of sid's Release file.
  echo 'Acquire::Check-Valid-Until "false";' >"$fresh/etc/apt/apt.conf.d/99quillmere"
  enter "$fresh" "" bash -c "apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $packages && apt-get clean" \
    >"$cache/apt.log" 2>&1 || fail "installing '$packages' in the root failed; see $cache/apt.log: $(tail -n 1 "$cache/apt.log")"
  # Wine finds its files from the path it was started by, so the usual names are small
  # scripts, not links; they also drop TMPDIR, which sid's Wine cannot bear.
  mkdir -p "$fresh/usr/lib/wine"
  for tool in wine64:wine wineserver:wineserver; do
    printf '#!/bin/sh\nunset TMPDIR\nexec /usr/lib/x86_64-linux-gnu/wine/%s "$@"\n' "${tool#*:}" >"$fresh/usr/lib/wine/${tool%%:*}"
    chmod 755 "$fresh/usr/lib/wine/${tool%%:*}"
  done
  echo "$recipe" >"$fresh/.quillmere-recipe"
  local why
  why=$(quick_check "$fresh") || fail "$why"
  why=$(probe_check "$fresh") || fail "$why"
  rm -rf "$root"
  mv "$fresh" "$root"
  echo "wow64-root: ready"
}

ensure() {
  need_root
  local why
  why=$(kernel_check) || fail "$why"
  mkdir -p "$cache"
  exec 9>"$lock"
  # A usable root needs only a shared look, so runs going on do not hold this up; making one
  # takes the lock alone (and looks again, since another may have made it meanwhile).
  flock -s 9
  quick_check "$root" >/dev/null && return 0
  flock 9
  quick_check "$root" >/dev/null && return 0
  make_root
}

case ${1:-} in
  ensure) ensure ;;
  kernel)
    why=$(kernel_check) || fail "$why"
    echo "wow64-root: this kernel runs 32-bit code"
    ;;
  check)
    need_root
    why=$(kernel_check) || fail "$why"
    exec 9>"$lock" && flock -s 9
    why=$(quick_check "$root") || fail "$why"
    why=$(probe_check "$root") || fail "$why"
    echo "wow64-root: usable ($root)"
    ;;
  run)
    need_root
    shift
    bind=$here
    if [[ ${1:-} == -C ]]; then bind=$(realpath "$2"); shift 2; fi
    if [[ ${1:-} == --ensure ]]; then ensure; shift; fi
    [[ ${1:-} == -- ]] && shift
    [[ $# -gt 0 ]] || fail "usage: wow64-root.sh run [-C DIR] [--ensure] -- CMD [ARG...]"
    exec 9>"$lock" && flock -s 9
    why=$(quick_check "$root") || fail "$why (make it with scripts/wow64-root.sh ensure)"
    ISOLATE_NET=1 enter "$root" "$bind" "$@"
    ;;
  *) echo "usage: $0 ensure | kernel | check | run [-C DIR] [--ensure] -- CMD [ARG...]" >&2; exit 2 ;;
esac
