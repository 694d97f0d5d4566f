// SPDX-License-Identifier: BSD-2-Clause
// Unpredictable bytes from the operating system, for keys that whoever
// writes the input must not know.
#pragma once

#include <cstddef>

namespace inipick::port {

// Fills size bytes (at most 256) from the system's random source: true, or
// false where none answered.
bool random_bytes(void* data, std::size_t size) noexcept;

}  // namespace inipick::port
