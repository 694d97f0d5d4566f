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
    for (int c = 0; c < 0x80; ++c) {
      if (std::isspace(c) != 0) flags_[static_cast<std::size_t>(c)] = space | name_end;
    }
    flags_['='] = name_end;
    flags_[0] = name_end;
  }

  [[nodiscard]] bool operator()(char c) const noexcept { return (flag(c) & space) != 0; }

  // Whitespace, "=" or the NUL that ends a line.
  [[nodiscard]] bool ends_name(char c) const noexcept { return (flag(c) & name_end) != 0; }

 private:
  static constexpr unsigned char space = 1;
  static constexpr unsigned char name_end = 2;

  [[nodiscard]] unsigned char flag(char c) const noexcept {
    return flags_[static_cast<unsigned char>(c)];
  }

  std::array<unsigned char, 256> flags_{};  // bytes from 0x80 up are plain
};

}  // namespace inipick
