// SPDX-License-Identifier: BSD-2-Clause
// Zero-filled blocks, the large ones mapped on huge pages and populated.
// Reference: calloc, which gives the blocks under 256 KiB.
// Tested by: tests/vars/name_index_test.cc, whose larger indexes are mapped.
//
// Large blocks come straight from the kernel, on huge pages where it allows
// them, and populated in one call: here a page fault costs microseconds,
// and a hash table touches every page.
#include "vars/zeroed_memory.h"

#include <sys/mman.h>

#include <cstdlib>
#include <new>
#include <utility>

namespace inipick {
namespace {

constexpr std::size_t map_threshold = std::size_t{256} << 10;

}  // namespace

zeroed_memory::zeroed_memory(std::size_t bytes) {
  if (bytes >= map_threshold) {
    void* p = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) throw std::bad_alloc();
#if defined(MADV_HUGEPAGE)
    (void)::madvise(p, bytes, MADV_HUGEPAGE);
#endif
#if defined(MADV_POPULATE_WRITE)
    (void)::madvise(p, bytes, MADV_POPULATE_WRITE);
#endif
    data_ = p;
    mapped_ = bytes;
    return;
  }
  data_ = std::calloc(bytes, 1);
  if (data_ == nullptr) throw std::bad_alloc();
}

zeroed_memory::zeroed_memory(zeroed_memory&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)), mapped_(std::exchange(other.mapped_, 0)) {}

zeroed_memory& zeroed_memory::operator=(zeroed_memory&& other) noexcept {
  zeroed_memory gone(std::move(*this));
  data_ = std::exchange(other.data_, nullptr);
  mapped_ = std::exchange(other.mapped_, 0);
  return *this;
}

zeroed_memory::~zeroed_memory() {
  if (mapped_ != 0) {
    ::munmap(data_, mapped_);
  } else {
    std::free(data_);
  }
}

}  // namespace inipick
