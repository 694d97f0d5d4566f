# SPDX-License-Identifier: BSD-2-Clause
# spdx_test.sh judges exactly what git tracks: in a scratch repository a
# tracked file without a licence line fails it and is the one named, while
# untracked files, build outputs among them, never do; outside a work tree
# it skips.
# Usage: bash spdx_scope_test.sh SOURCE_DIR
set -uo pipefail
src=$1
source "$src/tests/packaging/lib.sh"
command -v git >/dev/null || { echo "git not installed: skipped"; exit 77; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
repo=$tmp/repo
mkdir -p "$repo/src" "$repo/obj-x86_64-linux-gnu" "$repo/debian" "$tmp/plain"
cp "$src/LICENSE" "$repo/"
printf '#!/bin/sh\n# SPDX-License-Identifier: BSD-2-Clause\n' >"$repo/src/good.sh"
printf 'no licence here\n' >"$repo/src/bad.txt"
for stray in obj-x86_64-linux-gnu/CMakeCache.txt debian/inipick.debhelper.log stray.txt; do
  printf 'a build output\n' >"$repo/$stray"
done
git -C "$repo" init -q && git -C "$repo" add LICENSE src || exit 1

# spdx_test.sh's output: its status, then the files its first check names.
judge() {
  local out status
  out=$(bash --norc "$src/tests/packaging/spdx_test.sh" "$src" "$1")
  status=$?
  echo "status $status"
  sed -n '/^FAIL files without/,/^---$/{/^--- actual$/,/^---$/p}' <<<"$out" | sed '1d;$d'
}
expect_eq "a tracked file without an SPDX line fails, and only it is named" \
  $'status 1\nsrc/bad.txt' "$(judge "$repo")"
git -C "$repo" rm -q --cached src/bad.txt
expect_eq "once untracked, no file fails" "status 0" "$(judge "$repo")"
expect_eq "outside a git work tree: skipped" "status 77" "$(judge "$tmp/plain")"
finish
