// Which bytes count as whitespace: those below 0x80 that the current locale
// classes as spaces. Build it after the locale is set.
#pragma once

#include <array>
#include <cctype>
#include <cstddef>

namespace inipick {

class whitespace_table {
 public:
  whitespace_table() noexcept {
    for (int c = 0; c < 0x80; ++c) is_space_[static_cast<std::size_t>(c)] = std::isspace(c) != 0;
  }

  [[nodiscard]] bool operator()(char c) const noexcept {
    return is_space_[static_cast<unsigned char>(c)];
  }

 private:
  std::array<bool, 256> is_space_{};  // bytes from 0x80 up stay false
};

}  // namespace inipick
