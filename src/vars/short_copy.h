// SPDX-License-Identifier: BSD-2-Clause
// Copies of a few bytes, as names mostly are, without a call to memcpy:
// two overlapping loads and stores cover any size up to sixteen.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace inipick {

inline void short_copy(char* to, const char* from, std::size_t size) noexcept {
  const auto copy = [&](auto word) {
    using word_type = decltype(word);
    std::memcpy(&word, from, sizeof word);
    word_type last;
    std::memcpy(&last, from + size - sizeof last, sizeof last);
    std::memcpy(to, &word, sizeof word);
    std::memcpy(to + size - sizeof last, &last, sizeof last);
  };
  if (size >= 8 && size <= 16) {
    copy(std::uint64_t{});
  } else if (size >= 4 && size < 8) {
    copy(std::uint32_t{});
  } else if (size > 0 && size < 4) {
    to[0] = from[0];
    to[size / 2] = from[size / 2];
    to[size - 1] = from[size - 1];
  } else if (size > 16) {
    std::memcpy(to, from, size);
  }
}

}  // namespace inipick
