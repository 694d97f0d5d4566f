// SPDX-License-Identifier: BSD-2-Clause
// How the system writes a path, as far as messages need it: where the
// program's own file name begins.
#pragma once

#include <string_view>

#include "port/config.h"

namespace inipick::port {

// Windows separates a path's parts with "\" as well as "/", and names
// programs "*.exe"; elsewhere a backslash is an ordinary byte of a name.
inline constexpr bool windows_file_names = INIPICK_WINDOWS_FILE_NAMES != 0;

// The part of path after its last separator; by Windows' rules also
// without a final ".exe" in any case.
[[nodiscard]] std::string_view program_file_name(std::string_view path,
                                                 bool windows = windows_file_names) noexcept;

}  // namespace inipick::port
