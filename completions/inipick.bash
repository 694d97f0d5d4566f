# SPDX-License-Identifier: BSD-2-Clause
# bash completion for inipick                              -*- shell-script -*-
#
# Completes options, the words of -q, the file types of -t, files after -f,
# the sections of the file given with -f after -s, and the variable names of
# that section (or feature names after -q feature) as arguments. Names are
# read by running inipick itself, so they are exactly what it would select.
# Needs nothing from the bash-completion package.
# shellcheck disable=SC1003 # '\' is a lone backslash, not an escaped quote

# Removes the shell quoting from a word as typed (quotes, backslashes, a
# leading ~/), without eval: completing must never run what is typed.
_inipick_dequote() {
  local in=$1 out='' c q='' i
  for ((i = 0; i < ${#in}; i++)); do
    c=${in:i:1}
    if [[ $q == "'" ]]; then
      if [[ $c == "'" ]]; then q=''; else out+=$c; fi
    elif [[ $q == '"' ]]; then
      if [[ $c == '"' ]]; then
        q=''
      elif [[ $c == '\' && ${in:i+1:1} == [\"\\\$\`] ]]; then
        out+=${in:i+1:1}
        ((i++))
      else
        out+=$c
      fi
    else
      case $c in
        "'" | '"') q=$c ;;
        '\') out+=${in:i+1:1}; ((i++)) ;;
        *) out+=$c ;;
      esac
    fi
  done
  # shellcheck disable=SC2088 # the tilde is matched, not expanded
  if [[ $in == '~' || $in == '~/'* ]]; then out=$HOME${out:1}; fi
  REPLY=$out
}

# bash splits words at the characters of COMP_WORDBREAKS (= and : among
# them); glue the pieces that no blank separates back into the words that
# inipick will see. Sets _inipick_words, _inipick_cur (the current word up
# to the cursor) and _inipick_cut (the part of it that lies before bash's
# own current word, to be removed from every answer).
_inipick_split() {
  local line=${COMP_LINE:0:COMP_POINT} pos=0 start k word last=''
  _inipick_words=()
  _inipick_cut=''
  for ((k = 0; k <= COMP_CWORD; k++)); do
    word=${COMP_WORDS[k]}
    start=$pos
    while [[ ${line:pos:1} == [[:space:]] ]]; do ((pos++)); done
    if ((k == COMP_CWORD)); then
      word=${line:pos}
    elif [[ ${line:pos:${#word}} != "$word" ]]; then
      # The line does not match the words (cursor inside a word, say).
      _inipick_words=("${COMP_WORDS[@]:0:COMP_CWORD}" "${COMP_WORDS[COMP_CWORD]}")
      _inipick_cur=${COMP_WORDS[COMP_CWORD]}
      _inipick_cut=''
      return
    fi
    if ((k > 0 && pos == start)); then
      _inipick_words[-1]+=$word
    else
      _inipick_words+=("$word")
    fi
    last=$word
    ((pos += ${#word}))
  done
  _inipick_cur=${_inipick_words[-1]}
  _inipick_cut=${_inipick_cur:0:${#_inipick_cur}-${#last}}
}

# Adds the candidates $3... that begin with the dequoted prefix $1, quoted
# for the command line, each after the text $2.
_inipick_add() {
  local prefix=$1 lead=$2 name quoted
  shift 2
  for name; do
    [[ -n $name && $name == "$prefix"* ]] || continue
    printf -v quoted '%q' "$name"
    quoted=$lead$quoted
    COMPREPLY+=("${quoted#"$_inipick_cut"}")
  done
}

# Completes the argument of option $1, typed so far as $2; $3 is what stands
# before it in the same word (as in -sdb).
_inipick_optarg() {
  local opt=$1 cur=$2 lead=$3 REPLY
  _inipick_dequote "$cur"
  local prefix=$REPLY
  case $opt in
    f)
      local f
      compopt -o filenames 2>/dev/null
      while IFS= read -r f; do
        f=$lead$f
        COMPREPLY+=("${f#"$_inipick_cut"}")
      done < <(compgen -f -- "$prefix")
      ;;
    q) _inipick_add "$prefix" "$lead" sections features feature ;;
    t)
      local list
      list=$(inipick -T </dev/null 2>/dev/null) || return
      # shellcheck disable=SC2086 # the backend names are separate words
      _inipick_add "$prefix" "$lead" ${list#*:}
      ;;
    s)
      _inipick_readable "$_inipick_file" || return
      local list
      local -a sections
      # A file with an error gives no answers, as it does for names.
      list=$(inipick -f "$_inipick_file" -q sections </dev/null 2>/dev/null) || return
      mapfile -t sections <<<"$list"
      _inipick_add "$prefix" "$lead" "${sections[@]}"
      ;;
  esac
}

# Succeeds for a file that can be read without waiting: never standard input.
_inipick_readable() {
  [[ -n $1 && $1 != - && -f $1 && -r $1 ]]
}

_inipick() {
  COMPREPLY=()
  local _inipick_words _inipick_cur _inipick_cut
  _inipick_split
  local cword=$((${#_inipick_words[@]} - 1)) cur=$_inipick_cur

  # Read the words before the cursor as getopt will: options up to the
  # first other word or "--", letters grouped, arguments attached or next.
  local _inipick_file='' section='' has_section=0 override=0 query='' all=0
  local done_opts=0 pending='' i=1 j w c REPLY
  local -a given=()
  for ((i = 1; i < cword; i++)); do
    w=${_inipick_words[i]}
    if [[ -n $pending ]]; then
      c=$pending
      pending=''
      _inipick_dequote "$w"
    elif ((done_opts)) || [[ $w != -?* ]]; then
      done_opts=1
      _inipick_dequote "$w"
      given+=("$REPLY")
      continue
    elif [[ $w == -- ]]; then
      done_opts=1
      continue
    else
      c=''
      for ((j = 1; j < ${#w}; j++)); do
        case ${w:j:1} in
          [fmPpqst-])
            c=${w:j:1}
            if ((j + 1 == ${#w})); then pending=$c; fi
            _inipick_dequote "${w:j+1}"
            break
            ;;
          l) all=1 ;;
          O) override=1 ;;
        esac
      done
      [[ -n $c && -z $pending ]] || continue
    fi
    case $c in
      f) _inipick_file=$REPLY ;;
      s) section=$REPLY has_section=1 ;;
      q) query=$REPLY ;;
    esac
  done

  if [[ -n $pending ]]; then
    _inipick_optarg "$pending" "$cur" ''
    return
  fi

  if ((!done_opts)) && [[ $cur == -* ]]; then
    # An option argument that begins in this word, as in -sdb or -Sf.
    for ((j = 1; j < ${#cur}; j++)); do
      case ${cur:j:1} in
        -) break ;;
        [fmPpqst])
          ((j + 1 < ${#cur})) || break
          _inipick_optarg "${cur:j:1}" "${cur:j+1}" "${cur:0:j+1}"
          return
          ;;
      esac
    done
    _inipick_add "$cur" '' -c -f -h -L -l -m -N -n -O -P -p -q -S -s -T -t -x -V --help --version
    return
  fi

  _inipick_dequote "$cur"
  local prefix=$REPLY names
  case $query in
    feature)
      names=$(inipick -q features </dev/null 2>/dev/null) || return
      local pair
      local -a features=()
      for pair in $names; do features+=("${pair%%=*}"); done
      _inipick_add "$prefix" '' "${features[@]}"
      return
      ;;
    ?*) return ;;
  esac
  ((all)) && return
  _inipick_readable "$_inipick_file" || return

  # Names never hold whitespace, so a tab after each one marks its end.
  local -a cmd=(inipick -f "$_inipick_file" -l -P $'\t')
  ((has_section)) && cmd+=(-s "$section")
  ((override)) && cmd+=(-O)
  names=$("${cmd[@]}" </dev/null 2>/dev/null) || return
  local line name g
  local -a vars=()
  while IFS= read -r line; do
    name=${line%%$'\t'*}
    for g in "${given[@]}"; do [[ $g == "$name" ]] && continue 2; done
    vars+=("$name")
  done <<<"$names"
  _inipick_add "$prefix" '' "${vars[@]}"
}

complete -F _inipick inipick
