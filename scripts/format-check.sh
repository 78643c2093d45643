#!/usr/bin/env bash
# Lists the C++ files that differ from what clang-format (.clang-format) makes of them.
# usage: scripts/format-check.sh [--fail | --fix]
#   (default) report only, exit 0;  --fail: exit 1 when any file differs;  --fix: reformat them.
# Files matching a glob in .clang-format-ignore are skipped.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh gates

mode=${1:-report}
ignored=()
if [[ -f .clang-format-ignore ]]; then
  while read -r glob; do
    [[ -z $glob || $glob == \#* ]] || ignored+=("$glob")
  done <.clang-format-ignore
fi

unformatted=()
while read -r file; do
  skip=0
  for glob in "${ignored[@]}"; do
    # shellcheck disable=SC2053
    [[ $file == $glob ]] && skip=1
  done
  ((skip)) && continue
  if [[ $mode == --fix ]]; then
    clang-format -i "$file"
  elif ! clang-format --dry-run -Werror "$file" >/dev/null 2>&1; then
    unformatted+=("$file")
  fi
done < <(git ls-files '*.cpp' '*.h')

[[ $mode == --fix ]] && exit 0
if ((${#unformatted[@]} == 0)); then
  echo "format: every file is formatted"
  exit 0
fi
echo "format: ${#unformatted[@]} file(s) differ from .clang-format (scripts/format-check.sh --fix):"
printf '  %s\n' "${unformatted[@]}"
[[ $mode == --fail ]] && exit 1
exit 0
