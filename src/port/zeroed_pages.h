// SPDX-License-Identifier: BSD-2-Clause
// Large zero-filled blocks straight from the system, which gives them a
// page at a time and faster than the C library's heap.
#pragma once

#include <cstddef>

namespace inipick::port {

// bytes of zero-filled memory, on huge pages and populated where the
// system offers that; nullptr if the system refuses.
[[nodiscard]] void* map_zeroed_pages(std::size_t bytes) noexcept;

// Gives back a block map_zeroed_pages returned, with the same size.
void unmap_pages(void* pages, std::size_t bytes) noexcept;

}  // namespace inipick::port
