#!/usr/bin/env bash
# The whole test suite: installs what it needs, builds every configuration, runs every test.
# native: the portable core; asan: the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer; mingw-i686: the shipping 32-bit Windows build, compiled, linked
# and import-checked (32-bit Wine cannot run here); mingw-x64: the Windows code run under Wine.
# Each Windows build also makes its installer package and tests it (the x64 one under Wine);
# the release script then gathers both into dist/ and checks the checksum file.
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

scripts/release.sh

# Quality gates: a bounded fuzzing run, clang-tidy and cppcheck.
scripts/fuzz.sh 60
scripts/static-analysis.sh
# The tree must be formatted as .clang-format says.
scripts/format-check.sh --fail
# Line coverage of the native suite, reported by folder.
scripts/coverage.sh

# Every test of every configuration passed (a failure stops this script before here).
echo "suite: $passed passed, 0 failed"
