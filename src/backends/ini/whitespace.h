// SPDX-License-Identifier: BSD-2-Clause
// Which bytes count as whitespace, and where a name ends.
// Reference: find_name_end_bytewise, a byte at a time.
// Tested by: tests/backends/ini/whitespace_test.cc.
//
// Whitespace is the bytes below 0x80 that the current locale classes as
// spaces: build the table after the locale is set.
#pragma once

#include <array>
#include <bit>
#include <cctype>
#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace inipick {

class whitespace_table {
 public:
  whitespace_table() noexcept {
    for (int c = 0; c < 0x80; ++c) {
      if (std::isspace(c) == 0) continue;
      flags_[static_cast<std::size_t>(c)] = space | name_end;
      if (c > 0x20) spaces_below_0x21_ = false;
    }
    flags_['='] = name_end;
    flags_[0] = name_end;
  }

  [[nodiscard]] bool operator()(char c) const noexcept { return (flag(c) & space) != 0; }

  // Whitespace, "=" or the NUL that ends a line.
  [[nodiscard]] bool ends_name(char c) const noexcept { return (flag(c) & name_end) != 0; }

  // Whether every space is at most 0x20, as in every common locale: then a
  // name can only end at a byte up to 0x20 or "=".
  [[nodiscard]] bool spaces_are_low() const noexcept { return spaces_below_0x21_; }

  // The first byte from text[i] on that ends a name. Reads up to 15 bytes
  // past the NUL that ends the text, which the line reader keeps readable.
  [[nodiscard]] std::size_t find_name_end(const char* text, std::size_t i) const noexcept {
    if (!spaces_below_0x21_) return find_name_end_bytewise(text, i);
    for (;; ++i) {
      i = find_low_or_equals(text, i);
      if (ends_name(text[i])) return i;
    }
  }

  // The same a byte at a time: the reference that tests hold the
  // sixteen-byte name-end scan to, and the path for a locale with a space
  // above 0x20.
  [[nodiscard]] std::size_t find_name_end_bytewise(const char* text, std::size_t i) const noexcept {
    while (!ends_name(text[i])) ++i;
    return i;
  }

  // The first byte from text[i] on that is at most 0x20 or is "=": sixteen
  // bytes at a time where the build has SSE2. There must be one within the
  // readable bytes, and up to 15 bytes past it may be read.
  [[nodiscard]] static std::size_t find_low_or_equals(const char* text, std::size_t i) noexcept {
#if defined(__SSE2__)
    const __m128i equals = _mm_set1_epi8('=');
    const __m128i blank = _mm_set1_epi8(0x20);
    for (;; i += 16) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
      const __m128i low = _mm_cmpeq_epi8(_mm_max_epu8(bytes, blank), blank);
      const auto found = static_cast<unsigned>(
          _mm_movemask_epi8(_mm_or_si128(low, _mm_cmpeq_epi8(bytes, equals))));
      if (found != 0) return i + static_cast<std::size_t>(std::countr_zero(found));
    }
#else
    return find_low_or_equals_bytewise(text, i);
#endif
  }

  [[nodiscard]] static std::size_t find_low_or_equals_bytewise(const char* text,
                                                               std::size_t i) noexcept {
    while (static_cast<unsigned char>(text[i]) > 0x20 && text[i] != '=') ++i;
    return i;
  }

 private:
  static constexpr unsigned char space = 1;
  static constexpr unsigned char name_end = 2;

  [[nodiscard]] unsigned char flag(char c) const noexcept {
    return flags_[static_cast<unsigned char>(c)];
  }

  std::array<unsigned char, 256> flags_{};  // bytes from 0x80 up are plain
  bool spaces_below_0x21_ = true;
};

}  // namespace inipick
