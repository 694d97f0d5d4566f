// Open addressing with linear probing; kept at most half full.
#include "vars/name_index.h"

#include <functional>
#include <new>
#include <utility>

namespace inipick {

std::size_t name_index::hash_of(std::string_view name) noexcept {
  return std::hash<std::string_view>{}(name);
}

void name_index::insert(std::size_t hash, std::size_t position) {
  if (position >= UINT32_MAX) throw std::bad_alloc();
  if (2 * (used_ + 1) > size_) {
    const std::size_t bigger = size_ == 0 ? 16 : 2 * size_;
    zeroed_memory old(bigger * sizeof(slot));
    std::swap(old, slots_);
    const std::size_t old_size = std::exchange(size_, bigger);
    const auto* old_slots = static_cast<const slot*>(old.get());
    for (std::size_t i = 0; i < old_size; ++i) {
      if (old_slots[i].position_plus_one != 0) place(old_slots[i]);
    }
  }
  place({tag_of(hash), static_cast<std::uint32_t>(position + 1)});
  ++used_;
}

void name_index::place(slot s) noexcept {
  const std::size_t mask = size_ - 1;
  std::size_t i = s.tag & mask;
  while (slots()[i].position_plus_one != 0) i = (i + 1) & mask;
  slots()[i] = s;
}

}  // namespace inipick
