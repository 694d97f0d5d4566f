// SPDX-License-Identifier: BSD-2-Clause
// Every block scan this build and processor have, held to the bytewise
// reference: the same masks and the same first NUL, byte for byte, on every
// byte value at every position, on every length around the 64-byte chunks,
// and on random blocks. Under emulation this checks the NEON and big-endian
// builds too.
#include "backends/ini/block_scan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace inipick {
namespace {

struct scan_result {
  std::size_t first_nul;
  std::vector<std::uint64_t> masks;
  bool operator==(const scan_result&) const = default;
};

// The block is copied to exactly its own allocation, so that a scan that
// reads past its end trips the address sanitizer. The mask array has a
// guard word that no scan may write.
scan_result scan_with(block_scanner scan, const std::string& block, std::size_t offset) {
  std::vector<char> bytes(offset + block.size());
  std::copy(block.begin(), block.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
  constexpr std::uint64_t guard = 0x5A5A5A5A5A5A5A5AULL;
  const std::size_t count = (block.size() + 63) / 64;
  std::vector<std::uint64_t> masks(count + 1, guard);
  const std::size_t nul = scan(bytes.data() + offset, block.size(), masks.data());
  EXPECT_EQ(masks[count], guard) << "a mask written past the last chunk";
  masks.pop_back();
  return {nul, masks};
}

void expect_all_alike(const std::string& block, std::size_t offset = 0) {
  const auto scanners = block_scanners();
  ASSERT_STREQ(scanners[0].name, "bytewise");
  const scan_result reference = scan_with(scanners[0].scan, block, offset);
  for (const named_block_scanner& s : scanners.subspan(1)) {
    ASSERT_EQ(scan_with(s.scan, block, offset), reference)
        << s.name << " on " << ::testing::PrintToString(block) << " at offset " << offset;
  }
}

TEST(BlockScan, TheReferenceFindsLineFeedsAndTheFirstNul) {
  std::string block(130, 'x');
  block[0] = block[63] = block[64] = block[129] = '\n';
  block[70] = block[100] = '\0';
  const scan_result r = scan_with(block_scanners()[0].scan, block, 0);
  EXPECT_EQ(r.first_nul, 70U);
  ASSERT_EQ(r.masks.size(), 3U);
  EXPECT_EQ(r.masks[0], (std::uint64_t{1} << 63) | 1U);
  EXPECT_EQ(r.masks[1], 1U);
  EXPECT_EQ(r.masks[2], 2U);
  EXPECT_EQ(scan_with(block_scanners()[0].scan, "abc", 0).first_nul, 3U);
}

TEST(BlockScan, TheBestScanIsOneOfThoseListed) {
  bool listed = false;
  for (const named_block_scanner& s : block_scanners()) listed |= s.scan == best_block_scanner();
  EXPECT_TRUE(listed);
}

#if defined(INIPICK_TEST_HAVE_CPU_SUPPORTS) && defined(__x86_64__)
// The compiler's runtime reads the processor its own way: the AVX2 scan is
// listed exactly where it finds AVX2.
TEST(BlockScan, Avx2ListedWhereTheCompilersRuntimeFindsIt) {
  bool listed = false;
  for (const named_block_scanner& s : block_scanners()) listed |= std::string(s.name) == "avx2";
  EXPECT_EQ(listed, __builtin_cpu_supports("avx2") != 0);
}
#endif

TEST(BlockScan, EveryByteValueAtEveryPositionOfTwoChunks) {
  for (int b = 0; b < 256; ++b) {
    for (std::size_t at = 0; at < 128; ++at) {
      std::string block(128, 'a');
      block[at] = static_cast<char>(b);
      expect_all_alike(block);
      if (HasFatalFailure()) return;
    }
  }
}

TEST(BlockScan, EveryLengthAroundTheChunksAndEveryAlignment) {
  std::mt19937 random(64);
  for (std::size_t size = 0; size <= 200; ++size) {
    for (std::size_t offset = 0; offset < 32; offset += 7) {
      std::string block(size, 'v');
      // Line feeds and NULs near the ends, where a scan might stop early or
      // run over.
      for (char& c : block) {
        const auto r = random() % 16;
        c = r == 0 ? '\n' : r == 1 ? '\0' : r == 2 ? '\r' : static_cast<char>(random() % 256);
      }
      expect_all_alike(block, offset);
      if (!block.empty()) {
        block.back() = '\n';
        expect_all_alike(block, offset);
      }
      if (HasFatalFailure()) return;
    }
  }
}

TEST(BlockScan, RandomBlocksWithoutNulOrWithOneLate) {
  std::mt19937 random(1515);
  for (int round = 0; round < 200; ++round) {
    std::string block(random() % 5000, 'x');
    for (char& c : block) {
      c = random() % 30 == 0 ? '\n' : static_cast<char>(random() % 255 + 1);
    }
    expect_all_alike(block);
    if (!block.empty()) {
      block[random() % block.size()] = '\0';
      expect_all_alike(block);
    }
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace inipick
