// SPDX-License-Identifier: BSD-2-Clause
// The table of configuration file types.
#include "cli/backend_table.h"

#include <string>

#include "backends/ini/ini_backend.h"
#include "base/fatal_error.h"
#include "cli/run.h"

namespace inipick {

const std::array<backend, 1> backend_table = {{
    {"ini", ini_openfile, ini_readfile, ini_closefile},
}};

void backend_select(run& r, std::string_view type) {
  for (const backend& b : backend_table) {
    if (b.name.starts_with(type)) {
      r.selected_backend = &b;
      return;
    }
  }
  fail("Unknown backend '" + std::string(type) + "'");
}

}  // namespace inipick
