// Bump allocation from blocks; a large string gets a block of its own so
// that the current block's remainder is not wasted.
#include "vars/string_arena.h"

#include <cstring>
#include <utility>

namespace inipick {
namespace {

constexpr std::size_t block_size = std::size_t{64} * 1024;

}  // namespace

char* string_arena::allocate(std::size_t size) {
  if (size > left_) {
    const bool own_block = size > block_size / 4;
    // Not value-initialised: pages of a huge value are touched only once,
    // by the copy.
    std::unique_ptr<char[]> block(new char[own_block ? size : block_size]);
    blocks_.push_back(std::move(block));
    if (own_block) return blocks_.back().get();
    next_ = blocks_.back().get();
    left_ = block_size;
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
