// SPDX-License-Identifier: BSD-2-Clause
// The run settings: what the command line asked for.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "vars/selection.h"

namespace inipick {

struct settings : selection {
  const char* file_name = nullptr;  // "-" means standard input
  // From -s; when absent the INI reader adopts the first section header.
  std::optional<std::string> section;
  std::string_view prefix;   // -p
  std::string_view postfix;  // -P

  bool check_only = false;   // -c
  bool shell_quote = false;  // -S
  bool show_name = false;
  bool query_sections = false;  // -q sections
  bool query_feature = false;   // -q feature
  bool query_features = false;  // -q features
};

}  // namespace inipick
