# SPDX-License-Identifier: BSD-2-Clause
# Drives the bash completion function the way bash does on Tab: COMP_WORDS,
# COMP_CWORD, COMP_LINE and COMP_POINT for a typed line, then COMPREPLY.
# The completion calls inipick from PATH, here the built one.
# Usage: bash --norc completion_test.sh SOURCE_DIR INIPICK_BINARY
set -uo pipefail
src=$1
PATH=$(dirname "$2"):$PATH
source "$src/tests/packaging/lib.sh"
source "$src/completions/inipick.bash"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
cd "$tmp" || exit 1

cat >app.ini <<'EOF'
region = eu
retries = 3

[db]
host = alpha
port = 5432
password = x

[web server]
listen = :8080
db:url = postgres://alpha
na$me = 1

[db]
pool = 4
EOF
printf '[a]\nno equals sign here\n' >broken.ini
printf '[only]\nkey = v\n' >nodefaults.ini
mkdir conf.d
touch conf.d/main.ini conf.d/extra.ini

# Splits a line into COMP_WORDS as bash does: at unquoted blanks, and around
# the word-break characters = and :, which become words of their own.
split_like_bash() {
  local line=$1 word='' quote='' ch i
  COMP_WORDS=()
  for ((i = 0; i < ${#line}; i++)); do
    ch=${line:i:1}
    if [[ -n $quote ]]; then
      word+=$ch
      [[ $ch == "$quote" ]] && quote=''
      continue
    fi
    case $ch in
      "'" | '"') quote=$ch word+=$ch ;;
      ' ') [[ -n $word ]] && COMP_WORDS+=("$word"); word='' ;;
      = | :) [[ -n $word ]] && COMP_WORDS+=("$word"); COMP_WORDS+=("$ch"); word='' ;;
      *) word+=$ch ;;
    esac
  done
  # A word break at the very end is the current word itself.
  [[ -n $word || $line != *[=:] ]] && COMP_WORDS+=("$word")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE=$line
  COMP_POINT=${#line}
}

# complete LINE: the answers to Tab at the end of LINE, one per line.
complete_line() {
  split_like_bash "$1"
  COMPREPLY=()
  _inipick
  ((${#COMPREPLY[@]} == 0)) || printf '%s\n' "${COMPREPLY[@]}"
}

options=$(inipick -h | sed -n 's/^\t\(-.\)\t.*/\1/p'; printf '%s\n' --help --version)
nl=$'\n'

# Typed line | expected answers, separated by commas ("-" for none).
cases=(
  "inipick -|${options//$nl/,}"
  "inipick --|--help,--version"
  "inipick -q |sections,features,feature"
  "inipick -q feat|features,feature"
  "inipick -t |ini"
  "inipick -q feature |BASE,REGEX,REGEX_IMPL_C_PCRE2"
  # Files, and sections in order of first appearance, each once.
  "inipick -f conf.d/m|conf.d/main.ini"
  "inipick -f app.ini -s |db,web\\ server"
  "inipick -s|-s"
  "inipick -f app.ini -s w|web\\ server"
  "inipick -f app.ini -s 'web s|web\\ server"
  "inipick -fapp.ini -sd|-sdb"
  "inipick -Sf app.ini -s |db,web\\ server"
  "inipick -f - -s |-"
  "inipick -f missing.ini -s |-"
  "inipick -f broken.ini -s |-"
  "inipick -s db -f app.ini -s |db,web\\ server"
  # Names of the chosen section, sorted, from every header of it.
  "inipick -f app.ini -s db |host,password,pool,port"
  "inipick -f app.ini -s db p|password,pool,port"
  "inipick -f app.ini -sdb -N -p X_ p|password,pool,port"
  "inipick -f app.ini -s db port |host,password,pool"
  "inipick -f app.ini -s db -L |host,password,pool,port"
  "inipick -f app.ini -s db -- |host,password,pool,port"
  "inipick -f app.ini -O -s db r|region,retries"
  "inipick -f nodefaults.ini |key"
  "inipick -f app.ini |region,retries"
  "inipick -f app.ini -s '' |region,retries"
  "inipick -f app.ini -s 'web server' |db:url,listen,na\\\$me"
  "inipick -f app.ini -s 'web server' db:|:url"
  "inipick -f app.ini -s 'web server' db:u|url"
  # Requests that take no names, and no options after the first name.
  "inipick -f app.ini -s db -l |-"
  "inipick -f app.ini -q sections |-"
  "inipick -f app.ini -q features |-"
  "inipick -f app.ini -s db host -|-"
)
for c in "${cases[@]}"; do
  line=${c%%|*}
  want=${c#*|}
  [[ $want == - ]] && want=''
  expect_eq "$line<Tab>" "${want//,/$nl}" "$(complete_line "$line")"
done

# Tab must not run what is typed: quotes are removed, nothing is expanded.
complete_line "inipick -f \"\$(touch pwned)app.ini\" -s " >/dev/null
complete_line "inipick -f \"\`touch pwned\`\" -s " >/dev/null
expect_true "completing runs nothing that is typed" test ! -e pwned

expect_eq "registered for inipick" "complete -F _inipick inipick" "$(complete -p inipick)"

finish
