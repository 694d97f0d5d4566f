// SPDX-License-Identifier: BSD-2-Clause
// The option switch.
#include "cli/options.h"

#include <unistd.h>

#include <cstdio>
#include <string_view>

#include "cli/backend.h"
#include "cli/fatal_error.h"
#include "cli/run.h"
#include "cli/usage.h"

namespace inipick {
namespace {

// "+": stop at the first non-option whatever the environment says, as POSIX
// does; "-:" lets --help and --version through as option '-'.
constexpr const char* option_string = "+cf:hLlm:NnOP:p:q:Ss:Tt:xV-:";

void read_query(settings& s, std::string_view word) {
  if (word == "sections") {
    s.query_sections = true;
  } else if (word == "feature") {
    s.query_feature = true;
  } else if (word == "features") {
    s.query_features = true;
  } else {
    fail("Unsupported query type");
  }
}

void read_long_option(info_requests& info, std::string_view word) {
  if (word == "help") {
    info.usage = true;
  } else if (word == "version") {
    info.version = true;
  } else {
    fail("Unknown long option");
  }
}

}  // namespace

option_result read_options(run& r, int argc, char* argv[]) {
  settings& s = r.settings;
  option_result result;
  optind = 0;  // glibc: start afresh, so that a process may read several command lines
  opterr = 1;
  for (int c; (c = getopt(argc, argv, option_string)) != -1;) {
    switch (c) {
      case 'c': s.check_only = true; break;
      case 'f': s.file_name = optarg; break;
      case 'h': result.info.usage = true; break;
      case 'L': s.names_are_patterns = s.show_name = true; break;
      case 'l': s.list_all = s.show_name = true; break;
      case 'm': s.value_pattern = optarg; break;
      case 'N': result.name_always = true; break;
      case 'n': result.name_never = true; break;
      case 'O': s.override = true; break;
      case 'P': s.postfix = optarg; break;
      case 'p': s.prefix = optarg; break;
      case 'q': read_query(s, optarg); break;
      case 'S': s.shell_quote = true; break;
      case 's': s.section.emplace(optarg); break;
      case 'T': result.info.backends = true; break;
      case 't': backend_select(r, optarg); break;
      case 'x': s.regex_mode = true; break;
      case 'V': result.info.version = true; break;
      case '-': read_long_option(result.info, optarg); break;
      default:  // getopt has printed its diagnostic
        std::fwrite(usage_text.data(), 1, usage_text.size(), r.err);
        throw fatal_error(1, "");
    }
  }
  result.first_argument = optind;
  return result;
}

}  // namespace inipick
