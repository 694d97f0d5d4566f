// SPDX-License-Identifier: BSD-2-Clause
// The names asked for on the command line, found in one step: a variable
// costs the same whether one name or thousands were given.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "vars/name_index.h"

namespace inipick {

class name_set {
 public:
  // The words stay the caller's and must outlive the set. May throw
  // std::bad_alloc.
  explicit name_set(std::span<const char* const> names);

  [[nodiscard]] bool contains(std::string_view name) const {
    return index_.find(name, index_.hash_of(name), [this](std::size_t i) { return names_[i]; }) !=
           name_index::npos;
  }

 private:
  std::vector<std::string_view> names_;  // each once
  name_index index_;
};

}  // namespace inipick
