// SPDX-License-Identifier: BSD-2-Clause
// The block scans: a block's line feeds and its first NUL, in one pass.
// Reference: scan_bytewise, a byte at a time.
// Tested by: tests/backends/ini/block_scan_test.cc; the fuzzer, on every input.
//
// Each SIMD scan handles whole 64-byte chunks and leaves the last, partial
// chunk to the bytewise scan, so that none reads past the block.
#include "backends/ini/block_scan.h"

#include <array>

#include "port/cpu_features.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define INIPICK_BLOCK_SCAN_X86 1
#endif
#if defined(__aarch64__) && defined(__ARM_NEON) && defined(__BYTE_ORDER__) && \
    __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
#include <arm_neon.h>
#define INIPICK_BLOCK_SCAN_NEON 1
#endif

namespace inipick {
namespace {

std::size_t scan_bytewise(const char* p, std::size_t n, std::uint64_t* masks) noexcept {
  std::size_t first_nul = n;
  for (std::size_t chunk = 0; chunk < n; chunk += 64) {
    std::uint64_t found = 0;
    const std::size_t size = n - chunk < 64 ? n - chunk : 64;
    for (std::size_t i = 0; i < size; ++i) {
      const char c = p[chunk + i];
      if (c == '\n') found |= std::uint64_t{1} << i;
      if (c == '\0' && first_nul == n) first_nul = chunk + i;
    }
    masks[chunk / 64] = found;
  }
  return first_nul;
}

#if defined(INIPICK_BLOCK_SCAN_X86) || defined(INIPICK_BLOCK_SCAN_NEON)
// Where a SIMD scan stopped: the rest is a partial chunk.
std::size_t finish(const char* p, std::size_t n, std::uint64_t* masks, std::size_t done,
                   std::size_t first_nul) noexcept {
  if (done < n) {
    const std::size_t nul = scan_bytewise(p + done, n - done, masks + done / 64);
    if (first_nul == n && nul < n - done) first_nul = done + nul;
  }
  return first_nul;
}

// The offset of the first NUL in the 64 bytes at p, known to hold one.
std::size_t nul_in_chunk(const char* p) noexcept {
  std::size_t i = 0;
  while (p[i] != '\0') ++i;
  return i;
}
#endif

#if defined(INIPICK_BLOCK_SCAN_X86)
std::size_t scan_sse2(const char* p, std::size_t n, std::uint64_t* masks) noexcept {
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i zero = _mm_setzero_si128();
  std::size_t first_nul = n;
  std::size_t chunk = 0;
  for (; n - chunk >= 64; chunk += 64) {
    std::uint64_t found = 0;
    __m128i nuls = zero;
    for (int i = 0; i < 4; ++i) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + chunk + 16 * i));
      const auto bits = static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, lf)));
      found |= static_cast<std::uint64_t>(bits) << (16 * i);
      nuls = _mm_or_si128(nuls, _mm_cmpeq_epi8(bytes, zero));
    }
    masks[chunk / 64] = found;
    if (_mm_movemask_epi8(nuls) != 0 && first_nul == n) first_nul = chunk + nul_in_chunk(p + chunk);
  }
  return finish(p, n, masks, chunk, first_nul);
}

__attribute__((target("avx2"))) std::size_t scan_avx2(const char* p, std::size_t n,
                                                      std::uint64_t* masks) noexcept {
  const __m256i lf = _mm256_set1_epi8('\n');
  const __m256i zero = _mm256_setzero_si256();
  std::size_t first_nul = n;
  std::size_t chunk = 0;
  for (; n - chunk >= 64; chunk += 64) {
    const __m256i low = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + chunk));
    const __m256i high = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + chunk + 32));
    const auto low_bits =
        static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(low, lf)));
    const auto high_bits =
        static_cast<std::uint32_t>(_mm256_movemask_epi8(_mm256_cmpeq_epi8(high, lf)));
    masks[chunk / 64] = (static_cast<std::uint64_t>(high_bits) << 32) | low_bits;
    const __m256i nuls =
        _mm256_or_si256(_mm256_cmpeq_epi8(low, zero), _mm256_cmpeq_epi8(high, zero));
    if (_mm256_movemask_epi8(nuls) != 0 && first_nul == n) {
      first_nul = chunk + nul_in_chunk(p + chunk);
    }
  }
  return finish(p, n, masks, chunk, first_nul);
}
#endif

