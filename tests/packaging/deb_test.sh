# SPDX-License-Identifier: BSD-2-Clause
# `cpack -G DEB` makes a .deb with the right control fields, dependencies
# found from the linked libraries, and exactly the files a user needs, laid
# out as Debian expects.
# Usage: bash deb_test.sh SOURCE_DIR BUILD_DIR INIPICK_BINARY
set -uo pipefail
src=$1
build=$2
bin=$3
source "$src/tests/packaging/lib.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

version=$("$bin" -V)
version=${version#inipick }
arch=$(dpkg --print-architecture)
deb=$tmp/out/inipick_${version}-1_${arch}.deb

if ! (cd "$tmp" && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/out") >"$tmp/log" 2>&1 ||
  [[ ! -f $deb ]]; then
  cat "$tmp/log"
  ls "$tmp/out" 2>/dev/null
  expect_true "cpack -G DEB makes ${deb##*/}" false
  finish
  exit
fi

# Control field | expected value (a pattern).
fields=(
  "Package|inipick"
  "Version|$version-1"
  "Architecture|$arch"
  "Section|utils"
  "Maintainer|?*<?*@?*>"
  "Description|?*"
  "Depends|*libpcre2-8-0 (>= *)*"
  "Depends|*libc6 (>= *)*"
)
for f in "${fields[@]}"; do
  name=${f%%|*}
  value=$(dpkg-deb -f "$deb" "$name")
  # shellcheck disable=SC2053 # the expected value is a pattern
  if [[ $value == ${f#*|} ]]; then
    ((++passed))
  else
    ((++failed))
    printf 'FAIL control field %s: %q does not match %s\n' "$name" "$value" "${f#*|}"
  fi
done
expect_true "the description has a long part" test "$(dpkg-deb -f "$deb" Description | wc -l)" -gt 1

# The files, their modes and owners: nothing missing, nothing stray.
expect_eq "the package's files" \
  "-rwxr-xr-x root/root ./usr/bin/inipick
-rw-r--r-- root/root ./usr/share/bash-completion/completions/inipick
-rw-r--r-- root/root ./usr/share/man/man1/inipick.1.gz
-rw-r--r-- root/root ./usr/share/zsh/vendor-completions/_inipick" \
  "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $2, $NF }' | sort -k3)"

# The unpacked files are the ones from the tree, and the binary runs.
dpkg-deb -x "$deb" "$tmp/root"
expect_eq "the packaged binary runs" "inipick $version" "$("$tmp/root/usr/bin/inipick" -V 2>&1)"
if command -v file >/dev/null; then
  expect_true "the packaged binary is stripped" \
    bash -c "! file '$tmp/root/usr/bin/inipick' | grep -q 'not stripped'"
fi
expect_eq "the packaged manual page is the tree's" "$(cat "$src/man/inipick.1")" \
  "$(gzip -dc "$tmp/root/usr/share/man/man1/inipick.1.gz")"
expect_true "the packaged bash completion is the tree's" \
  cmp -s "$tmp/root/usr/share/bash-completion/completions/inipick" "$src/completions/inipick.bash"
expect_true "the packaged zsh completion is the tree's" \
  cmp -s "$tmp/root/usr/share/zsh/vendor-completions/_inipick" "$src/completions/_inipick"

finish
