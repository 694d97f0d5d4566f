// A hash index from names to positions in an insertion-ordered array, so
// that "is this name stored already?" costs the same for the millionth name
// as for the first. The array keeps the names; the index keeps positions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "vars/zeroed_memory.h"

namespace inipick {

class name_index {
 public:
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

  static std::size_t hash_of(std::string_view name) noexcept;

  // The position whose name (as name_at(position) reports it) equals name,
  // or npos.
  template <typename NameAt>
  [[nodiscard]] std::size_t find(std::string_view name, std::size_t hash, NameAt name_at) const {
    if (size_ == 0) return npos;
    const std::size_t mask = size_ - 1;
    const std::uint32_t tag = tag_of(hash);
    for (std::size_t i = tag & mask;; i = (i + 1) & mask) {
      const slot& s = slots()[i];
      if (s.position_plus_one == 0) return npos;
      if (s.tag == tag && name_at(s.position_plus_one - 1) == name) return s.position_plus_one - 1;
    }
  }

  // Starts loading the slot where a lookup of hash will begin.
  void prefetch(std::size_t hash) const noexcept {
    if (size_ != 0) __builtin_prefetch(&slots()[tag_of(hash) & (size_ - 1)]);
  }

  // Records a position for a name that find() did not find. May throw
  // std::bad_alloc, leaving the index as it was.
  void insert(std::size_t hash, std::size_t position);

 private:
  // Eight bytes a slot: more of the table stays in the cache.
  struct slot {
    std::uint32_t tag;                // the hash folded to 32 bits; its low bits pick the slot
    std::uint32_t position_plus_one;  // 0: empty
  };

  static std::uint32_t tag_of(std::size_t hash) noexcept {
    const auto h = static_cast<std::uint64_t>(hash);
    return static_cast<std::uint32_t>(h ^ (h >> 32));
  }
  void place(slot s) noexcept;
  [[nodiscard]] slot* slots() const noexcept { return static_cast<slot*>(slots_.get()); }

  zeroed_memory slots_;   // a zeroed slot is empty
  std::size_t size_ = 0;  // zero or a power of two
  std::size_t used_ = 0;
};

}  // namespace inipick
