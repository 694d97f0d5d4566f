// SPDX-License-Identifier: BSD-2-Clause
// Which variables the command line asks for: names or patterns, and the
// value filter.
#pragma once

#include <vector>

#include "vars/pattern.h"

namespace inipick {

struct selection {
  bool list_all = false;                // -l
  bool names_are_patterns = false;      // -L
  bool regex_mode = false;              // -x
  bool override = false;                // -O
  const char* value_pattern = nullptr;  // -m
  // The positional arguments; the words themselves belong to argv.
  std::vector<const char*> args;
  // With -x: one compiled pattern per positional argument, same positions.
  std::vector<compiled_pattern> arg_regexes;
  compiled_pattern value_regex;  // with -x and -m
  bool utf8_locale = false;      // the locale's characters are UTF-8
};

}  // namespace inipick
