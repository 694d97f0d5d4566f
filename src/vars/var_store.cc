// SPDX-License-Identifier: BSD-2-Clause
// Name selection and value filter, in front of the variable table.
#include "vars/var_store.h"

#include <fnmatch.h>

#include <cstddef>

#include "cli/run.h"
#include "vars/pattern.h"

namespace inipick {
namespace {

bool name_selected(run& r, zstring_view name) {
  const settings& s = r.settings;
  if (s.list_all) return true;
  for (std::size_t i = 0; i < s.args.size(); ++i) {
    const char* arg = s.args[i];
    bool selected = false;
    if (!s.names_are_patterns) {
      selected = name == arg;
    } else if (!s.regex_mode) {
      selected = fnmatch(arg, name.c_str(), 0) == 0;
    } else {
      selected = pattern_match(r.match_data, s.arg_regexes[i], name, arg);
    }
    if (selected) return true;
  }
  return false;
}

// A glob that fnmatch cannot evaluate lets the value through, unlike a name.
bool value_passes(run& r, zstring_view value) {
  const settings& s = r.settings;
  if (s.value_pattern == nullptr) return true;
  if (s.regex_mode) return pattern_match(r.match_data, s.value_regex, value, s.value_pattern);
  return fnmatch(s.value_pattern, value.c_str(), 0) != FNM_NOMATCH;
}

}  // namespace

void var_store(run& r, std::optional<std::string_view> section, zstring_view name,
               zstring_view value) {
  if (!name_selected(r, name)) return;
  bool display = true;
  if (!value_passes(r, value)) {
    if (!r.settings.override) return;
    display = false;  // hides an earlier definition of the name
  }
  r.vars.insert_or_replace(section, name, value, display);
}

}  // namespace inipick
