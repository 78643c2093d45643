#!/usr/bin/env bash
# The whole test suite: installs what it needs, builds every configuration, runs every test.
# native: the portable core; asan: the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer; mingw-i686: the shipping 32-bit Windows build, checked statically
# (imports, import slots) and, where the kernel runs 32-bit code, run under the WoW64 root's
# Wine (scripts/wow64-root.sh), every Wine test of the x64 build; mingw-x64: the Windows code run
# under the machine's Wine. Where the kernel refuses 32-bit code the suite says why and goes on.
# Each Windows build also makes its installer package and tests it (the x64 one under Wine);
# the release script then gathers both into dist/ and checks the checksum file, and the
# release checks rebuild it elsewhere and sign it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh native windows

# 32-bit Windows code runs only where the kernel lets a 64-bit process enter 32-bit mode. There
# the root is made or reused and must run a 32-bit program (one line naming the cause if not).
i686_filter=()
if i686_why=$(scripts/wow64-root.sh kernel 2>&1); then
  scripts/wow64-root.sh ensure
  scripts/wow64-root.sh check
  i686_not_run=
else
  i686_filter=(-LE wine)
  i686_not_run=" (not run: ${i686_why#wow64-root: })"
  echo "i686 Wine tests$i686_not_run"
fi

passed=0
for preset in native asan mingw-i686 mingw-x64; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  filter=()
  [[ $preset == mingw-i686 ]] && filter=("${i686_filter[@]}")
  ctest --preset "$preset" "${filter[@]}" | tee "build/$preset/ctest-summary.log"
  count=$(sed -n 's/.* tests passed, 0 tests failed out of \([0-9]*\)$/\1/p' "build/$preset/ctest-summary.log")
  passed=$((passed + ${count:-0}))
done
wine_count() { (cd "build/$1" && ctest -N -L wine | sed -n 's/^Total Tests: //p'); }
x64_wine=$(wine_count mingw-x64)
i686_wine=0
[[ -z $i686_not_run ]] && i686_wine=$(wine_count mingw-i686)

scripts/release.sh
# The release again from a copy of the sources in another folder: the same bytes. Then signed
# with a throw-away authority: every file verifies and covers the unsigned one.
tests/release/reproducible.sh
tests/release/signing.sh

# Quality gates: a bounded fuzzing run, clang-tidy and cppcheck.
scripts/fuzz.sh 60
scripts/static-analysis.sh
# The tree must be formatted as .clang-format says.
scripts/format-check.sh --fail
# Line coverage of the native suite, reported by folder.
scripts/coverage.sh

# Every test of every configuration passed (a failure stops this script before here).
echo "Wine tests: x64 $x64_wine, i686 $i686_wine$i686_not_run"
echo "suite: $passed passed, 0 failed"
