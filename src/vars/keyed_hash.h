// SPDX-License-Identifier: BSD-2-Clause
// The hash of every name and section name the input holds. Whoever writes
// the input chooses those names; with a key they cannot know, they cannot
// choose names that collide, so no file makes a hash index slow.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace inipick {

struct hash_key {
  std::uint64_t k0 = 0;
  std::uint64_t k1 = 0;
};

namespace detail {
hash_key take_process_key() noexcept;
}  // namespace detail

// This process's key, taken from the operating system the first time it is
// asked for. Inline, as the hash is: after the first call, a check of the
// guard and a load.
inline const hash_key& process_hash_key() noexcept {
  static const hash_key key = detail::take_process_key();
  return key;
}

namespace detail {
// Written out, the compilers see one load (and a byte swap where needed).
inline std::uint64_t load_le32(const unsigned char* p) noexcept {
  return std::uint64_t{p[0]} | (std::uint64_t{p[1]} << 8) | (std::uint64_t{p[2]} << 16) |
         (std::uint64_t{p[3]} << 24);
}
inline std::uint64_t load_le64(const unsigned char* p) noexcept {
  return load_le32(p) | (load_le32(p + 4) << 32);
}

// The last n < 8 bytes, from loads that overlap rather than a loop: a byte
// read twice lands in the same place both times.
inline std::uint64_t load_le_tail(const unsigned char* p, std::size_t n) noexcept {
  if (n >= 4) return load_le32(p) | (load_le32(p + n - 4) << (8 * (n - 4)));
  if (n == 0) return 0;
  return std::uint64_t{p[0]} | (std::uint64_t{p[n / 2]} << (8 * (n / 2))) |
         (std::uint64_t{p[n - 1]} << (8 * (n - 1)));
}

struct sip_state {
  std::uint64_t v0, v1, v2, v3;

  void round() noexcept {
    v0 += v1;
    v1 = std::rotl(v1, 13);
    v1 ^= v0;
    v0 = std::rotl(v0, 32);
    v2 += v3;
    v3 = std::rotl(v3, 16);
    v3 ^= v2;
    v0 += v3;
    v3 = std::rotl(v3, 21);
    v3 ^= v0;
    v2 += v1;
    v1 = std::rotl(v1, 17);
    v1 ^= v2;
    v2 = std::rotl(v2, 32);
  }
  template <int rounds>
  void absorb(std::uint64_t m) noexcept {
    v3 ^= m;
    for (int i = 0; i < rounds; ++i) round();
    v0 ^= m;
  }
};

}  // namespace detail

// SipHash with c rounds per eight bytes and d at the end: a keyed function
// with no collisions known that hold whatever the key. 1-3 serves the
// program, as Rust's hash maps use it; 2-4 has the published test vectors.
// Bytes are read as little-endian words, as its authors define it, so a key
// gives the same hashes on every byte order. Inline: most names are short,
// and a call would cost a good part of their hash.
template <int c, int d>
std::uint64_t siphash(const hash_key& key, std::string_view text) noexcept {
  detail::sip_state s{key.k0 ^ 0x736f6d6570736575ULL, key.k1 ^ 0x646f72616e646f6dULL,
                      key.k0 ^ 0x6c7967656e657261ULL, key.k1 ^ 0x7465646279746573ULL};
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  std::size_t n = text.size();
  for (; n >= 8; p += 8, n -= 8) s.absorb<c>(detail::load_le64(p));
  s.absorb<c>(detail::load_le_tail(p, n) | (static_cast<std::uint64_t>(text.size()) << 56));
  s.v2 ^= 0xff;
  for (int i = 0; i < d; ++i) s.round();
  return s.v0 ^ s.v1 ^ s.v2 ^ s.v3;
}

inline std::size_t keyed_hash(const hash_key& key, std::string_view text) noexcept {
  return static_cast<std::size_t>(siphash<1, 3>(key, text));
}

}  // namespace inipick
