// SPDX-License-Identifier: BSD-2-Clause
// mmap, with the hints the system's headers define: here a page fault
// costs microseconds, and a hash table touches every page, so the pages
// are huge where the kernel allows and populated in one call.
#include <sys/mman.h>

#include "port/zeroed_pages.h"

namespace inipick::port {

void* map_zeroed_pages(std::size_t bytes) noexcept {
  void* p = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p == MAP_FAILED) return nullptr;
#if defined(MADV_HUGEPAGE)
  (void)::madvise(p, bytes, MADV_HUGEPAGE);
#endif
#if defined(MADV_POPULATE_WRITE)
  (void)::madvise(p, bytes, MADV_POPULATE_WRITE);
#endif
  return p;
}

void unmap_pages(void* pages, std::size_t bytes) noexcept { (void)::munmap(pages, bytes); }

}  // namespace inipick::port
