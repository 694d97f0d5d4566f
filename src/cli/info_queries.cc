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

void put(std::FILE* out, std::string_view text) { std::fwrite(text.data(), 1, text.size(), out); }

}  // namespace

void answer_info_requests(run& r, const info_requests& asked) {
  if (asked.version) {
    put(r.out, "inipick ");
    put(r.out, program_version);
    put(r.out, "\n");
  }
  if (asked.usage) put(r.out, usage_text);
  if (asked.backends) {
    put(r.out, "Supported backends:");
    for (const backend& b : backend_table) {
      put(r.out, " ");
      put(r.out, b.name);
    }
    put(r.out, "\n");
  }
}

int answer_feature_query(run& r) {
  const settings& s = r.settings;
  const std::array<feature, 3> features = feature_table();
  if (s.query_features) {
    const char* separator = "";
    for (const feature& f : features) {
      put(r.out, separator);
      put(r.out, f.name);
      put(r.out, "=");
      put(r.out, f.version);
      separator = " ";
    }
    put(r.out, "\n");
    return 0;
  }
  if (s.args.size() != 1) fail("A single feature name expected");
  for (const feature& f : features) {
    if (f.name == s.args[0]) {
      put(r.out, f.version);
      put(r.out, "\n");
      return 0;
    }
  }
  return 1;
}

}  // namespace inipick
