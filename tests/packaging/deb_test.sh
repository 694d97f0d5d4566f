# SPDX-License-Identifier: BSD-2-Clause
# The .deb that dpkg-buildpackage built from debian/: its control fields,
# dependencies found by dpkg-shlibdeps (the C++ runtime shared, not linked
# in), exactly the files a user needs where Debian looks for them, Debian's
# hardening in the binary, and lintian without an error or a warning.
# Usage: bash deb_test.sh SOURCE_DIR DEB [CHANGES]
# Needs dpkg-dev, lintian and hardening-check (devscripts).
set -uo pipefail
src=$1
deb=$2
changes=${3:-}
source "$src/tests/packaging/lib.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

version=$(dpkg-parsechangelog -l "$src/debian/changelog" -S Version)
upstream=$(sed -n 's/^project(inipick VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
expect_eq "debian/changelog's version is the program's" "$upstream" "${version%-*}"
arch=$(dpkg --print-architecture)
maintainer=$(sed -n 's/^Maintainer: //p' "$src/debian/control")

# Control field | expected value (a pattern).
fields=(
  "Package|inipick"
  "Version|$version"
  "Architecture|$arch"
  "Section|utils"
  "Priority|optional"
  "Maintainer|$maintainer"
  "Description|?*"
  "Depends|*libpcre2-8-0 (>= *)*"
  "Depends|*libc6 (>= *)*"
  "Depends|*libstdc++6 (>= *)*"
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
doc=./usr/share/doc/inipick
expect_eq "the package's files" \
  "-rwxr-xr-x root/root ./usr/bin/inipick
-rw-r--r-- root/root ./usr/share/bash-completion/completions/inipick
-rw-r--r-- root/root $doc/README.md.gz
-rw-r--r-- root/root $doc/changelog.Debian.gz
-rw-r--r-- root/root $doc/changelog.gz
-rw-r--r-- root/root $doc/copyright
-rw-r--r-- root/root $doc/examples/app.ini
-rw-r--r-- root/root $doc/examples/load-section.sh
-rw-r--r-- root/root $doc/examples/service.ini
-rw-r--r-- root/root ./usr/share/man/man1/inipick.1.gz
-rw-r--r-- root/root ./usr/share/zsh/vendor-completions/_inipick" \
  "$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $2, $NF }' | sort -k3)"

# The unpacked files are the ones from the tree, and the binary runs.
root=$tmp/root
dpkg-deb -x "$deb" "$root"
expect_eq "the packaged binary runs" "inipick $upstream" "$("$root/usr/bin/inipick" -V 2>&1)"
# Paths in the package | their source in the tree.
same=(
  "usr/share/man/man1/inipick.1.gz|man/inipick.1"
  "usr/share/bash-completion/completions/inipick|completions/inipick.bash"
  "usr/share/zsh/vendor-completions/_inipick|completions/_inipick"
  "usr/share/doc/inipick/changelog.gz|CHANGELOG.md"
  "usr/share/doc/inipick/copyright|debian/copyright"
  "usr/share/doc/inipick/examples/app.ini|examples/app.ini"
  "usr/share/doc/inipick/examples/service.ini|examples/service.ini"
  "usr/share/doc/inipick/examples/load-section.sh|examples/load-section.sh"
)
for s in "${same[@]}"; do
  packaged=$root/${s%%|*}
  [[ $packaged == *.gz ]] && { gzip -dc "$packaged" >"$tmp/unzipped"; packaged=$tmp/unzipped; }
  expect_true "${s%%|*} is the tree's ${s#*|}" cmp -s "$packaged" "$src/${s#*|}"
done

# Every protection Debian's hardening flags give says yes.
if command -v hardening-check >/dev/null; then
  report=$(hardening-check "$root/usr/bin/inipick")
  for feature in 'Position Independent Executable' 'Stack protected' 'Fortify Source functions' \
    'Read-only relocations' 'Immediate binding'; do
    expect_eq "hardening-check: $feature" "yes" \
      "$(sed -n "s/^ $feature: \([a-z]*\).*/\1/p" <<<"$report")"
  done
else
  expect_true "hardening-check (devscripts) is installed" false
fi
expect_true "the C++ runtime is a shared library" \
  bash -c "readelf -d '$root/usr/bin/inipick' | grep -q 'NEEDED.*libstdc++'"

# lintian: no error and no warning; info and pedantic tags are shown.
if command -v lintian >/dev/null; then
  lintian --info --display-info --pedantic "${changes:-$deb}" >"$tmp/lintian" 2>&1
  cat "$tmp/lintian"
  expect_eq "lintian reports no error or warning" "" "$(grep -E '^[EW]: ' "$tmp/lintian")"
else
  expect_true "lintian is installed" false
fi

finish
