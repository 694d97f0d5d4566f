#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-2-Clause
# Measures inipick against its speed and memory targets, side by side with
# wc -l, cat, git config and awk on the same generated files. Whole-process
# wall times, medians; peak RSS as the kernel reports it for the child.
#
#   bench/run.sh           default sizes (big file 100 MB): a few minutes
#   bench/run.sh --full    the big file at 1 GB, as the targets are set
#                          (and a stream of three times as many NUL bytes)
#
# Options (sizes in bytes or counts):
#   --full                  --big-bytes 1000000000
#   --big-bytes N           the big file (default 100000000); a file a tenth
#                           its size is made for the linearity target
#   --wide-vars N           variables of the wide section (default 1000000)
#   --wide-small-vars N     the smaller wide section (default 100000)
#   --sections N            distinct sections (default 200000)
#   --long-line-bytes N     the long line (default 120000000)
#   --runs N                timed runs per command on big inputs (default 5)
#   --small-runs N          timed runs per command on small inputs (default 200)
#   --timer hyperfine|own   default: hyperfine when installed
#   --cpu                   compare CPU time (user + system) instead of wall
#                           time, with the own timer: on a machine shared
#                           with other work, wall times mostly measure the
#                           other work
#   --binary PATH --generator PATH
#                           use these builds instead of building a Release
#                           binary into --build-dir (default build-bench-release)
#   --workdir DIR           where the workloads go (default: a new temporary
#                           folder); the files made there are removed at exit
#   --strict                exit 1 when a target fails
# The generator's figures arrive as variables set by name (SC2154), sh -c
# scripts are quoted on purpose (SC2016), cleanup runs from a trap (SC2317).
# shellcheck disable=SC2154,SC2016,SC2317
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
opt_big=100000000
opt_wide=1000000
opt_wide_small=100000
opt_sections=200000
opt_long=120000000
runs=5
small_runs=200
timer=
binary=
generator=
build_dir=$root/build-bench-release
workdir=
strict=0
metric=wall

die() {
  echo "run.sh: $*" >&2
  exit 1
}

count_arg() {
  [[ $2 =~ ^[1-9][0-9]*$ ]] || die "$1 needs a positive whole number, not '$2'"
}

while [ $# -gt 0 ]; do
  opt=$1
  case "$opt" in
    --full) opt_big=1000000000; shift; continue ;;
    --strict) strict=1; shift; continue ;;
    --cpu) metric=cpu; shift; continue ;;
  esac
  [ $# -ge 2 ] || die "$opt needs a value"
  val=$2
  shift 2
  case "$opt" in
    --big-bytes) count_arg "$opt" "$val"; opt_big=$val ;;
    --wide-vars) count_arg "$opt" "$val"; opt_wide=$val ;;
    --wide-small-vars) count_arg "$opt" "$val"; opt_wide_small=$val ;;
    --sections) count_arg "$opt" "$val"; opt_sections=$val ;;
    --long-line-bytes) count_arg "$opt" "$val"; opt_long=$val ;;
    --runs) count_arg "$opt" "$val"; runs=$val ;;
    --small-runs) count_arg "$opt" "$val"; small_runs=$val ;;
    --timer) timer=$val ;;
    --binary) binary=$val ;;
    --generator) generator=$val ;;
    --build-dir) build_dir=$val ;;
    --workdir) workdir=$val ;;
    *) die "unknown option $opt (see the comment at the top of this script)" ;;
  esac
done

[ "$metric" = wall ] || [ "$timer" != hyperfine ] || die "--cpu needs the own timer"
[ "$metric" = wall ] || timer=own
case "$timer" in
  '') if command -v hyperfine >/dev/null; then timer=hyperfine; else timer=own; fi ;;
  hyperfine) command -v hyperfine >/dev/null || die "hyperfine is not installed" ;;
  own) ;;
  *) die "--timer is hyperfine or own" ;;
esac

# --- the binaries ------------------------------------------------------------
if [ -n "$binary" ] || [ -n "$generator" ]; then
  if [ -z "$binary" ] || [ -z "$generator" ]; then die "--binary and --generator go together"; fi
else
  echo "Building a Release binary in $build_dir ..." >&2
  cmake -S "$root" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DINIPICK_TESTS=OFF \
    -DINIPICK_BENCHMARKS=OFF >/dev/null
  cmake --build "$build_dir" --parallel 2 --target inipick inipick_workload >/dev/null
  binary=$build_dir/src/inipick
  generator=$build_dir/bench/inipick_workload
fi
[ -x "$binary" ] || die "no inipick binary at $binary"
[ -x "$generator" ] || die "no workload generator at $generator"

# --- the workloads -----------------------------------------------------------
made_workdir=0
if [ -z "$workdir" ]; then
  workdir=$(mktemp -d "${TMPDIR:-/tmp}/inipick-bench.XXXXXX")
  made_workdir=1
