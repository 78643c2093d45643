#!/usr/bin/env bash
# The whole test suite: installs what it needs, builds every configuration, runs every test.
# native: the portable core; asan: the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer; mingw-i686: the shipping 32-bit Windows build, compiled, linked
# and checked statically (imports, import slots); mingw-x64: the Windows code run under Wine.
# Running the i686 build needs a kernel that runs 32-bit code (scripts/wow64-root.sh): the suite
# asks the kernel and says plainly when it cannot.
# Each Windows build also makes its installer package and tests it (the x64 one under Wine);
# the release script then gathers both into dist/ and checks the checksum file, and the
# release checks rebuild it elsewhere and sign it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh native windows

passed=0
for preset in native asan mingw-i686 mingw-x64; do
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset" | tee "build/$preset/ctest-summary.log"
  count=$(sed -n 's/.* tests passed, 0 tests failed out of \([0-9]*\)$/\1/p' "build/$preset/ctest-summary.log")
  passed=$((passed + ${count:-0}))
done

# 32-bit Windows code runs only where the kernel lets a 64-bit process enter 32-bit mode.
if i686_why=$(scripts/wow64-root.sh kernel 2>&1); then
  scripts/wow64-root.sh ensure
  scripts/wow64-root.sh check
  i686_wine="the WoW64 root runs 32-bit Windows code; no i686 Wine tests are registered yet"
else
  i686_wine="not run: ${i686_why#wow64-root: }"
fi
echo "i686 Wine tests: $i686_wine"
x64_wine=$(cd build/mingw-x64 && ctest -N -L wine | sed -n 's/^Total Tests: //p')

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
echo "Wine tests: x64 $x64_wine, i686 0 ($i686_wine)"
echo "suite: $passed passed, 0 failed"
