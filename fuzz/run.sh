#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-2-Clause
# Fuzzes inipick for SECONDS (default 600) with one worker:
#   fuzz/run.sh [SECONDS]
# Builds build-fuzz with clang when needed, starts from the seed corpus in
# fuzz/corpus/ (new inputs go to fuzz/corpus-work/, which git ignores), and
# moves any crash, leak or timeout into fuzz/crashes/ under a name that says
# what it is; the replay test then runs it. Prints the executions; the
# status is 1 when something was found. Environment: CXX (default clang++),
# FUZZ_ARGS (extra libFuzzer flags).
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-600}
case "$seconds" in
  '' | *[!0-9]*) echo "usage: fuzz/run.sh [SECONDS]" >&2; exit 2 ;;
esac

build="build-fuzz"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S fuzz -B "$build" -DCMAKE_CXX_COMPILER="${CXX:-clang++}" >/dev/null
fi
cmake --build "$build" --parallel 2 >/dev/null

mkdir -p fuzz/corpus-work fuzz/crashes-new fuzz/crashes
log=$build/last-run.log
echo "fuzzing for ${seconds}s, log in $log"
status=0
# shellcheck disable=SC2086 # FUZZ_ARGS holds several words on purpose
UBSAN_OPTIONS=print_stacktrace=1 "$build/inipick_fuzzer" \
  -max_total_time="$seconds" -timeout=25 -max_len=8192 -rss_limit_mb=2048 \
  -dict=fuzz/ini.dict -artifact_prefix=fuzz/crashes-new/ -print_final_stats=1 \
  ${FUZZ_ARGS:-} fuzz/corpus-work fuzz/corpus >"$log" 2>&1 || status=$?

executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
echo "executions: ${executions:-unknown}, status $status"
tail -n 3 "$log" | grep -E '^(#|Done)' || true

# What the log says went wrong, as a word for the file name.
kind=$(grep -m 1 -oE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer): [a-z-]+|runtime error|inipick_fuzzer: [a-zA-Z -]+|ALARM' "$log" |
  sed -E 's/^ERROR: [A-Za-z]+: //; s/^runtime error$/undefined-behaviour/; s/^ALARM$/timeout/;
          s/^inipick_fuzzer: /invariant-/; s/[^a-zA-Z0-9]+/-/g; s/-$//' || true)
found=0
for artifact in fuzz/crashes-new/*; do
  [ -f "$artifact" ] || continue
  base=$(basename "$artifact")
  name="${kind:-${base%%-*}}-$(sha1sum "$artifact" | cut -c1-10)"
  mv "$artifact" "fuzz/crashes/$name"
  echo "finding: fuzz/crashes/$name"
  found=1
done
if [ "$found" = 1 ] || [ "$status" != 0 ]; then
  grep -m 1 -A 30 -E '^==[0-9]+==ERROR|runtime error|^inipick_fuzzer: |ALARM' "$log" || true
  exit 1
fi
