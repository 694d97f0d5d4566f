// SPDX-License-Identifier: BSD-2-Clause
#include "vars/name_set.h"

namespace inipick {

name_set::name_set(std::span<const char* const> names) {
  names_.reserve(names.size());
  index_.reserve(names.size());
  for (const char* word : names) {
    const std::string_view name(word);
    if (contains(name)) continue;
    index_.insert(index_.hash_of(name), names_.size());
    names_.push_back(name);
  }
}

}  // namespace inipick
