// SPDX-License-Identifier: BSD-2-Clause
// An array that grows in chunks of doubling size, so growing never copies or
// moves what it holds, and its memory comes in few, large, zeroed pieces.
#pragma once

#include <bit>
#include <cstddef>
#include <type_traits>
#include <vector>

#include "vars/zeroed_memory.h"

namespace inipick {

template <typename T>
class chunked_array {
  static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);

 public:
  [[nodiscard]] std::size_t size() const noexcept { return size_; }
  [[nodiscard]] bool empty() const noexcept { return size_ == 0; }

  [[nodiscard]] const T& operator[](std::size_t i) const noexcept {
    const std::size_t chunk = chunk_of(i);
    return static_cast<const T*>(chunks_[chunk].get())[i - first_of(chunk)];
  }
  [[nodiscard]] T& operator[](std::size_t i) noexcept {
    const std::size_t chunk = chunk_of(i);
    return static_cast<T*>(chunks_[chunk].get())[i - first_of(chunk)];
  }

  // May throw std::bad_alloc, leaving the array as it was.
  void push_back(const T& value) {
    if (size_ == capacity()) {
      chunks_.emplace_back(sizeof(T) * (first_of(chunks_.size() + 1) - first_of(chunks_.size())));
    }
    const std::size_t chunk = chunk_of(size_);
    static_cast<T*>(chunks_[chunk].get())[size_ - first_of(chunk)] = value;
    ++size_;
  }

  void pop_back() noexcept { --size_; }

 private:
  static constexpr std::size_t first_chunk = 256;

  // Chunk 0 holds [0, 256); chunk k > 0 holds [256 << (k - 1), 256 << k).
  static std::size_t chunk_of(std::size_t i) noexcept {
    return static_cast<std::size_t>(std::bit_width(i / first_chunk));
  }
  static std::size_t first_of(std::size_t chunk) noexcept {
    return chunk == 0 ? 0 : first_chunk << (chunk - 1);
  }
  [[nodiscard]] std::size_t capacity() const noexcept { return first_of(chunks_.size()); }

  std::vector<zeroed_memory> chunks_;
  std::size_t size_ = 0;
};

}  // namespace inipick
