// SPDX-License-Identifier: BSD-2-Clause
// Everything one run of the program owns, from the command line to the
// printed result. Production makes one per process; tests make many.
#pragma once

#include <cstdio>

#include "backends/backend.h"
#include "cli/backend_table.h"
#include "cli/settings.h"
#include "cli/stdio_output.h"
#include "vars/pattern.h"
#include "vars/section_list.h"
#include "vars/var_store.h"
#include "vars/var_table.h"

namespace inipick {

struct run {
  run(std::FILE* out_stream, std::FILE* err_stream) : out(out_stream), err(err_stream) {}
  run(const run&) = delete;
  run& operator=(const run&) = delete;

  inipick::settings settings;
  const backend* selected_backend = &backend_table[0];
  var_table vars;
  section_list sections;
  match_data_cache match_data;
  var_store_context store{settings, match_data, vars};
  std::FILE* out;  // results, section names, answers to queries
  std::FILE* err;  // messages
  stdio_output printed{out};
};

// What the backend is given of r: the settings it reads for, and where it
// puts what it reads. Lives no longer than r.
[[nodiscard]] inline backend_context backend_context_of(run& r) {
  const settings& s = r.settings;
  return {.file_name = s.file_name,
          .section = s.section,
          .override = s.override,
          .query_sections = s.query_sections,
          .vars = r.store,
          .sections = r.sections,
          .out = r.printed};
}

}  // namespace inipick
