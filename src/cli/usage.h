// SPDX-License-Identifier: BSD-2-Clause
// The usage text, shown by -h and after a bad option.
#pragma once

#include <string_view>

namespace inipick {

// All 37 lines, each ending in a line feed.
extern const std::string_view usage_text;

}  // namespace inipick
