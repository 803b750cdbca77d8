#!/bin/sh
# Runs every fuzz target of a fuzz build for a number of seconds each, from its seeds, and exits
# non-zero if any target found a crash, a leak, a sanitizer report, a timeout or an
# out-of-memory. Usage: run-fuzz.sh BUILD_DIR SECONDS
# The seeds are written first by the build's fuzz_seeds (the game's own world writer) into
# BUILD_DIR/seeds/<target>; new inputs go to BUILD_DIR/corpus/<target>; a finding is saved as
# BUILD_DIR/findings/<target>/<kind>-<hash> and the target's whole log is
# BUILD_DIR/logs/<target>.log.
set -u
mkdir -p "$1" || exit 1
build=$(cd "$1" && pwd)  # absolute: the world target changes its working directory meanwhile
seconds=$2
source_dir=$(cd "$(dirname "$0")/.." && pwd)

"$build/fuzz/fuzz_seeds" "$source_dir" "$build/seeds" || exit 1

failed=""
# target, longest input in bytes, seconds one input may take
while read -r target max_len timeout; do
  mkdir -p "$build/corpus/$target" "$build/findings/$target" "$build/logs"
  log="$build/logs/$target.log"
  "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len="$max_len" \
    -timeout="$timeout" -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/findings/$target/" \
    "$build/corpus/$target" "$build/seeds/$target" >"$log" 2>&1
  status=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$')
  if [ "$status" -eq 0 ]; then
    echo "fuzz_$target: clean, ${runs:-?} runs in $seconds s"
  else
    echo "fuzz_$target: FINDING (exit status $status), see $log and $build/findings/$target/"
    grep -m 3 -E 'ERROR|SUMMARY|runtime error|Test unit written' "$log" | sed 's/^/  /'
    failed="$failed $target"
  fi
done <<TARGETS
image_layer      4096  10
content_file     4096  10
room_transitions 2048  10
dialogue         2048  10
obstructions     2048  10
world_load       32768 20
checker          32768 20
author           131072 30
commands         2048  20
TARGETS

if [ -n "$failed" ]; then
  echo "Fuzzing found faults in:$failed"
  exit 1
fi
