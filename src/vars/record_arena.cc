// Blocks grow from 64 KiB to 4 MiB; a string too long for that gets a block
// of its own, numbered as if it were several.
#include "vars/record_arena.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace inipick {
namespace {

constexpr std::size_t first_block_bytes = std::size_t{64} << 10;
constexpr std::size_t max_bases = std::size_t{1} << (32 - 18);

std::size_t length_bytes(std::size_t size) noexcept {
  std::size_t n = 1;
  while (size >= 0x80) size >>= 7, ++n;
  return n;
}

}  // namespace

record_arena::ref record_arena::append(std::string_view text) {
  static_assert(max_bases << unit_bits_per_base == std::size_t{1} << 32);
  const std::size_t bytes = length_bytes(text.size()) + text.size();
  if (bytes > SIZE_MAX - unit_bytes) throw std::bad_alloc();
  const std::size_t units = (bytes + unit_bytes - 1) / unit_bytes;

  if (blocks_.empty() || blocks_.back().units - blocks_.back().used < units) {
    const std::size_t previous = blocks_.empty() ? 0 : blocks_.back().units * unit_bytes;
    const std::size_t usual = std::clamp(2 * previous, first_block_bytes, base_bytes);
    const std::size_t block_bytes = std::max(usual, units * unit_bytes);
    const std::size_t bases = (block_bytes + base_bytes - 1) / base_bytes;
    if (bases > max_bases - block_bases_.size()) throw std::bad_alloc();
    blocks_.reserve(blocks_.size() + 1);
    block_bases_.reserve(block_bases_.size() + bases);
    block b;
    b.memory = zeroed_memory(block_bytes);
    b.units = block_bytes / unit_bytes;
    b.first_base = block_bases_.size();
    for (std::size_t i = 0; i < bases; ++i) {
      block_bases_.push_back(static_cast<char*>(b.memory.get()) + i * base_bytes);
    }
    blocks_.push_back(std::move(b));
  }

  block& b = blocks_.back();
  const auto r = static_cast<ref>((b.first_base << unit_bits_per_base) + b.used);
  auto* p = static_cast<unsigned char*>(b.memory.get()) + b.used * unit_bytes;
  for (std::size_t size = text.size();; size >>= 7) {
    if (size < 0x80) {
      *p++ = static_cast<unsigned char>(size);
      break;
    }
    *p++ = static_cast<unsigned char>(0x80 | (size & 0x7F));
  }
  if (!text.empty()) std::memcpy(p, text.data(), text.size());
  b.used += units;
  ++count_;
  return r;
}

}  // namespace inipick
