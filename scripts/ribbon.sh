#!/usr/bin/env bash
# The add-in's main job on any machine: build the portable core and print the Classic tab's
# customUI document. Arguments go to ribbon-xml (e.g. All=0 "Hide built-in Tabs=1" Home=1).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh native
cmake --preset native >/dev/null
cmake --build --preset native --target ribbon-xml >/dev/null
exec build/native/bin/ribbon-xml "$@"
