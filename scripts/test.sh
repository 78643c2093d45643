#!/usr/bin/env bash
# The whole test suite: installs what it needs, builds every configuration, runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh native

cmake --preset native
cmake --build --preset native
ctest --preset native

# The same suite under AddressSanitizer and UndefinedBehaviorSanitizer.
cmake --preset asan
cmake --build --preset asan
ctest --preset asan
