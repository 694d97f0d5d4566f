// SPDX-License-Identifier: BSD-2-Clause
// Configuration file types and how one is chosen.
#pragma once

#include <array>
#include <string_view>

namespace inipick {

struct run;

// A configuration file type. An operation may be missing; the run sequence
// checks each one just before it would call it.
struct backend {
  std::string_view name;
  void (*openfile)(run&);
  void (*readfile)(run&);
  void (*closefile)(run&);
};

extern const std::array<backend, 1> backend_table;

// Selects the first backend whose name begins with type; fails with
// "Unknown backend '<type>'" when none does.
void backend_select(run& r, std::string_view type);

}  // namespace inipick
