// SPDX-License-Identifier: BSD-2-Clause
// Open addressing with linear probing.
#include "vars/name_index.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>
#include <new>
#include <utility>

namespace inipick {

namespace {

// Position plus one must fit in a slot's low bits, so the slots must not
// outnumber what 32 bits count, 2^32; and their bytes must be countable in
// a size_t, which leaves 2^29 on a 32-bit system.
constexpr std::uint64_t most_slots = std::min(
    std::uint64_t{1} << 32, std::bit_floor(std::uint64_t{SIZE_MAX} / sizeof(std::uint32_t)));

}  // namespace

void name_index::insert(std::size_t hash, std::size_t position) {
  assert(position == tags_.size());
  reserve(position + 1);
  const std::uint32_t tag = tag_of(hash);
  tags_.push_back(tag);
  place(tag, position);
}

const std::size_t name_index::max_names = static_cast<std::size_t>(most_slots / 5 * 4);

// At most four fifths full: probing four-byte slots, even a long run of
// them is a cache line or two.
void name_index::reserve(std::size_t count) {
  if (count > max_names) throw std::bad_alloc();
  std::size_t slots = size_ == 0 ? 16 : size_;
  while (5 * std::uint64_t{count} > 4 * std::uint64_t{slots}) slots *= 2;
  if (slots != size_) grow_to(slots);
}

void name_index::grow_to(std::size_t slots) {
  zeroed_memory bigger(slots * sizeof(std::uint32_t));
  std::swap(bigger, slots_);
  size_ = slots;
  for (std::size_t position = 0; position < tags_.size(); ++position) {
    place(tags_[position], position);
  }
}

void name_index::place(std::uint32_t tag, std::size_t position) noexcept {
  const std::uint32_t mask = mask_of(size_);
  std::uint32_t i = tag & mask;
  while (slots()[i] != 0) i = (i + 1) & mask;
  slots()[i] = (tag & ~mask) | static_cast<std::uint32_t>(position + 1);
}

}  // namespace inipick
