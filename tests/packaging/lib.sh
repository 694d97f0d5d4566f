# SPDX-License-Identifier: BSD-2-Clause
# Shared helpers of the packaging tests: counters, comparisons, and the
# runner for documented command transcripts. Sourced, never run.

passed=0
failed=0

# expect_eq NAME EXPECTED ACTUAL
expect_eq() {
  if [[ $2 == "$3" ]]; then
    ((++passed))
  else
    ((++failed))
    printf 'FAIL %s\n--- expected\n%s\n--- actual\n%s\n---\n' "$1" "$2" "$3"
  fi
}

# expect_true NAME COMMAND...
expect_true() {
  local name=$1 status=0
  shift
  "$@" || status=$?
  if ((status == 0)); then
    ((++passed))
  else
    ((++failed))
    printf 'FAIL %s (status %d): %s\n' "$name" "$status" "$*"
  fi
}

# Prints the closing tally and exits non-zero when anything failed.
finish() {
  printf '%d passed, %d failed\n' "$passed" "$failed"
  ((failed == 0 && passed > 0))
}

# run_transcript NAME DIR < transcript
# A transcript holds commands on lines that begin with "$ ", each followed
# by the exact standard output it prints, up to the next command or blank
# line. Every command runs in DIR under bash and must print exactly that
# and exit with status 0. Fails when the transcript holds no command.
run_transcript() {
  local name=$1 dir=$2 line cmd='' expected='' have=0 count=0
  local -a cmds=() outs=()
  while IFS= read -r line || [[ -n $line ]]; do
    if [[ $line == '$ '* ]]; then
      ((have)) && cmds+=("$cmd") outs+=("$expected")
      cmd=${line#'$ '} expected='' have=1
    elif [[ -z $line ]]; then
      ((have)) && cmds+=("$cmd") outs+=("$expected")
      have=0
    elif ((have)); then
      expected+=${expected:+$'\n'}$line
    fi
  done
  ((have)) && cmds+=("$cmd") outs+=("$expected")
  local i actual status
  for i in "${!cmds[@]}"; do
    actual=$(cd "$dir" && bash --norc -c "${cmds[i]}" 2>&1)
    status=$?
    expect_eq "$name: \$ ${cmds[i]} (status $status)" "${outs[i]}" \
      "$actual$( ((status == 0)) || printf '\n[exit status %d]' "$status")"
    ((++count))
  done
  expect_true "$name: the transcript holds commands" test "$count" -gt 0
}
