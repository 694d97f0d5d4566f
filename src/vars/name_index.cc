// Open addressing with linear probing; kept at most half full.
#include "vars/name_index.h"

#include <cstring>
#include <new>
#include <utility>

namespace inipick {

namespace {

__extension__ using uint128 = unsigned __int128;

// Multiplies and folds the 128-bit product: every input bit reaches the
// high and the low bits of the result.
std::uint64_t mix(std::uint64_t a, std::uint64_t b) noexcept {
  const uint128 product = static_cast<uint128>(a) * b;
  return static_cast<std::uint64_t>(product) ^ static_cast<std::uint64_t>(product >> 64);
}

std::uint64_t load64(const char* p) noexcept {
  std::uint64_t v = 0;
  std::memcpy(&v, p, sizeof v);
  return v;
}

std::uint64_t load32(const char* p) noexcept {
  std::uint32_t v = 0;
  std::memcpy(&v, p, sizeof v);
  return v;
}

}  // namespace

// Names are mostly short: up to sixteen bytes take two loads and two
// multiplications.
std::size_t name_index::hash_of(std::string_view name) noexcept {
  constexpr std::uint64_t k0 = 0xa0761d6478bd642fULL;
  constexpr std::uint64_t k1 = 0xe7037ed1a0b428dbULL;
  constexpr std::uint64_t k2 = 0x8ebc6af09c88c6e3ULL;
  const char* p = name.data();
  std::size_t n = name.size();
  std::uint64_t seed = k0 ^ n;
  std::uint64_t a = 0;
  std::uint64_t b = 0;
  if (n > 16) {
    for (; n > 16; p += 16, n -= 16) seed = mix(load64(p) ^ k1, load64(p + 8) ^ seed);
    a = load64(p + n - 16);
    b = load64(p + n - 8);
  } else if (n >= 8) {
    a = load64(p);
    b = load64(p + n - 8);
  } else if (n >= 4) {
    a = load32(p);
    b = load32(p + n - 4);
  } else if (n > 0) {
    const auto byte = [p](std::size_t i) {
      return std::uint64_t{static_cast<unsigned char>(p[i])};
    };
    a = (byte(0) << 16) | (byte(n / 2) << 8) | byte(n - 1);
  }
  return static_cast<std::size_t>(mix(k2 ^ name.size(), mix(a ^ k1, b ^ seed)));
}

void name_index::insert(std::size_t hash, std::size_t position) {
  if (position >= UINT32_MAX) throw std::bad_alloc();
  if (2 * (used_ + 1) > size_) {
    const std::size_t bigger = size_ == 0 ? 16 : 2 * size_;
    zeroed_memory old(bigger * sizeof(slot));
    std::swap(old, slots_);
    const std::size_t old_size = std::exchange(size_, bigger);
    const auto* old_slots = static_cast<const slot*>(old.get());
    for (std::size_t i = 0; i < old_size; ++i) {
      if (old_slots[i].position_plus_one != 0) place(old_slots[i]);
    }
  }
  place({tag_of(hash), static_cast<std::uint32_t>(position + 1)});
  ++used_;
}

void name_index::place(slot s) noexcept {
  const std::size_t mask = size_ - 1;
  std::size_t i = s.tag & mask;
  while (slots()[i].position_plus_one != 0) i = (i + 1) & mask;
  slots()[i] = s;
}

}  // namespace inipick
