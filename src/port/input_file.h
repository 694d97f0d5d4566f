// SPDX-License-Identifier: BSD-2-Clause
// Opening the input file, as a descriptor that read() takes byte for byte.
#pragma once

namespace inipick::port {

// Opens the file of this UTF-8 name for reading, not inherited by other
// programs: its descriptor, or -1 with errno set.
[[nodiscard]] int open_input_file(const char* name) noexcept;

}  // namespace inipick::port
