// SPDX-License-Identifier: BSD-2-Clause
// Zero-filled blocks, the large ones mapped from the system.
// Reference: calloc, which gives the blocks under 256 KiB.
// Tested by: tests/vars/name_index_test.cc, whose larger indexes are mapped.
//
// Large blocks come straight from the system (port/zeroed_pages.h), which
// maps them faster than the heap would hand them out.
#include "vars/zeroed_memory.h"

#include <cstdlib>
#include <new>
#include <utility>

#include "port/zeroed_pages.h"

namespace inipick {
namespace {

constexpr std::size_t map_threshold = std::size_t{256} << 10;

}  // namespace

zeroed_memory::zeroed_memory(std::size_t bytes) {
  if (bytes >= map_threshold) {
    void* p = port::map_zeroed_pages(bytes);
    if (p == nullptr) throw std::bad_alloc();
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
    port::unmap_pages(data_, mapped_);
  } else {
    std::free(data_);
  }
}

}  // namespace inipick
