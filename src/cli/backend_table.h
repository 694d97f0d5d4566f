// SPDX-License-Identifier: BSD-2-Clause
// The configuration file types this program knows, and how one is chosen.
#pragma once

#include <array>
#include <string_view>

#include "backends/backend.h"

namespace inipick {

struct run;

extern const std::array<backend, 1> backend_table;

// Selects the first backend whose name begins with type; fails with
// "Unknown backend '<type>'" when none does.
void backend_select(run& r, std::string_view type);

}  // namespace inipick
