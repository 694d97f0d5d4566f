// SPDX-License-Identifier: BSD-2-Clause
// Name selection and value filter, in front of the variable table.
#include "vars/var_store.h"

#include <fnmatch.h>

#include <cerrno>
#include <cstddef>

#include "cli/fatal_error.h"
#include "cli/run.h"
#include "vars/pattern.h"

namespace inipick {
namespace {

// fnmatch's answer, where running out of memory is no answer at all.
int glob_match(const char* pattern, zstring_view subject) {
  errno = 0;
  const int result = fnmatch(pattern, subject.c_str(), 0);
  if (result != 0 && result != FNM_NOMATCH && errno == ENOMEM) {
    fail_out_of_memory("Could not allocate memory for matching");
  }
  return result;
}

bool name_selected(run& r, zstring_view name) {
  const settings& s = r.settings;
  if (s.list_all) return true;
  if (!s.names_are_patterns) {
    if (!r.wanted_names) r.wanted_names.emplace(s.args);
    return r.wanted_names->contains(name);
  }
  for (std::size_t i = 0; i < s.args.size(); ++i) {
    const bool selected = s.regex_mode
                              ? pattern_match(r.match_data, s.arg_regexes[i], name, s.args[i])
                              : glob_match(s.args[i], name) == 0;
    if (selected) return true;
  }
  return false;
}

// A glob that fnmatch cannot evaluate lets the value through, unlike a name.
bool value_passes(run& r, zstring_view value) {
  const settings& s = r.settings;
  if (s.value_pattern == nullptr) return true;
  if (s.regex_mode) return pattern_match(r.match_data, s.value_regex, value, s.value_pattern);
  return glob_match(s.value_pattern, value) != FNM_NOMATCH;
}

}  // namespace

void var_store(run& r, std::optional<std::string_view> /*section*/, zstring_view name,
               zstring_view value) {
  if (!name_selected(r, name)) return;
  bool display = true;
  if (!value_passes(r, value)) {
    if (!r.settings.override) return;
    display = false;  // hides an earlier definition of the name
  }
  r.vars.insert_or_replace(name, value, display);
}

}  // namespace inipick
