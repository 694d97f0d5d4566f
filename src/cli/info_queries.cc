// SPDX-License-Identifier: BSD-2-Clause
// Version line, usage text, backend list and the feature table.
#include "cli/info_queries.h"

#include <array>
#include <string>

#include "base/fatal_error.h"
#include "cli/backend_table.h"
#include "cli/run.h"
#include "cli/usage.h"
#include "cli/version.h"
#include "vars/pattern.h"

namespace inipick {
namespace {

struct feature {
  std::string_view name;
  std::string version;
};

// Built per query: PCRE2's version is that of the library loaded, which a
// build cannot know.
std::array<feature, 3> feature_table() {
  return {{
      {"BASE", std::string(program_version)},
      {"REGEX", "1.0"},
      {"REGEX_IMPL_C_PCRE2", pattern_library_version()},
  }};
}

}  // namespace

void answer_info_requests(run& r, const info_requests& asked) {
  if (asked.version) {
    r.printed.write("inipick ");
    r.printed.write(program_version);
    r.printed.write("\n");
  }
  if (asked.usage) r.printed.write(usage_text);
  if (asked.backends) {
    r.printed.write("Supported backends:");
    for (const backend& b : backend_table) {
      r.printed.write(" ");
      r.printed.write(b.name);
    }
    r.printed.write("\n");
  }
}

int answer_feature_query(run& r) {
  const settings& s = r.settings;
  const std::array<feature, 3> features = feature_table();
  if (s.query_features) {
    const char* separator = "";
    for (const feature& f : features) {
      r.printed.write(separator);
      r.printed.write(f.name);
      r.printed.write("=");
      r.printed.write(f.version);
      separator = " ";
    }
    r.printed.write("\n");
    return 0;
  }
  if (s.args.size() != 1) fail("A single feature name expected");
  for (const feature& f : features) {
    if (f.name == s.args[0]) {
      r.printed.write(f.version);
      r.printed.write("\n");
      return 0;
    }
  }
  return 1;
}

}  // namespace inipick
