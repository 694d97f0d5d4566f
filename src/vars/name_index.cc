// Open addressing with linear probing; kept at most half full.
#include "vars/name_index.h"

#include <functional>
#include <utility>

namespace inipick {

std::size_t name_index::hash_of(std::string_view name) noexcept {
  return std::hash<std::string_view>{}(name);
}

void name_index::insert(std::size_t hash, std::size_t position) {
  if (2 * (used_ + 1) > slots_.size()) {
    std::vector<slot> bigger(slots_.empty() ? 16 : 2 * slots_.size());
    std::swap(slots_, bigger);
    for (const slot& s : bigger) {
      if (s.position != empty) place(s.hash, s.position);
    }
  }
  place(hash, position);
  ++used_;
}

void name_index::place(std::size_t hash, std::size_t position) noexcept {
  const std::size_t mask = slots_.size() - 1;
  std::size_t i = hash & mask;
  while (slots_[i].position != empty) i = (i + 1) & mask;
  slots_[i] = {hash, position};
}

}  // namespace inipick
