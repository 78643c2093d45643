#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, ASan+UBSan) and runs each for a bounded time, starting
# from its seed corpus in the repository. Any crash, leak, failed check or hang fails the run;
# the input that did it is left in build/fuzz/artifacts/.
# usage: scripts/fuzz.sh [SECONDS]   (the whole budget, shared out by weight; default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh native gates

budget=${1:-60}
# fuzzer, folder holding it (seed corpus NAME_corpus/, dictionary NAME.dict), share of the budget
targets=(
  "ribbon_document_fuzzer addin/tests/fuzz 3"
  "setting_conversion_fuzzer common/tests/fuzz 1"
  "box_rules_fuzzer panel/tests/fuzz 1"
)

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

total_weight=0
for target in "${targets[@]}"; do read -r _ _ weight <<<"$target"; total_weight=$((total_weight + weight)); done

artifacts=build/fuzz/artifacts
mkdir -p "$artifacts"
for target in "${targets[@]}"; do
  read -r name folder weight <<<"$target"
  seconds=$((budget * weight / total_weight))
  ((seconds > 0)) || seconds=1
  base=${name%_fuzzer}
  # New inputs the run finds go to a scratch copy, so the checked-in corpus stays small.
  work=$(mktemp -d)
  cp -r "$folder/${base}_corpus/." "$work/"
  options=(-max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 -print_final_stats=1
           -artifact_prefix="$artifacts/${name}-")
  [[ -f "$folder/$base.dict" ]] && options+=(-dict="$folder/$base.dict")
  echo "fuzz: $name for ${seconds}s"
  status=0
  build/fuzz/bin/"$name" "${options[@]}" "$work" >"build/fuzz/$name.log" 2>&1 || status=$?
  rm -rf "$work"
  grep -E '^stat::number_of_executed_units|^Done' "build/fuzz/$name.log" || true
  if ((status != 0)); then
    tail -n 40 "build/fuzz/$name.log"
    echo "fuzz: $name failed; the input is in $artifacts/" >&2
    exit 1
  fi
done
