// SPDX-License-Identifier: BSD-2-Clause
// Every difference between the systems inipick builds on, behind plain
// functions and constants: the rest of the code never asks where it runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "port/config.h"

#if INIPICK_HAVE_FPENDING
#include <stdio_ext.h>
#endif

namespace inipick::port {

// One thread writes: where the C library has it, a write that skips the
// stream's lock.
inline void write_unlocked(const void* data, std::size_t size, std::FILE* out) noexcept {
#if INIPICK_HAVE_FWRITE_UNLOCKED
  fwrite_unlocked(data, 1, size, out);
#else
  std::fwrite(data, 1, size, out);
#endif
}

// Whether out holds bytes not yet handed to the system. Where the C library
// cannot tell, no: those bytes then fail in the flush that follows.
inline bool output_pending(std::FILE* out) noexcept {
#if INIPICK_HAVE_FPENDING
  return __fpending(out) != 0;
#else
  (void)out;
  return false;
#endif
}

// Whether getopt must be told, with a leading "+", to stop at the first
// operand: elsewhere "+" would be an option letter.
inline constexpr bool getopt_permutes = INIPICK_GETOPT_PERMUTES != 0;

// The 128-bit product of a and b, its two halves XORed: every input bit
// reaches every bit of the result. Four 32-bit products make it where the
// compiler has no 128-bit integer; the result is the same.
constexpr std::uint64_t multiply_fold_portable(std::uint64_t a, std::uint64_t b) noexcept {
  constexpr std::uint64_t low32 = 0xffffffffU;
  const std::uint64_t ll = (a & low32) * (b & low32);
  const std::uint64_t lh = (a & low32) * (b >> 32);
  const std::uint64_t hl = (a >> 32) * (b & low32);
  const std::uint64_t hh = (a >> 32) * (b >> 32);
  const std::uint64_t middle = (ll >> 32) + (lh & low32) + (hl & low32);
  const std::uint64_t low = (middle << 32) | (ll & low32);
  const std::uint64_t high = hh + (lh >> 32) + (hl >> 32) + (middle >> 32);
  return low ^ high;
}

inline std::uint64_t multiply_fold(std::uint64_t a, std::uint64_t b) noexcept {
#if INIPICK_HAVE_UINT128
  __extension__ using uint128 = unsigned __int128;
  const uint128 product = static_cast<uint128>(a) * b;
  return static_cast<std::uint64_t>(product) ^ static_cast<std::uint64_t>(product >> 64);
#else
  return multiply_fold_portable(a, b);
#endif
}

}  // namespace inipick::port
