#!/usr/bin/env bash
# SPDX-License-Identifier: BSD-2-Clause
# A value of more than 4 GiB, whose sizes the variable table keeps in front
# of its text rather than in the entry. Opt-in (cmake -DINIPICK_HUGE_TESTS=ON,
# then ctest -L huge): it needs a 64-bit system, about 9 GiB of memory and
# 4 GiB of disk, and takes a minute or two.
# Usage: four_gib_value_test.sh INIPICK
set -euo pipefail
bin=$1
if [ "$(getconf LONG_BIT)" != 64 ]; then
  echo "a value of 4 GiB cannot be held here"
  exit 77
fi
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
size=$(((1 << 32) + 3))
xs() { head -c "$size" /dev/zero | tr '\0' x; }

{ printf '[s]\nbig = '; xs; printf 'y\nsmall = 1\n'; } >"$dir/big.ini"
cmp <(printf 'big='; xs; printf 'y\nsmall=1\n') <("$bin" -f "$dir/big.ini" -s s -l)
cmp <(printf "big='"; xs; printf "y'\nsmall='1'\n") <("$bin" -S -f "$dir/big.ini" -s s -l)
# A later definition takes over the long entry's room.
printf 'big = short\n' >>"$dir/big.ini"
[ "$("$bin" -f "$dir/big.ini" -s s -l)" = "$(printf 'big=short\nsmall=1')" ]
echo "a value of $size bytes kept, quoted and replaced"
