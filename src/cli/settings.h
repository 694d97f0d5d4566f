// SPDX-License-Identifier: BSD-2-Clause
// The run settings: what the command line asked for.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "vars/pattern.h"

namespace inipick {

struct settings {
  const char* file_name = nullptr;  // "-" means standard input
  // From -s; when absent the INI reader adopts the first section header.
  std::optional<std::string> section;
  const char* value_pattern = nullptr;  // -m
  std::string_view prefix;              // -p
  std::string_view postfix;             // -P

  bool check_only = false;          // -c
  bool list_all = false;            // -l
  bool names_are_patterns = false;  // -L
  bool regex_mode = false;          // -x
  bool shell_quote = false;         // -S
  bool override = false;            // -O
  bool show_name = false;
  bool query_sections = false;  // -q sections
  bool query_feature = false;   // -q feature
  bool query_features = false;  // -q features
  bool utf8_locale = false;

  // The positional arguments; the words themselves belong to argv.
  std::vector<const char*> args;
  // With -x: one compiled pattern per positional argument, same positions.
  std::vector<compiled_pattern> arg_regexes;
  compiled_pattern value_regex;  // with -x and -m
};

}  // namespace inipick
