// SPDX-License-Identifier: BSD-2-Clause
// Deciding which variables read from the input are wanted.
#pragma once

#include <optional>
#include <string_view>

#include "vars/zstring_view.h"

namespace inipick {

struct run;

// Offers one variable read from the input: applies the run's name selection
// and value filter, then stores it in the run's table. The strings stay the
// caller's; the table copies what it keeps.
void var_store(run& r, std::optional<std::string_view> section, zstring_view name,
               zstring_view value);

}  // namespace inipick
