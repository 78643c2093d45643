#!/usr/bin/env bash
# Line coverage of the product code by the native suite (gcov, gcovr). Prints one line per
# folder and writes build/coverage/coverage.html. Windows glue (*_win.cpp) is not built
# natively and so is not counted; tests, fuzzers and benchmarks are not counted either.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh native gates

cmake --preset coverage >/dev/null
cmake --build --preset coverage
find build/coverage -name '*.gcda' -delete
ctest --preset coverage >/dev/null

# CMake's compiler probe leaves coverage notes of its own that gcov cannot place.
find build/coverage/CMakeFiles -name '*.gcno' -delete
gcovr --root . --object-directory build/coverage --filter '(addin|common|panel)/' \
  --exclude '.*/tests/.*' --exclude '.*/benchmarks/.*' --exclude '.*_main\.cpp' \
  --json-summary build/coverage/summary.json --html-details build/coverage/coverage.html
python3 - build/coverage/summary.json <<'PY'
import json, sys
files = json.load(open(sys.argv[1]))["files"]
for folder in ("addin", "common", "panel"):
    mine = [f for f in files if f["filename"].startswith(folder + "/")]
    covered = sum(f["line_covered"] for f in mine)
    total = sum(f["line_total"] for f in mine)
    share = 100.0 * covered / total if total else 0.0
    print(f"{folder + '/':7} lines {share:5.1f}% ({covered} of {total})")
PY
