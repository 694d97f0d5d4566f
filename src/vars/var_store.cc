// SPDX-License-Identifier: BSD-2-Clause
// Name selection and value filter, in front of the variable table.
#include "vars/var_store.h"

#include <cerrno>
#include <cstddef>

#include "base/fatal_error.h"
#include "port/match_glob.h"

namespace inipick {
namespace {

using port::glob_answer;

// The matcher's answer, where running out of memory is no answer at all.
glob_answer glob_match(const selection& s, const char* pattern, zstring_view subject) {
  errno = 0;
  const glob_answer answer = port::match_glob(pattern, subject.c_str(), s.utf8_locale);
  if (answer == glob_answer::failed && errno == ENOMEM) {
    fail_out_of_memory("Could not allocate memory for matching");
  }
  return answer;
}

bool name_selected(var_store_context& c, zstring_view name) {
  const selection& s = c.selection;
  if (s.list_all) return true;
  if (!s.names_are_patterns) {
    if (!c.wanted_names) c.wanted_names.emplace(s.args);
    return c.wanted_names->contains(name);
  }
  for (std::size_t i = 0; i < s.args.size(); ++i) {
    const bool selected = s.regex_mode
                              ? pattern_match(c.match_data, s.arg_regexes[i], name, s.args[i])
                              : glob_match(s, s.args[i], name) == glob_answer::match;
    if (selected) return true;
  }
  return false;
}

// A glob that the matcher cannot evaluate lets the value through, unlike a
// name.
bool value_passes(var_store_context& c, zstring_view value) {
  const selection& s = c.selection;
  if (s.value_pattern == nullptr) return true;
  if (s.regex_mode) return pattern_match(c.match_data, s.value_regex, value, s.value_pattern);
  return glob_match(s, s.value_pattern, value) != glob_answer::no_match;
}

}  // namespace

void var_store(var_store_context& c, zstring_view name, zstring_view value) {
  if (!name_selected(c, name)) return;
  bool display = true;
  if (!value_passes(c, value)) {
    if (!c.selection.override) return;
    display = false;  // hides an earlier definition of the name
  }
  c.vars.insert_or_replace(name, value, display);
}

}  // namespace inipick
