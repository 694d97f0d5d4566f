# SPDX-License-Identifier: BSD-2-Clause
# The manual page renders without warnings and agrees with the program: its
# synopsis is the usage text's, it documents every option the usage text
# lists, its version is the program's, and its examples print what it says.
# Usage: bash man_page_test.sh SOURCE_DIR INIPICK_BINARY
set -uo pipefail
src=$1
bin=$2
page=$src/man/inipick.1
source "$src/tests/packaging/lib.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Lint: groff with every warning on; mandoc's stricter checker when present.
expect_eq "groff -man -ww -z is silent" "" "$(groff -man -ww -z "$page" 2>&1)"
if command -v mandoc >/dev/null; then
  expect_eq "mandoc -Tlint is silent" "" "$(mandoc -Tlint "$page" 2>&1)"
else
  echo "mandoc not installed: its lint skipped"
fi
expect_eq "man -l renders without warnings at 80 columns" "" \
  "$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)"

# One line per paragraph, plain ASCII: easy to take apart.
LC_ALL=C MANWIDTH=250 man -l "$page" >"$tmp/page.txt" 2>/dev/null
section() { # the body of one section of the rendered page, indentation kept
  awk -v want="$1" '/^[A-Z]/ { on = ($0 == want); next } on' "$tmp/page.txt"
}

expect_eq "the header names the program's version" "$("$bin" -V)" \
  "$(sed -n 's/^\.TH [^"]*"\([^"]*\)".*/\1/p' "$page")"

# The usage text's forms, continuation lines joined, against the synopsis.
"$bin" -h | awk '/^\t/ { exit } /^inipick/ { if (f) print f; f = $0; next }
                 /^ / { sub(/^ +/, " "); f = f $0 } END { if (f) print f }' >"$tmp/usage"
section SYNOPSIS | sed -n 's/^ *\(inipick\)/\1/p' | tr -s ' ' >"$tmp/synopsis"
expect_eq "the synopsis shows the usage text's forms" "$(cat "$tmp/usage")" "$(cat "$tmp/synopsis")"

# Every option letter of the usage text's list has its own entry.
section OPTIONS >"$tmp/options"
while IFS= read -r letter; do
  expect_true "OPTIONS documents -$letter" grep -Eq -- "^       -$letter( |,|\$)" "$tmp/options"
done < <("$bin" -h | sed -n 's/^\t-\(.\)\t.*/\1/p')
for long in --help --version; do
  expect_true "OPTIONS documents $long" grep -Eq -- "^       -., $long\$" "$tmp/options"
done

# The examples run on the file that the page shows, and print what it shows.
section EXAMPLES >"$tmp/examples"
awk 'f && /^       [^ ]/ { exit } f && !started && /^$/ { next }
     f { started = 1; sub(/^           /, ""); print } /read this file, app\.ini:$/ { f = 1 }' \
  "$tmp/examples" >"$tmp/app.ini"
expect_true "the examples show their INI file" grep -q '^\[db\]$' "$tmp/app.ini"
PATH=$(dirname "$bin"):$PATH run_transcript "man EXAMPLES" "$tmp" \
  < <(sed -n 's/^           //p; /^$/p' "$tmp/examples")

finish
