// SPDX-License-Identifier: BSD-2-Clause
// Validation, then the backend, then the listing: the spine of every run.
#include "cli/run_sequence.h"

#include <new>
#include <string>

#include "base/fatal_error.h"
#include "cli/listing.h"
#include "cli/options.h"
#include "cli/run.h"
#include "vars/pattern.h"

namespace inipick {
namespace {

void check_single_query(const settings& s) {
  const bool names_given = !s.args.empty() && !s.query_feature && !s.names_are_patterns;
  const int queries = int{s.query_sections} + int{s.query_feature} + int{s.query_features} +
                      int{s.list_all} + int{s.names_are_patterns} + int{names_given};
  if (queries > 1) fail("Only a single query at a time, please!");
}

void validate(settings& s, const option_result& options) {
  if (s.check_only && (s.list_all || s.names_are_patterns)) {
    fail("The -c flag may not be used with -l or -L");
  }
  if (s.args.empty() && !s.list_all && !s.query_sections) fail("No matching criteria specified");
  if (s.override && (!s.section || s.section->empty())) {
    fail("The -O flag only makes sense with a non-empty section name");
  }
  if (s.args.size() > 1) s.show_name = true;
  if (options.name_always && options.name_never) {
    fail("The -N and -n flags may not be used together");
  }
  if (options.name_always) s.show_name = true;
  if (options.name_never) s.show_name = false;
}

// Every pattern is compiled before the input is opened, positional names
// too (even without -L), so a bad one is reported before anything is read.
void compile_patterns(settings& s) {
  if (s.value_pattern != nullptr) {
    pattern_compile(s.value_pattern, s.value_regex, "value", s.utf8_locale);
  }
  try {
    s.arg_regexes.resize(s.args.size());
  } catch (const std::bad_alloc&) {
    fail_out_of_memory("Could not allocate memory");
  }
  for (std::size_t i = 0; i < s.args.size(); ++i) {
    pattern_compile(s.args[i], s.arg_regexes[i], "pattern", s.utf8_locale);
  }
}

void internal_error(const backend& b, const char* operation) {
  throw fatal_error(2, "INTERNAL ERROR: backend '" + std::string(b.name) + "' does not define a " +
                           operation + " routine\n");
}

void read_input(run& r) {
  const backend& b = *r.selected_backend;
  backend_context c = backend_context_of(r);
  if (b.openfile == nullptr) internal_error(b, "openfile");
  b.openfile(c);
  if (b.readfile == nullptr) internal_error(b, "readfile");
  b.readfile(c);
  if (b.closefile == nullptr) internal_error(b, "closefile");
  b.closefile(c);
}

}  // namespace

int run_sequence(run& r, int argc, char* argv[]) {
  const option_result options = read_options(r, argc, argv);
  if (options.info.any()) {
    answer_info_requests(r, options.info);
    return 0;
  }
  settings& s = r.settings;
  s.args.assign(argv + options.first_argument, argv + argc);
  check_single_query(s);
  if (s.query_features || s.query_feature) return answer_feature_query(r);
  validate(s, options);
  if (s.regex_mode) compile_patterns(s);
  if (s.query_sections && r.selected_backend->name != "ini") {
    fail("The query for sections is only supported for the 'ini' backend for the present");
  }
  read_input(r);
  return print_listing(r);
}

}  // namespace inipick
