// SPDX-License-Identifier: BSD-2-Clause
// Bump allocation from blocks; a large string gets a block of its own so
// that the current block's remainder is not wasted.
#include "vars/string_arena.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace inipick {
namespace {

constexpr std::size_t first_block_size = std::size_t{64} * 1024;
constexpr std::size_t largest_block_size = std::size_t{4} << 20;

}  // namespace

char* string_arena::allocate(std::size_t size) {
  if (size > left_) {
    if (size > first_block_size / 4) {
      // Not value-initialised: pages of a huge value are touched only once,
      // by the copy.
      std::unique_ptr<char[]> block(new char[size]);
      own_blocks_.push_back(std::move(block));
      return own_blocks_.back().get();
    }
    // Blocks grow with the table, so a large table takes its memory in few,
    // large pieces.
    const std::size_t bytes =
        blocks_.empty() ? first_block_size : std::min(2 * block_size_, largest_block_size);
    blocks_.emplace_back(bytes);
    block_size_ = bytes;
    next_ = static_cast<char*>(blocks_.back().get());
    left_ = bytes;
  }
  char* p = next_;
  next_ += size;
  left_ -= size;
  return p;
}

std::string_view string_arena::copy(std::string_view text) {
  if (text.empty()) return {};
  char* p = allocate(text.size());
  std::memcpy(p, text.data(), text.size());
  return {p, text.size()};
}

}  // namespace inipick
