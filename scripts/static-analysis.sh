#!/usr/bin/env bash
# clang-tidy (checks in .clang-tidy) and cppcheck over the product code; any finding fails.
# Portable code is checked with the native build's compile commands, the Windows glue
# (*_win.cpp) with those of the mingw-x64 build when that preset exists.
# Tests are left to cppcheck only: clang-tidy's analyzer on GoogleTest costs minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh native gates

cmake --preset native >/dev/null
failed=0

# Product sources: everything under addin/, common/ and panel/ except the tests.
mapfile -t portable < <(git ls-files 'addin/*.cpp' 'common/*.cpp' 'panel/*.cpp' | grep -v '/tests/' | grep -v '_win\.cpp$' || true)
mapfile -t windows < <(git ls-files 'addin/*_win.cpp' 'common/*_win.cpp' 'panel/*_win.cpp' | grep -v '/tests/' || true)

tidy() {  # tidy BUILD_DIR [EXTRA_ARG...] -- FILE...
  local build=$1; shift
  local extra=()
  while [[ $1 != -- ]]; do extra+=("--extra-arg=$1"); shift; done
  shift
  (($# > 0)) || return 0
  printf '%s\n' "$@" | xargs -P 2 -n 1 clang-tidy -p "$build" --quiet "${extra[@]}" 2>/dev/null
}

echo "clang-tidy: ${#portable[@]} portable files"
tidy build/native -- "${portable[@]}" >build/native/clang-tidy.log || failed=1

if ((${#windows[@]} > 0)); then
  if grep -q '"name": "mingw-x64"' CMakePresets.json; then
    cmake --preset mingw-x64 >/dev/null
    echo "clang-tidy: ${#windows[@]} Windows files (x86_64-w64-mingw32)"
    tidy build/mingw-x64 --target=x86_64-w64-mingw32 -- "${windows[@]}" >>build/native/clang-tidy.log || failed=1
  else
    echo "clang-tidy: no mingw-x64 preset yet; ${#windows[@]} Windows files not checked"
  fi
fi
grep -E 'warning:|error:' build/native/clang-tidy.log || true

echo "cppcheck: product code and tests"
cppcheck --project=build/native/compile_commands.json --library=googletest --std=c++20 \
  --enable=warning,performance,portability --inline-suppr --suppress=missingIncludeSystem \
  --error-exitcode=1 --quiet -j 2 || failed=1

if ((failed)); then
  echo "static analysis: findings above" >&2
  exit 1
fi
echo "static analysis: clean"