#if defined(INIPICK_BLOCK_SCAN_NEON)
// Bit i of the result for byte i of the four vectors, whose bytes are all
// ones or all zeros.
std::uint64_t neon_mask(uint8x16_t a, uint8x16_t b, uint8x16_t c, uint8x16_t d) noexcept {
  const uint8x16_t weights = {1, 2, 4, 8, 16, 32, 64, 128, 1, 2, 4, 8, 16, 32, 64, 128};
  uint8x16_t sum = vpaddq_u8(vandq_u8(a, weights), vandq_u8(b, weights));
  sum = vpaddq_u8(sum, vpaddq_u8(vandq_u8(c, weights), vandq_u8(d, weights)));
  sum = vpaddq_u8(sum, sum);
  return vgetq_lane_u64(vreinterpretq_u64_u8(sum), 0);
}

std::size_t scan_neon(const char* p, std::size_t n, std::uint64_t* masks) noexcept {
  const uint8x16_t lf = vdupq_n_u8('\n');
  std::size_t first_nul = n;
  std::size_t chunk = 0;
  for (; n - chunk >= 64; chunk += 64) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(p + chunk);
    const uint8x16_t a = vld1q_u8(bytes);
    const uint8x16_t b = vld1q_u8(bytes + 16);
    const uint8x16_t c = vld1q_u8(bytes + 32);
    const uint8x16_t d = vld1q_u8(bytes + 48);
    masks[chunk / 64] =
        neon_mask(vceqq_u8(a, lf), vceqq_u8(b, lf), vceqq_u8(c, lf), vceqq_u8(d, lf));
    // The smallest byte is zero exactly when the chunk holds a NUL.
    const uint8x16_t least = vminq_u8(vminq_u8(a, b), vminq_u8(c, d));
    if (vminvq_u8(least) == 0 && first_nul == n) first_nul = chunk + nul_in_chunk(p + chunk);
  }
  return finish(p, n, masks, chunk, first_nul);
}
#endif

constexpr std::array all_scanners = {
    named_block_scanner{"bytewise", scan_bytewise},
#if defined(INIPICK_BLOCK_SCAN_X86)
    named_block_scanner{"sse2", scan_sse2},
    named_block_scanner{"avx2", scan_avx2},
#endif
#if defined(INIPICK_BLOCK_SCAN_NEON)
    named_block_scanner{"neon", scan_neon},
#endif
};

bool processor_runs(const named_block_scanner& s) noexcept {
#if defined(INIPICK_BLOCK_SCAN_X86)
  if (s.scan == scan_avx2) return port::cpu_runs_avx2();
#endif
  (void)s;
  return true;
}

}  // namespace

block_scanner best_block_scanner() noexcept {
  static const block_scanner best = [] {
    block_scanner chosen = scan_bytewise;
    for (const named_block_scanner& s : all_scanners) {
      if (processor_runs(s)) chosen = s.scan;  // listed slowest first
    }
    return chosen;
  }();
  return best;
}

std::span<const named_block_scanner> block_scanners() noexcept {
  static const auto usable = [] {
    std::array<named_block_scanner, all_scanners.size()> list{};
    std::size_t count = 0;
    for (const named_block_scanner& s : all_scanners) {
      if (processor_runs(s)) list[count++] = s;
    }
    return std::pair{list, count};
  }();
  return {usable.first.data(), usable.second};
}

}  // namespace inipick
