// A hash index from names to positions in an insertion-ordered array, so
// that "is this name stored already?" costs the same for the millionth name
// as for the first. The array keeps the names; the index keeps positions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace inipick {

class name_index {
 public:
  static constexpr std::size_t npos = static_cast<std::size_t>(-1);

  static std::size_t hash_of(std::string_view name) noexcept;

  // The position whose name (as name_at(position) reports it) equals name,
  // or npos.
  template <typename NameAt>
  [[nodiscard]] std::size_t find(std::string_view name, std::size_t hash, NameAt name_at) const {
    if (slots_.empty()) return npos;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
      const slot& s = slots_[i];
      if (s.position == empty) return npos;
      if (s.hash == hash && name_at(s.position) == name) return s.position;
    }
  }

  // Records a position for a name that find() did not find. May throw
  // std::bad_alloc, leaving the index as it was.
  void insert(std::size_t hash, std::size_t position);

 private:
  static constexpr std::size_t empty = npos;
  struct slot {
    std::size_t hash = 0;
    std::size_t position = empty;
  };
  void place(std::size_t hash, std::size_t position) noexcept;

  std::vector<slot> slots_;  // size is zero or a power of two
  std::size_t used_ = 0;
};

}  // namespace inipick
