// SPDX-License-Identifier: BSD-2-Clause
// The option switch.
#include "cli/options.h"

#include <cstdio>
#include <cstring>
#include <string_view>

#include "base/fatal_error.h"
#include "cli/backend_table.h"
#include "cli/run.h"
#include "cli/usage.h"
#include "port/getopt.h"
#include "port/port.h"

namespace inipick {
namespace {

// "-:" reads a long option as option '-' with the rest of the word as its
// argument, alone ("--help") or after letters ("-V-help"). The "+" is for a
// getopt that would otherwise read options after the first operand.
constexpr const char* plus_options = "+cf:hLlm:NnOP:p:q:Ss:Tt:xV-:";
constexpr const char* option_string = port::getopt_permutes ? plus_options : plus_options + 1;

// A lone "-" is an operand, as POSIX says; a BSD getopt would take it for
// option '-', since the option string holds one. It can only be next when
// getopt is between words.
bool at_lone_hyphen(int argc, char* argv[]) {
  return port::optind < argc && std::strcmp(argv[port::optind], "-") == 0;
}

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
  port::opterr = 1;
  for (int c; !at_lone_hyphen(argc, argv);) {
    if ((c = port::getopt(argc, argv, option_string)) == -1) break;
    switch (c) {
      case 'c': s.check_only = true; break;
      case 'f': s.file_name = port::optarg; break;
      case 'h': result.info.usage = true; break;
      case 'L': s.names_are_patterns = s.show_name = true; break;
      case 'l': s.list_all = s.show_name = true; break;
      case 'm': s.value_pattern = port::optarg; break;
      case 'N': result.name_always = true; break;
      case 'n': result.name_never = true; break;
      case 'O': s.override = true; break;
      case 'P': s.postfix = port::optarg; break;
      case 'p': s.prefix = port::optarg; break;
      case 'q': read_query(s, port::optarg); break;
      case 'S': s.shell_quote = true; break;
      case 's': s.section.emplace(port::optarg); break;
      case 'T': result.info.backends = true; break;
      case 't': backend_select(r, port::optarg); break;
      case 'x': s.regex_mode = true; break;
      case 'V': result.info.version = true; break;
      case '-': read_long_option(result.info, port::optarg); break;
      default:  // getopt has printed its diagnostic
        std::fwrite(usage_text.data(), 1, usage_text.size(), r.err);
        throw fatal_error(1, "");
    }
  }
  result.first_argument = port::optind;
  return result;
}

}  // namespace inipick
