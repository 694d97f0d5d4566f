// SPDX-License-Identifier: BSD-2-Clause
// Everything one run of the program owns, from the command line to the
// printed result. Production makes one per process; tests make many.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <optional>

#include "backends/ini/ini_input.h"
#include "cli/backend.h"
#include "cli/settings.h"
#include "vars/name_set.h"
#include "vars/pattern.h"
#include "vars/section_list.h"
#include "vars/var_table.h"

namespace inipick {

struct run {
  run(std::FILE* out_stream, std::FILE* err_stream) : out(out_stream), err(err_stream) {}
  run(const run&) = delete;
  run& operator=(const run&) = delete;
  // A run that failed while reading still holds its input open.
  ~run() {
    if (input.fd >= 0 && !input.is_stdin) ::close(input.fd);
  }

  inipick::settings settings;
  const backend* selected_backend = &backend_table[0];
  ini_input input;
  var_table vars;
  section_list sections;
  match_data_cache match_data;
  std::optional<name_set> wanted_names;  // the exact names asked for, once the first is sought
  std::FILE* out;                        // results, section names, answers to queries
  std::FILE* err;                        // messages
};

}  // namespace inipick
