// Strings kept one after another for the whole run, each found again by a
// 32-bit number: an index can then hold a string's place in four bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "vars/zeroed_memory.h"

namespace inipick {

class record_arena {
 public:
  using ref = std::uint32_t;

  // Keeps a copy of text. Throws std::bad_alloc when memory, or the
  // numbering (64 GiB of strings), runs out.
  ref append(std::string_view text);

  [[nodiscard]] std::string_view at(ref r) const noexcept {
    const auto* p = reinterpret_cast<const unsigned char*>(
        block_bases_[r >> unit_bits_per_base] + (std::size_t{r} & unit_mask_per_base) * unit_bytes);
    std::size_t size = *p & 0x7Fu;
    for (unsigned shift = 7; (*p++ & 0x80) != 0; shift += 7)
      size |= std::size_t{*p & 0x7Fu} << shift;
    return {reinterpret_cast<const char*>(p), size};
  }

  [[nodiscard]] std::size_t size() const noexcept { return count_; }

 private:
  // A string is stored as its length (seven bits a byte, low bits first)
  // and its bytes, rounded up to whole units.
  static constexpr std::size_t unit_bytes = 16;
  static constexpr unsigned unit_bits_per_base = 18;  // 4 MiB of units a base
  static constexpr std::size_t unit_mask_per_base = (std::size_t{1} << unit_bits_per_base) - 1;
  static constexpr std::size_t base_bytes = unit_bytes << unit_bits_per_base;

  struct block {
    zeroed_memory memory;
    std::size_t units = 0;  // room
    std::size_t used = 0;   // units written
    std::size_t first_base = 0;
  };
  std::vector<block> blocks_;
  // For each 4 MiB of numbering, where it starts in memory; a block larger
  // than that has several.
  std::vector<char*> block_bases_;
  std::size_t count_ = 0;
};

}  // namespace inipick