fi
mkdir -p "$workdir"
cleanup() {
  rm -f "$workdir"/big.ini "$workdir"/tenth.ini "$workdir"/wide.ini "$workdir"/wide-small.ini \
    "$workdir"/sections.ini "$workdir"/long.ini "$workdir"/generated.txt \
    "$workdir"/timing.csv "$workdir"/timer.log
  if [ "$made_workdir" = 1 ]; then rmdir "$workdir" 2>/dev/null || true; fi
}
trap cleanup EXIT

# generate KIND PREFIX ARGS...: runs the generator and sets PREFIX_<name>
# for every name=value line it prints.
generate() {
  local kind=$1 prefix=$2 name value
  shift 2
  "$generator" "$kind" "$@" >"$workdir/generated.txt" || die "the generator failed: $kind $*"
  while IFS='=' read -r name value; do
    printf -v "${prefix}_${name}" '%s' "$value"
  done <"$workdir/generated.txt"
}

echo "Generating workloads in $workdir ..." >&2
generate big big --bytes "$opt_big" "$workdir/big.ini"
generate big tenth --bytes $((opt_big / 10 > 0 ? opt_big / 10 : 1)) "$workdir/tenth.ini"
generate wide wide --vars "$opt_wide" "$workdir/wide.ini"
generate wide wide_small --vars "$opt_wide_small" "$workdir/wide-small.ini"
generate sections sects --count "$opt_sections" "$workdir/sections.ini"
generate long-line long --bytes "$opt_long" "$workdir/long.ini"
app_ini=$root/examples/app.ini

# --- measuring ---------------------------------------------------------------
# median_seconds RUNS COMMAND...: the median wall (or CPU) time, output
# discarded.
median_seconds() {
  local n=$1 warmup=1
  shift
  [ "$n" -ge 20 ] && warmup=5
  [ "$n" -eq 1 ] && warmup=0
  if [ "$timer" = hyperfine ]; then
    local cmd
    cmd=$(printf '%q ' "$@")
    if ! hyperfine -N --style none --warmup "$warmup" --runs "$n" \
      --export-csv "$workdir/timing.csv" -- "$cmd" >"$workdir/timer.log" 2>&1; then
      cat "$workdir/timer.log" >&2
      die "timing failed: $cmd"
    fi
    # The command name may hold commas; the figures are the last 7 fields.
    awk -F, 'NR == 2 { printf "%.4f\n", $(NF - 4) }' "$workdir/timing.csv"
  else
    local field=1
    [ "$metric" = cpu ] && field=2
    "$generator" measure --runs "$n" --warmup "$warmup" -- "$@" |
      awk -v f="$field" '{ printf "%.4f\n", $f }'
  fi
}

# paired_medians N COMMAND_A... -- COMMAND_B...: the median seconds of A
# and of B, run in turn (A B A B ...) after one warm-up run each, so that a
# ratio of the two is not skewed by the machine's speed drifting between
# them. Uses the own timer, whichever timer is chosen.
paired_medians() {
  local n=$1 field=1 i
  shift
  [ "$metric" = cpu ] && field=2
  local a=() b=()
  while [ "$1" != -- ]; do a+=("$1"); shift; done
  shift
  b=("$@")
  "$generator" measure --runs 1 --warmup 1 -- "${a[@]}" >/dev/null
  "$generator" measure --runs 1 --warmup 1 -- "${b[@]}" >/dev/null
  for ((i = 0; i < n; i++)); do
    "$generator" measure --runs 1 --warmup 0 -- "${a[@]}" | awk -v f="$field" '{ print "a", $f }'
    "$generator" measure --runs 1 --warmup 0 -- "${b[@]}" | awk -v f="$field" '{ print "b", $f }'
  done | sort -k1,1 -k2,2g | awk -v n="$n" '
    { v[$1, ++c[$1]] = $2 }
    END { m = int((n + 1) / 2); printf "%.4f %.4f\n", v["a", m], v["b", m] }'
}

# peak_kib COMMAND...: the peak resident set of one run, in KiB.
peak_kib() {
  "$generator" measure --runs 1 --warmup 0 -- "$@" | cut -d' ' -f3
}

# calc EXPRESSION [name=value...]: floating-point arithmetic, 3 decimals.
calc() {
  local expr=$1 args=()
  shift
  for a in "$@"; do args+=(-v "$a"); done
  awk "${args[@]}" "BEGIN { printf \"%.3f\", $expr }"
}

passed=0
failed=0
# judge VALUE le|ge LIMIT: sets v to PASS or FAIL, and counts it.
judge() {
  if awk -v x="$1" -v l="$3" -v op="$2" 'BEGIN { exit !(op == "le" ? x <= l : x >= l) }'; then
    passed=$((passed + 1))
    v=PASS
  else
    failed=$((failed + 1))
    v=FAIL
  fi
}

