# SPDX-License-Identifier: BSD-2-Clause
# Loads one section of an INI file into shell variables, the safe way.
# Source it from sh, bash, dash or zsh (inipick must be on PATH):
#
#   . examples/load-section.sh
#   ini_load_section examples/app.ini db DB_ || exit 1
#   echo "$DB_host:$DB_port"
#
# ini_load_section [-O] FILE SECTION PREFIX
#   Sets PREFIXname for every variable of SECTION whose name is a valid
#   shell name; other names are skipped. With -O the variables placed
#   before the first section header are loaded too, as defaults. PREFIX
#   must itself be a shell name (letters, digits, underscores), so that
#   the file can never set a variable of the script outside that namespace.
#   On any error (a missing file, a syntax error, an invalid prefix)
#   nothing is set, a message goes to standard error and the status is
#   not 0.
ini_load_section() {
  _ini_load_opt=
  if [ "${1-}" = -O ]; then
    _ini_load_opt=-O
    shift
  fi
  if [ $# -ne 3 ]; then
    echo "usage: ini_load_section [-O] FILE SECTION PREFIX" >&2
    return 2
  fi
  case $3 in
    '' | [0-9]* | *[!A-Za-z0-9_]*)
      echo "ini_load_section: the prefix must be a shell name: $3" >&2
      return 2
      ;;
  esac
  # -S quotes every value; the anchored pattern admits only names that make
  # each output line a plain assignment. The status is checked before eval:
  # output of a failed run is never evaluated.
  _ini_load_vars=$(inipick -S -p "$3" -x $_ini_load_opt -f "$1" -s "$2" \
    -L '^[A-Za-z_][A-Za-z0-9_]*$') || {
    unset _ini_load_opt _ini_load_vars
    return 1
  }
  eval "$_ini_load_vars"
  unset _ini_load_opt _ini_load_vars
}
