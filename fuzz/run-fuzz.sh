#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every fuzz target of a build made with -DMINDLOOM_FUZZ=ON for a while,
# each over a fresh corpus seeded with the project's own files of its kind
# (the test data and the samples, found by extension) and fuzz/seeds/<target>.
# A crash, a sanitizer report, a broken property or a slow input fails the
# run; what broke it is kept in the artifacts folder.
#
#   fuzz/run-fuzz.sh BUILD_DIR [SECONDS_PER_TARGET] [ARTIFACTS_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?build folder}
seconds=${2:-5}
artifacts=${3:-$build/fuzz-artifacts}
mkdir -p "$artifacts"
artifacts=$(cd "$artifacts" && pwd)

declare -A patterns=(
  [personality]='*.mem *.qas'
  [knowledge]='*.kba *.txt'
  [options]='*.Cfg'
  [scene]='*.scn'
)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in personality knowledge options scene; do
  corpus="$work/$target"
  mkdir -p "$corpus"
  cp fuzz/seeds/"$target"/* "$corpus"/
  for pattern in ${patterns[$target]}; do
    find tests assets -type f -name "$pattern" -not -name 'CMakeLists.txt' -exec cp {} "$corpus"/ \;
  done
  echo "fuzz_$target: $(ls "$corpus" | wc -l) seeds, ${seconds} s"
  # An input that takes a second is a reader gone slow: a failure too.
  if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=1 -rss_limit_mb=4096 \
      -max_len=8192 -print_final_stats=1 -artifact_prefix="$artifacts/${target}-" "$corpus" \
      > "$work/$target.log" 2>&1; then
    tail -n 60 "$work/$target.log"
    echo "fuzz_$target FAILED; the input is in $artifacts"
    exit 1
  fi
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done )' "$work/$target.log" | tr '\n' ' '
  echo
done
echo "fuzzing: 4 passed, 0 failed"
