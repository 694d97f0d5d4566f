// SPDX-License-Identifier: BSD-2-Clause
// Zero-filled memory for large tables that are written all over at once.
#pragma once

#include <cstddef>

namespace inipick {

class zeroed_memory {
 public:
  zeroed_memory() = default;
  // Zero-filled room for bytes; throws std::bad_alloc.
  explicit zeroed_memory(std::size_t bytes);
  zeroed_memory(zeroed_memory&& other) noexcept;
  zeroed_memory& operator=(zeroed_memory&& other) noexcept;
  zeroed_memory(const zeroed_memory&) = delete;
  zeroed_memory& operator=(const zeroed_memory&) = delete;
  ~zeroed_memory();

  [[nodiscard]] void* get() const noexcept { return data_; }

 private:
  void* data_ = nullptr;
  std::size_t mapped_ = 0;  // bytes mapped from the system, or 0 for calloc
};

}  // namespace inipick
