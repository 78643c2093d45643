#!/usr/bin/env bash
# clang-tidy (checks in .clang-tidy) and cppcheck over the product code; any finding fails.
# Portable code is checked with the native build's compile commands, the Windows glue
# (*_win.cpp) with those of the mingw-x64 build when that preset exists.
# Tests are left to cppcheck only: clang-tidy's analyzer on GoogleTest costs minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh native windows gates

cmake --preset native >/dev/null
failed=0

# Product sources: every C++ file outside tests and benchmarks.
mapfile -t sources < <(git ls-files '*.cpp' | grep -v -E '(^|/)(tests|benchmarks)/')
mapfile -t portable < <(printf '%s\n' "${sources[@]}" | grep -v '_win\.cpp$' || true)
mapfile -t windows < <(printf '%s\n' "${sources[@]}" | grep '_win\.cpp$' || true)

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
    # clang does not find mingw-w64's libstdc++ by itself: hand it the cross compiler's C++ dirs.
    mapfile -t cxx_dirs < <(echo | x86_64-w64-mingw32-g++ -std=c++20 -E -x c++ - -v 2>&1 |
      sed -n '/search starts here:/,/End of search list/p' | grep '/include/c++' | sed 's/^ *//')
    # The headers widl generates are not ours to fix: as system headers they are not checked.
    generated=(build/mingw-x64/*/generated)
    tidy build/mingw-x64 --target=x86_64-w64-mingw32 -nostdinc++ "${cxx_dirs[@]/#/-isystem}" \
      "${generated[@]/#/-isystem$PWD/}" -- "${windows[@]}" \
      >>build/native/clang-tidy.log || failed=1
  else
    echo "clang-tidy: no mingw-x64 preset yet; ${#windows[@]} Windows files not checked"
  fi
fi
grep -E 'warning:|error:' build/native/clang-tidy.log || true

echo "cppcheck: product code and tests"
cppcheck --project=build/native/compile_commands.json --library=googletest --std=c++20 \
  --enable=warning,performance,portability --inline-suppr --suppress=missingIncludeSystem \
  --suppress='passedByValue:*/tests/*' --error-exitcode=1 --quiet -j 2 || failed=1
if ((${#windows[@]} > 0)) && [[ -f build/mingw-x64/compile_commands.json ]]; then
  echo "cppcheck: Windows glue"
  cppcheck --project=build/mingw-x64/compile_commands.json --file-filter='*_win.cpp' --platform=win64 \
    --library=windows --std=c++20 --enable=warning,performance,portability --inline-suppr \
    --suppress=missingIncludeSystem --error-exitcode=1 --quiet -j 2 \
    --suppress=throwInNoexceptFunction || failed=1
  # (cppcheck does not see the catch-all inside ComBoundary's template and takes every COM method
  # for one that throws; clang-tidy's bugprone-exception-escape checks the same thing soundly.)
fi

if ((failed)); then
  echo "static analysis: findings above" >&2
  exit 1
fi
echo "static analysis: clean"