# size_note ACTUAL NOMINAL UNIT: says when a workload is not the size that
# the target is set at; the verdict then only hints.
size_note() {
  if [ "$1" != "$2" ]; then
    if [ "$3" = MB ]; then
      echo " (at $(mb "$1") MB; the target is set at $(mb "$2") MB)"
    else
      echo " (the target is set at $2 $3)"
    fi
  fi
}

mib() { calc 'k / 1024' "k=$1"; }
mb() { awk -v b="$1" 'BEGIN { printf "%.4g", b / 1000000 }'; }

# expect WHAT WANTED COMMAND...: the command's output must be exactly WANTED.
expect() {
  local what=$1 wanted=$2 got
  shift 2
  got=$("$@") || die "$what: '$*' failed"
  [ "$got" = "$wanted" ] || die "$what: '$*' printed '$got', not '$wanted'"
}

awk_select=(awk -v "section=$big_section" -v "key=$big_key" -f "$root/bench/select.awk")
have_git=0
command -v git >/dev/null && have_git=1

# Every compared tool must find the same value before any timing counts.
expect "big file" "$big_value" "$binary" -f "$workdir/big.ini" -s "$big_section" "$big_key"
expect "tenth file" "$tenth_value" "$binary" -f "$workdir/tenth.ini" -s "$tenth_section" "$tenth_key"
expect "awk on the big file" "$big_value" "${awk_select[@]}" "$workdir/big.ini"
if [ "$have_git" = 1 ]; then
  expect "git on the big file" "$big_value" \
    git config -f "$workdir/big.ini" --get "$big_section.$big_key"
fi
expect "sections of the big file" "$big_sections" \
  sh -c '"$1" -f "$2" -q sections | wc -l' sh "$binary" "$workdir/big.ini"
expect "wide section" "$opt_wide" \
  sh -c '"$1" -f "$2" -s wide -l | wc -l' sh "$binary" "$workdir/wide.ini"
expect "small wide section" "$opt_wide_small" \
  sh -c '"$1" -f "$2" -s wide -l | wc -l' sh "$binary" "$workdir/wide-small.ini"
expect "sections file" "$opt_sections" \
  sh -c '"$1" -f "$2" -q sections | wc -l' sh "$binary" "$workdir/sections.ini"
expect "long line" "$((long_value_bytes + 1))" \
  sh -c '"$1" -f "$2" -s long value | wc -c' sh "$binary" "$workdir/long.ini"

