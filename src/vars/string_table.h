// SPDX-License-Identifier: BSD-2-Clause
// Strings kept for the whole run and found again by their number, 0, 1, 2
// and so on in the order they were added. A string of up to fifteen bytes,
// as most names are, takes sixteen bytes and is read with one access.
#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

#include "vars/chunked_array.h"
#include "vars/string_arena.h"

namespace inipick {

class string_table {
 public:
  // Keeps a copy of text as string number size(). May throw
  // std::bad_alloc, leaving the numbering as it was.
  void push_back(std::string_view text);

  [[nodiscard]] std::string_view operator[](std::size_t i) const noexcept {
    const record& r = records_[i];
    if (r.size != long_string) return {r.text, r.size};
    std::size_t k = 0;
    std::memcpy(&k, r.text + long_index_at, sizeof k);
    return long_[k];
  }

  [[nodiscard]] std::size_t size() const noexcept { return records_.size(); }

 private:
  static constexpr unsigned char long_string = 0xFF;
  static constexpr std::size_t long_index_at = 7;  // where text holds an index in long_
  struct record {
    unsigned char size;  // long_string: kept in long_
    char text[15];
  };
  static_assert(sizeof(record) == 16);

  chunked_array<record> records_;
  chunked_array<std::string_view> long_;
  string_arena long_text_;
};

}  // namespace inipick
