#!/usr/bin/env bash
# Fuzzes the sprite reader for a bounded time: ./tests/fuzz/run.sh BUILD_FOLDER SECONDS
# Starts from fresh seeds each time, so the repo's files never change; an input that crashes
# the reader is left in BUILD_FOLDER/fuzz-findings and fails the run.
set -euo pipefail
build=$1
seconds=$2
here=$(cd "$(dirname "$0")" && pwd)
corpus="$build/fuzz-corpus"
findings="$build/fuzz-findings"
rm -rf "$corpus"
mkdir -p "$findings"
"$build/tests/fuzz/make_seed_corpus" "$corpus"
log="$build/fuzz.log"
# Two workers would halve the time each gets on this two-core machine; one runs the whole time.
status=0
"$build/tests/fuzz/bmp_fuzzer" "$corpus" -dict="$here/bmp.dict" -max_total_time="$seconds" \
  -max_len=4096 -timeout=10 -rss_limit_mb=2048 -use_value_profile=1 -print_final_stats=1 \
  -artifact_prefix="$findings/" >"$log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  tail -n 60 "$log"
  echo "The fuzzer found an input that breaks the sprite reader: see $findings/"
  exit "$status"
fi
grep -E "^(Done|stat::number_of_executed_units|stat::new_units_added|stat::peak_rss_mb)" "$log"
