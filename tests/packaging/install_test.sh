# SPDX-License-Identifier: BSD-2-Clause
# `cmake --install` into a fresh prefix puts every file where the tools look
# for it, and what it installed works from there.
# Usage: bash install_test.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
src=$1
build=$2
source "$src/tests/packaging/lib.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix

if ! cmake --install "$build" --prefix "$prefix" >"$tmp/log" 2>&1; then
  cat "$tmp/log"
  expect_true "cmake --install succeeds" false
  finish
  exit
fi

# The conventional places, or those the cache overrides them with.
cache() { # NAME DEFAULT
  local value
  value=$(sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt")
  value=${value:-$2}
  if [[ $value == /* ]]; then echo "$value"; else echo "$prefix/$value"; fi
}
bin_dir=$(cache CMAKE_INSTALL_BINDIR bin)
man_dir=$(cache CMAKE_INSTALL_MANDIR share/man)
bash_dir=$(cache INIPICK_BASH_COMPLETION_DIR share/bash-completion/completions)
zsh_dir=$(cache INIPICK_ZSH_COMPLETION_DIR share/zsh/site-functions)

# Installed file | its source in the tree ("-" for the built binary).
files=(
  "$bin_dir/inipick|-"
  "$man_dir/man1/inipick.1|man/inipick.1"
  "$bash_dir/inipick|completions/inipick.bash"
  "$zsh_dir/_inipick|completions/_inipick"
)
for f in "${files[@]}"; do
  installed=${f%%|*}
  from=${f#*|}
  expect_true "installed ${installed#"$prefix"/}" test -f "$installed"
  [[ $from == - ]] || expect_true "${installed#"$prefix"/} is $from" cmp -s "$installed" "$src/$from"
done
expect_true "the binary is executable" test -x "$bin_dir/inipick"
expect_eq "the installed binary runs" "Supported backends: ini" "$("$bin_dir/inipick" -T 2>&1)"

# man finds the page by name through MANPATH, as after a real install.
expect_true "man finds inipick(1) under the prefix" \
  bash -c "MANPATH='$man_dir' MANWIDTH=80 man 1 inipick 2>&1 | grep -q '^NAME'"

# The bash completion registers itself when bash-completion loads the file.
expect_eq "the installed bash completion registers _inipick" "complete -F _inipick inipick" \
  "$(bash --norc -c "source '$bash_dir/inipick' && complete -p inipick" 2>&1)"
if command -v zsh >/dev/null; then
  expect_true "the zsh completion parses" zsh -n "$zsh_dir/_inipick"
else
  echo "zsh not installed: its syntax check skipped"
fi

# Every file cmake installed is one of the above: nothing stray.
expect_eq "nothing else is installed" "$(printf '%s\n' "${files[@]%%|*}" | sort)" \
  "$(find "$prefix" -type f | sort)"

finish
