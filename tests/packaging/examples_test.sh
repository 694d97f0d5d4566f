# SPDX-License-Identifier: BSD-2-Clause
# The shipped examples work as documented: the loader script sets exactly the
# safe variables in every common shell and nothing on error, the example
# files parse, and every transcript of the README and of docs/*.md prints
# what the page shows.
# Usage: bash examples_test.sh SOURCE_DIR INIPICK_BINARY
set -uo pipefail
src=$1
PATH=$(dirname "$2"):$PATH
source "$src/tests/packaging/lib.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp" || exit 1

cat >hostile.ini <<'EOF'
[s]
PATH = /nowhere
ok = $(touch pwned-value)
quote = '; touch pwned-quote; '
x;touch${IFS}pwned-name = 1
$(touch${IFS}pwned-subst) = 1
a/b = 1
_under = 2
EOF
printf '[s]\ngood = 1\n[t]\nbroken line\n' >broken.ini
printf '[s]\n\xff = 1\nplain = 2\n' >latin1.ini

# Runs the loader in shell $1 with the arguments $3..., then prints its
# status and each variable named in $2 (blank-separated) or "unset".
load() {
  local shell=$1 show=$2
  shift 2
  # shellcheck disable=SC2016 # expanded by the shell under test
  "$shell" -c '. "$1"; shift; show=$1; shift
    PATH_BEFORE=$PATH
    ini_load_section "$@"; echo "status $?"
    [ "$PATH" = "$PATH_BEFORE" ] || echo "PATH changed"
    eval "set -- $show"
    for n; do
      eval "isset=\${$n+x}"
      if [ -n "$isset" ]; then eval "printf \"%s=%s\\n\" \$n \"\$$n\""; else echo "$n unset"; fi
    done' load "$src/examples/load-section.sh" "$show" "$@" 2>/dev/null
}

nl=$'\n'
# Variables to show | loader arguments | expected lines, "^" between them.
cases=(
  "DB_host DB_port DB_password DB_options|$src/examples/app.ini db DB_|status 0^DB_host=alpha^DB_port=5432^DB_password=s3cr3t'quote^DB_options=sslmode=require           connect_timeout=10"
  "P_PATH P_ok P_quote P__under P_a|hostile.ini s P_|status 0^P_PATH=/nowhere^P_ok=\$(touch pwned-value)^P_quote='; touch pwned-quote; '^P__under=2^P_a unset"
  "S_timeout S_retries S_port|-O $src/examples/service.ini database S_|status 0^S_timeout=5^S_retries=3^S_port=5432"
  "S_timeout S_retries S_port|$src/examples/service.ini database S_|status 0^S_timeout=5^S_retries unset^S_port=5432"
  "S_timeout S_log_level|$src/examples/service.ini '' S_|status 0^S_timeout=30^S_log_level=info"
  "B_good|broken.ini s B_|status 1^B_good unset"
  "M_x|missing.ini s M_|status 1^M_x unset"
  "ok|hostile.ini s ''|status 2^ok unset"
  "ok|hostile.ini s 1x|status 2^ok unset"
  "ok|hostile.ini s 'x;touch pwned-prefix;'|status 2^ok unset"
  "A_x|hostile.ini s|status 2^A_x unset"
)
shells=(bash dash)
command -v zsh >/dev/null && shells+=(zsh)
for shell in "${shells[@]}"; do
  command -v "$shell" >/dev/null || { echo "$shell not installed: skipped"; continue; }
  for c in "${cases[@]}"; do
    IFS='|' read -r show args want <<<"$c"
    eval "set -- $args"
    expect_eq "$shell: ini_load_section $args" "${want//^/$nl}" "$(load "$shell" "$show" "$@")"
  done
done
expect_eq "no hostile name or value ran as a command" "" "$(ls -- *pwned* 2>/dev/null)"

# Under a UTF-8 locale a name that is not UTF-8 stops the whole load.
if locale -a 2>/dev/null | grep -qix 'c\.utf-\?8'; then
  expect_eq "a name that is not UTF-8 loads nothing" "status 1${nl}L_plain unset" \
    "$(LC_ALL=C.UTF-8 load bash L_plain latin1.ini s L_)"
fi

expect_eq "examples/service.ini parses" "database${nl}http${nl}logging" \
  "$(inipick -f "$src/examples/service.ini" -q sections 2>&1)"

# The INI sample of docs/INI-FORMAT.md reads as the text around it says.
awk '/^```ini$/ { on = 1; next } /^```/ { on = 0 } on' "$src/docs/INI-FORMAT.md" >format.ini
expect_eq "the INI format page's sample" "empty=
key=value
long=first part        continued, leading blanks and all
path=C:\\tools\\bin" "$(inipick -f format.ini -s 'section name' -l 2>&1)"
expect_eq "the INI format page's sample, before the first header" \
  "top=defaults before the first header   ; not a comment: part of the value" \
  "$(inipick -f format.ini -s '' -l 2>&1)"

# Commands in ```console blocks, after "$ ", run from the top of the tree and
# print what follows them: in the README, which must hold some, and in every
# page of docs/ that holds such a block.
transcript() {
  awk '/^```console$/ { on = 1; next } /^```/ { if (on) print ""; on = 0; next } on' "$src/$1"
}
run_transcript README.md "$src" < <(transcript README.md)
for page in "$src"/docs/*.md; do
  page=${page#"$src/"}
  grep -qx '```console' "$src/$page" && run_transcript "$page" "$src" < <(transcript "$page")
done

finish
