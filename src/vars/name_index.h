// SPDX-License-Identifier: BSD-2-Clause
// A hash index from names to positions in an insertion-ordered array.
// Reference: the array itself, where the name at position i is found at i.
// Tested by: tests/vars/name_index_test.cc.
//
// "Is this name stored already?" costs the same for the millionth name as
// for the first. The array keeps the names; the index keeps positions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "vars/chunked_array.h"
#include "vars/keyed_hash.h"
#include "vars/zeroed_memory.h"

namespace inipick {

// Positions must be given out in order, 0, 1, 2 and so on, as an array
// that only grows gives them.
class name_index {
 public:
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

  // The most names an index can number: beyond, reserve() and insert()
  // fail as if memory had run out. About 3.4 billion; 429 million on a
  // 32-bit system, where memory runs out long before.
  static const std::size_t max_names;

  // The hash that find() and insert() take: under the process's key, so
  // that whoever writes the names cannot make them collide.
  [[nodiscard]] static std::size_t hash_of(std::string_view name) noexcept {
    return keyed_hash(process_hash_key(), name);
  }

  // The position whose name (as name_at(position) reports it) equals name,
  // or npos.
  template <typename NameAt>
  [[nodiscard]] std::size_t find(std::string_view name, std::size_t hash, NameAt name_at) const {
    if (size_ == 0) return npos;
    const std::uint32_t tag = tag_of(hash);
    const std::uint32_t mask = mask_of(size_);
    for (std::uint32_t i = tag & mask;; i = (i + 1) & mask) {
      const std::uint32_t s = slots()[i];
      if (s == 0) return npos;
      if (((s ^ tag) & ~mask) != 0) continue;
      const std::size_t position = (s & mask) - 1;
      if (tags_[position] == tag && name_at(position) == name) return position;
    }
  }

  // Starts loading the slot where a lookup of hash will begin.
  void prefetch(std::size_t hash) const noexcept {
    if (size_ != 0) __builtin_prefetch(&slots()[first_slot(hash)]);
  }

  // Records the next position for a name that find() did not find. May
  // throw std::bad_alloc, leaving the index as it was.
  void insert(std::size_t hash, std::size_t position);

  // Makes room for count names in all, so that inserting up to that many
  // moves nothing. May throw std::bad_alloc, leaving the index as it was.
  void reserve(std::size_t count);

  // The slots, and the one where a lookup of hash starts: lookups made in
  // the order of their first slots walk through memory in one direction.
  [[nodiscard]] std::size_t slot_count() const noexcept { return size_; }
  [[nodiscard]] std::size_t first_slot(std::size_t hash) const noexcept {
    return size_ == 0 ? 0 : tag_of(hash) & mask_of(size_);
  }

 private:
  // A slot is four bytes: a lookup of a new name, the common case, reads
  // only slots, and four-byte slots keep a million names' worth within
  // what the caches and the TLB hold. Its low bits (as many as pick a
  // slot) hold the position plus one, zero for an empty slot; its high bits
  // the same bits of the name's tag, which rule out most other names
  // without reading tags_.
  static std::uint32_t tag_of(std::size_t hash) noexcept {
    const auto h = static_cast<std::uint64_t>(hash);
    return static_cast<std::uint32_t>(h ^ (h >> 32));
  }
  static std::uint32_t mask_of(std::size_t size) noexcept {
    return static_cast<std::uint32_t>(size - 1);
  }
  void grow_to(std::size_t slots);
  void place(std::uint32_t tag, std::size_t position) noexcept;
  [[nodiscard]] std::uint32_t* slots() const noexcept {
    return static_cast<std::uint32_t*>(slots_.get());
  }

  zeroed_memory slots_;                // a zeroed slot is empty
  std::size_t size_ = 0;               // zero or a power of two
  chunked_array<std::uint32_t> tags_;  // by position: the hash folded to 32 bits
};

}  // namespace inipick
