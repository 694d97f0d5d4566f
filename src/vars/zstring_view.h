// SPDX-License-Identifier: BSD-2-Clause
// A string view that is known to be followed by a NUL byte, so that it can
// be handed to C functions (fnmatch) without a copy.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace inipick {

class zstring_view : public std::string_view {
 public:
  // NOLINTNEXTLINE(google-explicit-constructor): a C string is one already.
  zstring_view(const char* s) : std::string_view(s) {}
  // NOLINTNEXTLINE(google-explicit-constructor)
  zstring_view(const std::string& s) : std::string_view(s) {}
  // data[size] must be a NUL byte.
  zstring_view(const char* data, std::size_t size) : std::string_view(data, size) {}

  [[nodiscard]] const char* c_str() const noexcept { return data(); }
};

}  // namespace inipick
