// SPDX-License-Identifier: BSD-2-Clause
// Deciding which variables read from the input are wanted.
#pragma once

#include <optional>

#include "vars/name_set.h"
#include "vars/pattern.h"
#include "vars/selection.h"
#include "vars/var_table.h"
#include "vars/zstring_view.h"

namespace inipick {

// What var_store reads, and the table it keeps variables in.
struct var_store_context {
  const inipick::selection& selection;
  match_data_cache& match_data;
  var_table& vars;
  std::optional<name_set> wanted_names = {};  // the exact names, once the first is sought
};

// Offers one variable read from the input: applies the name selection and
// value filter, then stores it in the table. The strings stay the caller's;
// the table copies what it keeps.
void var_store(var_store_context& c, zstring_view name, zstring_view value);

}  // namespace inipick
