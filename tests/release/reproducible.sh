#!/usr/bin/env bash
# The release must not depend on where or when it is built: this tree's release and the release
# of a copy of its files in another folder, built there from scratch minutes later, must be the
# same bytes (SHA256SUMS covers both installers, both zips and the Group Policy templates).
# usage: tests/release/reproducible.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
work=$(mktemp -d /tmp/quillmere-reproducible.XXXXXX)
trap 'rm -rf "$work"' EXIT
# The copy carries no history: both take the commit time from here.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH

# OUTPUT is replaced whole: what must never be replaced is refused before anything is built.
tests/release/output-guard.sh > /dev/null
# A relative OUTPUT is the caller's (here: $work/here).
repository=$(pwd -P)
(cd "$work" && "$repository/scripts/release.sh" here) > /dev/null
mkdir "$work/copy"
git ls-files -z --cached --others --exclude-standard | tar --null --ignore-failed-read -T - -cf - | tar -xf - -C "$work/copy"
(cd "$work/copy" && scripts/release.sh "$work/there") > "$work/there.log" 2>&1 || { cat "$work/there.log" >&2; exit 1; }

if ! diff -u "$work/here/SHA256SUMS" "$work/there/SHA256SUMS"; then
  # Name what differs inside the packages too: the binaries they carry.
  for zip in "$work"/here/*.zip; do
    for side in here there; do mkdir -p "$work/$side.unzipped"; unzip -q -o "$work/$side/$(basename "$zip")" -d "$work/$side.unzipped/$(basename "$zip")"; done
  done
  diff -r "$work/here.unzipped" "$work/there.unzipped" >&2 || true
  echo "reproducible: two builds of the same sources differ" >&2
  exit 1
fi
echo "reproducible: $(wc -l < "$work/here/SHA256SUMS") files identical across two folders"
