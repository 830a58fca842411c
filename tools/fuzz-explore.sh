#!/usr/bin/env bash
# Explores for new findings: runs every fuzz target of the checked build side
# by side for the given seconds each (default 600), starting from the
# committed corpus, and prints each target's executions. New inputs go to
# build-asan/fuzz-explore/<target>/ and crashes to <target>-crash-* files beside it; a
# finding goes into tests/fuzz/reproducers/<target>/ together with its fix,
# and inputs that add coverage may go into tests/fuzz/corpus/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
tools/build-checked.sh
targets=(csvimport qifimport moneytext backupzip backupentries releasemanifest jwtpayload syncpull)
declare -A max_len=([csvimport]=4096 [qifimport]=4096 [moneytext]=64 [backupzip]=8192
                    [backupentries]=4096 [releasemanifest]=4096 [jwtpayload]=1024 [syncpull]=4096)
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan-suppressions.txt:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
work=build-asan/fuzz-explore
pids=()
for target in "${targets[@]}"; do
  mkdir -p "$work/$target"
  build-asan/tests/fuzz/fuzz_"$target" -max_total_time="$seconds" -max_len="${max_len[$target]}" \
    -print_final_stats=1 -artifact_prefix="$work/$target-crash-" \
    "$work/$target" "tests/fuzz/corpus/$target" > "$work/$target.log" 2>&1 &
  pids+=($!)
done
status=0
for i in "${!targets[@]}"; do
  wait "${pids[$i]}" || status=1
done
for target in "${targets[@]}"; do
  executions=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$work/$target.log" | grep -o '[0-9]*$' || true)
  findings=$(ls "$work" | grep -c "^$target-crash-" || true)
  echo "fuzz_$target: ${executions:-?} executions in ${seconds} s, $findings findings"
done
exit $status
