// SPDX-License-Identifier: BSD-2-Clause
// VirtualAlloc: committed pages come zero-filled. Large pages would need a
// privilege ordinary accounts lack, so the pages are the normal ones.
#include <windows.h>

#include "port/zeroed_pages.h"

namespace inipick::port {

void* map_zeroed_pages(std::size_t bytes) noexcept {
  return ::VirtualAlloc(nullptr, bytes, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
}

void unmap_pages(void* pages, std::size_t bytes) noexcept {
  (void)bytes;  // a release frees the whole reservation
  (void)::VirtualFree(pages, 0, MEM_RELEASE);
}

}  // namespace inipick::port
