# SPDX-License-Identifier: BSD-2-Clause
# Every file git tracks states its licence: an SPDX-License-Identifier line
# at its top (after a #! or #compdef line), a FILE.license beside it, or an
# entry in REUSE.toml for files that cannot hold a comment. Untracked files,
# such as build folders and a package build's outputs, are not judged.
# Usage: bash spdx_test.sh SOURCE_DIR [TREE]
# TREE, the work tree to judge, defaults to SOURCE_DIR. Exits 77 (skipped)
# outside a git work tree, as in an exported source, where build outputs
# cannot be told from the project's files.
set -uo pipefail
src=$1
source "$src/tests/packaging/lib.sh"
cd "${2:-$src}" || exit 1
top=$(git rev-parse --show-toplevel 2>/dev/null)
if [[ -z $top || $(cd "$top" && pwd -P) != "$(pwd -P)" ]]; then
  echo "not a git work tree: skipped"
  exit 77
fi
tag='SPDX-License-Identifier: BSD-2-Clause'

# REUSE.toml globs as regular expressions: ** crosses folders, * does not.
glob_regex() {
  local glob=$1 re='' c i
  for ((i = 0; i < ${#glob}; i++)); do
    c=${glob:i:1}
    if [[ $c == '*' && ${glob:i+1:1} == '*' ]]; then
      re+='.*'
      ((++i))
    elif [[ $c == '*' ]]; then
      re+='[^/]*'
    elif [[ $c == [][.^\$+?\(\)\{\}\|\\] ]]; then
      re+="\\$c"
    else
      re+=$c
    fi
  done
  printf '^%s$' "$re"
}
globs=()
if [[ -f REUSE.toml ]]; then
  while IFS= read -r glob; do globs+=("$glob"); done < <(
    sed -n 's/^path *= *//p' REUSE.toml | tr -d '[]' | tr ',' '\n' | sed -n 's/^ *"\(.*\)" *$/\1/p')
  expect_true "REUSE.toml names its paths" test ${#globs[@]} -gt 0
fi
regexes=()
for glob in "${globs[@]}"; do regexes+=("$(glob_regex "$glob")"); done

# A new file is judged once it is added.
mapfile -d '' files < <(git ls-files -z)
used=()
missing=()
for f in "${files[@]}"; do
  [[ -f $f && ! -L $f ]] || continue
  covered=0
  for i in "${!regexes[@]}"; do
    if [[ $f =~ ${regexes[i]} ]]; then
      covered=1
      used[i]=1
    fi
  done
  ((covered)) && continue
  [[ $f == LICENSE || $f == *.license ]] && continue
  [[ -f $f.license ]] && grep -qF "$tag" "$f.license" && continue
  head=$(head -n 2 -- "$f" | tr -d '\0')
  first=${head%%$'\n'*}
  [[ $first == *"$tag"* ]] && continue
  [[ ($first == '#!'* || $first == '#compdef'*) && ${head#*$'\n'} == *"$tag"* ]] && continue
  missing+=("$f")
done
expect_eq "files without an SPDX line at their top or a REUSE.toml entry" "" \
  "$(printf '%s\n' "${missing[@]}" | sed '/^$/d')"
for i in "${!globs[@]}"; do
  expect_true "REUSE.toml path ${globs[i]} covers a file" test -n "${used[i]:-}"
done
expect_true "LICENSE is the BSD 2-Clause licence" grep -q '^BSD 2-Clause License$' LICENSE
finish
