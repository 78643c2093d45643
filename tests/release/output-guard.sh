#!/usr/bin/env bash
# OUTPUT is replaced whole: what must never be replaced is refused with one line before anything
# is built, and an empty folder or an earlier release is taken. Runs in seconds: in a worktree of
# a throw-away clone, with a cmake that records its call and fails, so that even a guard that
# lets something through stops the release before it can delete anything.
# usage: tests/release/output-guard.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
work=$(mktemp -d /tmp/quillmere-output-guard.XXXXXX)
trap 'rm -rf "$work"' EXIT

git clone -q --no-checkout . "$work/clone"
git -C "$work/clone" worktree add -q --detach "$work/tree" HEAD
cp scripts/release.sh "$work/tree/scripts/release.sh" # this checkout's guard, committed or not
mkdir -p "$work/bin" "$work/tree/build" "$work/home" "$work/empty" "$work/earlier"
touch "$work/tree/build/CMakeCache.txt" "$work/home/.profile" "$work/earlier/SHA256SUMS" "$work/earlier/old.msi"
printf '#!/bin/sh\ntouch "%s/built"\nexit 1\n' "$work" > "$work/bin/cmake"
chmod +x "$work/bin/cmake"

failures=0
# release CASE OUTPUT EXPECTED: run from addin/, so a relative OUTPUT is the caller's
release() {
  local status=0 outcome
  (cd "$work/tree/addin" && PATH="$work/bin:$PATH" ../scripts/release.sh "$2") > /dev/null 2> "$work/stderr" || status=$?
  if [[ -e $work/built ]]; then
    outcome=taken
  elif [[ $status -ne 0 && $(wc -l < "$work/stderr") -eq 1 ]]; then
    outcome=refused
  else
    outcome="exit $status, $(wc -l < "$work/stderr") lines on stderr"
  fi
  if [[ $outcome == "$3" ]]; then
    echo "ok   $1: $outcome $(head -1 "$work/stderr")"
  else
    echo "FAIL $1: $outcome, expected $3" >&2
    sed 's/^/  /' "$work/stderr" >&2
    failures=$((failures + 1))
  fi
  rm -f "$work/built"
}
release "a tracked folder" ../docs refused
release "a folder of the sources" . refused
release "the repository" .. refused
release "/" / refused
release "a tracked path not yet there" catalogue refused
release "a tracked file" ../README.md refused
release "the worktree's .git file" ../.git refused
release "the git directory" "$(git -C "$work/tree" rev-parse --absolute-git-dir)" refused
release "the shared git directory" "$work/clone/.git" refused
release "inside the shared git directory" "$work/clone/.git/objects" refused
release "the checkout holding the shared git directory" "$work/clone" refused
release "an untracked folder of the sources" ../build refused
release "a folder outside holding other files" "$work/home" refused
release "a file outside" "$work/home/.profile" refused
release "a new folder" "$work/new" taken
release "an empty folder" "$work/empty" taken
release "an earlier release" "$work/earlier" taken
[[ $failures -eq 0 ]] || { echo "output-guard: $failures failed" >&2; exit 1; }
