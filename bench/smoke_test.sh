#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-2-Clause
# bench_smoke: the workload generator keeps its promises, and the benchmark
# script runs end to end on tiny workloads with already built binaries.
#   bench/smoke_test.sh INIPICK INIPICK_WORKLOAD
set -euo pipefail
binary=$1
generator=$2
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d "${TMPDIR:-/tmp}/inipick-bench-smoke.XXXXXX")
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# field NAME FILE: a value the generator reported.
field() { sed -n "s/^$1=//p" "$2"; }

# Same flags, same bytes; another seed, other bytes.
"$generator" big --bytes 300000 "$tmp/a.ini" >"$tmp/a.txt"
"$generator" big --bytes 300000 "$tmp/b.ini" >/dev/null
"$generator" big --bytes 300000 --seed 7 "$tmp/c.ini" >/dev/null
cmp -s "$tmp/a.ini" "$tmp/b.ini" || fail "big: two runs with the same flags differ"
cmp -s "$tmp/a.ini" "$tmp/c.ini" && fail "big: --seed changes nothing"

# What it reports is what it wrote, and the shape is the one asked for.
bytes=$(field bytes "$tmp/a.txt")
lines=$(field lines "$tmp/a.txt")
[ "$bytes" = "$(wc -c <"$tmp/a.ini")" ] || fail "big: reported $bytes bytes"
[ "$lines" = "$(wc -l <"$tmp/a.ini")" ] || fail "big: reported $lines lines"
if [ "$bytes" -lt 300000 ] || [ "$bytes" -ge 302000 ]; then fail "big: $bytes bytes for 300000"; fi
[ "$(field sections "$tmp/a.txt")" = "$(grep -c '^\[' "$tmp/a.ini")" ] || fail "big: section count"
continued=$(grep -c '\\$' "$tmp/a.ini")
[ "$continued" = "$(field continued "$tmp/a.txt")" ] || fail "big: continuation count"
awk -v c="$continued" -v l="$lines" 'BEGIN { exit !(c / l > 0.01 && c / l < 0.03) }' ||
  fail "big: $continued continuation lines of $lines, not about 2%"
[ "$(tail -c 1 "$tmp/a.ini" | od -An -c | tr -d ' ')" = '\n' ] || fail "big: no final line feed"

"$generator" wide --vars 1000 "$tmp/w.ini" >/dev/null
[ "$(grep -c ' = ' "$tmp/w.ini")" = 1000 ] || fail "wide: not 1000 variables"
[ "$(cut -d' ' -f1 "$tmp/w.ini" | sort -u | wc -l)" = 1001 ] || fail "wide: names repeat"
sort -c "$tmp/w.ini" 2>/dev/null && fail "wide: the names are in order, nothing to sort"
"$generator" sections --count 500 "$tmp/s.ini" >/dev/null
[ "$(grep '^\[' "$tmp/s.ini" | sort -u | wc -l)" = 500 ] || fail "sections: not 500 distinct"
"$generator" long-line --bytes 5000 "$tmp/l.ini" >/dev/null
[ "$(awk 'length($0) == 5000' "$tmp/l.ini" | wc -l)" = 1 ] || fail "long-line: no 5000-byte line"
"$generator" big "$tmp/x.ini" 2>/dev/null && fail "big without --bytes accepted"

# The whole script on tiny workloads: it checks that inipick, awk and git
# agree before it times anything, and every target must get its line.
out=$tmp/run.txt
if "$here/run.sh" --binary "$binary" --generator "$generator" --workdir "$tmp/workloads" \
  --big-bytes 200000 --wide-vars 2000 --wide-small-vars 200 --sections 300 \
  --long-line-bytes 100000 --runs 1 --small-runs 1 >"$out" 2>&1; then
  for target in 1 2 3 4 5 6 7; do
    grep -Eq "^target $target .*(PASS|FAIL)" "$out" || fail "run.sh printed no line for target $target"
  done
  grep -Eq '^summary: PASS [0-9]+ of 1[0-4]$' "$out" || fail "run.sh: no summary of every verdict"
  [ -z "$(ls -A "$tmp/workloads")" ] || fail "run.sh left files in its work folder"
else
  fail "run.sh failed"
fi
[ "$failures" = 0 ] || cat "$out" >&2
echo "bench smoke: $failures failures"
[ "$failures" = 0 ]