cpu=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo 2>/dev/null || true)
ram=$(awk '/^MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo 2>/dev/null || true)
timer_name=$timer
[ "$timer" = hyperfine ] && timer_name=$(hyperfine --version)
echo "inipick benchmark, $(date -u +%Y-%m-%d): $(nproc) cores, ${cpu:-unknown CPU}, ${ram:-unknown RAM}"
echo "timer: $timer_name, $metric time; medians of $runs runs (big inputs) and $small_runs runs (small inputs)"
echo "big file: $(mb "$big_bytes") MB, $big_lines lines, $big_sections sections," \
  "$big_continued continuation lines; tenth: $(mb "$tenth_bytes") MB"
echo

# Target 1: one variable from the last section of the big file.
select_big=("$binary" -f "$workdir/big.ini" -s "$big_section" "$big_key")
read -r t_ini t_wc < <(paired_medians "$runs" "${select_big[@]}" -- wc -l "$workdir/big.ini")
t_awk=$(median_seconds "$runs" "${awk_select[@]}" "$workdir/big.ini")
rss_big=$(peak_kib "${select_big[@]}")
note=$(size_note "$opt_big" 1000000000 MB)
r=$(calc 'a / b' "a=$t_ini" "b=$t_wc")
judge "$r" le 1.5
echo "target 1  select, big file: inipick ${t_ini} s, wc -l ${t_wc} s, timed in turn:" \
  "${r}x wc -l (max 1.5x) $v$note"
if [ "$have_git" = 1 ]; then
  t_git=$(median_seconds "$runs" git config -f "$workdir/big.ini" --get "$big_section.$big_key")
  r=$(calc 'a / b' "a=$t_git" "b=$t_ini")
  judge "$r" ge 2.5
  echo "target 1  select, big file: git config ${t_git} s: inipick ${r}x faster (min 2.5x)" \
    "$v$note"
else
  echo "target 1  select, big file: git config not installed, not compared"
fi
r=$(calc 'a / b' "a=$t_awk" "b=$t_ini")
judge "$r" ge 2.5
echo "target 1  select, big file: awk ${t_awk} s: inipick ${r}x faster (min 2.5x)" \
  "$v$note"
judge "$(mib "$rss_big")" le 6
echo "target 1  select, big file: peak RSS $(mib "$rss_big") MiB (max 6 MiB) $v$note"

# Target 2: every variable of one wide section.
t=$(median_seconds "$runs" "$binary" -f "$workdir/wide.ini" -s wide -l)
judge "$t" le 0.4
echo "target 2  -l over $opt_wide variables: ${t} s (max 0.4 s)" \
  "$v$(size_note "$opt_wide" 1000000 variables)"
rss=$(peak_kib "$binary" -f "$workdir/wide.ini" -s wide -l)
r=$(calc 'k * 1024 / b' "k=$rss" "b=$wide_bytes")
judge "$r" le 3
echo "target 2  -l over $opt_wide variables: peak RSS $(mib "$rss") MiB: ${r}x the" \
  "$(mb "$wide_bytes") MB input (max 3x) $v$(size_note "$opt_wide" 1000000 variables)"
t=$(median_seconds "$runs" "$binary" -f "$workdir/wide-small.ini" -s wide -l)
judge "$t" le 0.2
echo "target 2  -l over $opt_wide_small variables: ${t} s (max 0.2 s)" \
  "$v$(size_note "$opt_wide_small" 100000 variables)"

# Target 3: the section list, timed in turn with target 1's run.
read -r t t1 < <(paired_medians "$runs" "$binary" -f "$workdir/big.ini" -q sections \
  -- "${select_big[@]}")
r=$(calc 'a / b' "a=$t" "b=$t1")
judge "$r" le 1.3
echo "target 3  -q sections, big file: ${t} s: ${r}x target 1 (${t1} s, timed in turn; max 1.3x)" \
  "$v$note"
t=$(median_seconds "$runs" "$binary" -f "$workdir/sections.ini" -q sections)
judge "$t" le 0.15
echo "target 3  -q sections over $opt_sections sections: ${t} s (max 0.15 s)" \
  "$v$(size_note "$opt_sections" 200000 sections)"

# Target 4: memory for one long line, selected and printed.
rss=$(peak_kib "$binary" -f "$workdir/long.ini" -s long value)
r=$(calc 'k * 1024 / b' "k=$rss" "b=$opt_long")
judge "$r" le 2.2
echo "target 4  line of $(mb "$opt_long") MB: peak RSS $(mib "$rss") MiB: ${r}x the line" \
  "(max 2.2x) $v$(size_note "$opt_long" 120000000 MB)"

# Target 5: start-up on a small file.
read -r t_ini t_cat < <(paired_medians "$small_runs" "$binary" -f "$app_ini" -s db host port \
  -- cat "$app_ini")
r=$(calc 'a / b' "a=$t_ini" "b=$t_cat")
judge "$r" le 1.3
echo "target 5  1 KB file: inipick $(calc 'a * 1000' "a=$t_ini") ms," \
  "cat $(calc 'a * 1000' "a=$t_cat") ms, timed in turn: ${r}x cat (max 1.3x) $v"

# Target 6: linear growth, against a file a tenth the size.
t_tenth=$(median_seconds "$runs" "$binary" -f "$workdir/tenth.ini" -s "$tenth_section" "$tenth_key")
t_big=$(median_seconds "$runs" "${select_big[@]}")
r=$(calc 'big / (tenth * bb / tb)' "big=$t_big" "tenth=$t_tenth" "bb=$big_bytes" "tb=$tenth_bytes")
judge "$r" le 1.15
echo "target 6  growth: big file ${t_big} s, tenth ${t_tenth} s: ${r}x ten times the tenth" \
  "(max 1.15x) $v$note"

# NUL bytes: what follows a line's first NUL is never kept, so a stream of
# them (three times the big file) runs in bounded memory at the speed of
# wc -l on the same stream, timed in turn.
nul_bytes=$((opt_big * 3))
nul_ini=(sh -c 'head -c "$1" /dev/zero | "$2" -f - -s a b' sh "$nul_bytes" "$binary")
read -r t tw < <(paired_medians "$runs" "${nul_ini[@]}" \
  -- sh -c 'head -c "$1" /dev/zero | wc -l' sh "$nul_bytes")
r=$(calc 'a / b' "a=$t" "b=$tw")
judge "$r" le 1.5
echo "target 7  NUL stream of $(mb "$nul_bytes") MB: inipick ${t} s, wc -l ${tw} s, timed in turn:" \
  "${r}x wc -l (max 1.5x) $v"
rss=$(peak_kib "${nul_ini[@]}")
judge "$(mib "$rss")" le 16
echo "target 7  NUL stream: peak RSS $(mib "$rss") MiB (max 16 MiB) $v"

echo
echo "summary: PASS $passed of $((passed + failed))"
if [ "$strict" = 1 ] && [ "$failed" -gt 0 ]; then exit 1; fi
exit 0
