# SPDX-License-Identifier: BSD-2-Clause
# The release records name the program's version: debian/changelog's top
# entry (else the package would carry a stale version) and a section of
# CHANGELOG.md, the record for users.
# Usage: bash release_test.sh SOURCE_DIR INIPICK_BINARY
set -uo pipefail
src=$1
bin=$2
source "$src/tests/packaging/lib.sh"

version=$("$bin" -V)
version=${version#inipick }
expect_true "the program prints a version" test -n "$version"
# A native package: the version has no Debian revision.
expect_eq "debian/changelog's top entry" "inipick ($version)" \
  "$(sed -n '1s/^\(inipick ([^)]*)\).*/\1/p' "$src/debian/changelog")"
expect_eq "CHANGELOG.md's newest section" "$version" \
  "$(sed -n 's/^## \([0-9][0-9.]*\)\( .*\)\{0,1\}$/\1/p' "$src/CHANGELOG.md" | head -n 1)"

finish
