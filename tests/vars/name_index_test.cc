// SPDX-License-Identifier: BSD-2-Clause
// The hash index beside the insertion-ordered arrays: growth, probing past
// equal hashes and around the end of the slots, and exact name comparison.
#include "vars/name_index.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "port/port.h"

namespace inipick {
namespace {

// An index with the array it points into, as the variable table keeps them.
class indexed_names {
 public:
  // hash_override: every name gets this hash, to force long probe chains.
  explicit indexed_names(std::optional<std::size_t> hash_override = std::nullopt)
      : hash_override_(hash_override) {}

  void add(std::string name) {
    names_.push_back(std::move(name));
    index_.insert(hash(names_.back()), names_.size() - 1);
  }
  [[nodiscard]] std::size_t find(std::string_view name) const {
    return index_.find(name, hash(name),
                       [this](std::size_t i) -> std::string_view { return names_[i]; });
  }
  [[nodiscard]] const std::vector<std::string>& names() const { return names_; }

 private:
  [[nodiscard]] std::size_t hash(std::string_view name) const {
    return hash_override_ ? *hash_override_ : name_index::hash_of(name);
  }
  std::optional<std::size_t> hash_override_;
  std::vector<std::string> names_;
  name_index index_;
};

TEST(NameIndex, EmptyIndexFindsNothing) {
  const indexed_names empty;
  EXPECT_EQ(empty.find(""), name_index::npos);
  EXPECT_EQ(empty.find("a"), name_index::npos);
}

TEST(NameIndex, EveryNameFoundAtItsPositionAcrossGrowth) {
  // Equal hashes make one long chain; the highest hash starts each probe at
  // the last slot, so every chain wraps around to the first.
  const std::optional<std::size_t> hashes[] = {std::nullopt, 0, static_cast<std::size_t>(-1)};
  for (const auto& hash : hashes) {
    SCOPED_TRACE(hash ? "hash " + std::to_string(*hash) : "real hashes");
    indexed_names index(hash);
    const std::size_t count = hash ? 600 : 30000;
    for (std::size_t i = 0; i < count; ++i) {
      index.add("name" + std::to_string(i));
      // Right after each insert, including the ones that grew the slots.
      ASSERT_EQ(index.find(index.names().back()), i);
    }
    for (std::size_t i = 0; i < count; ++i) {
      ASSERT_EQ(index.find("name" + std::to_string(i)), i);
    }
    EXPECT_EQ(index.find("name"), name_index::npos);
    EXPECT_EQ(index.find("name" + std::to_string(count)), name_index::npos);
    EXPECT_EQ(index.find("Name0"), name_index::npos);
  }
}

TEST(NameIndex, NamesComparedByteForByte) {
  const std::vector<std::string> names = {
      "a", "A", "a ", "\xC3\xA9", "\xC3\x89", "a\xFF", "a\x7F", "", std::string("a\0b", 3)};
  for (const auto& hash : {std::optional<std::size_t>(), std::optional<std::size_t>(7)}) {
    indexed_names index(hash);
    for (const std::string& name : names) index.add(name);
    for (std::size_t i = 0; i < names.size(); ++i) {
      EXPECT_EQ(index.find(names[i]), i) << ::testing::PrintToString(names[i]);
    }
    for (const char* absent : {"b", "\xC3", "\xC3\xA9\xC3\xA9", "a\x80"}) {
      EXPECT_EQ(index.find(absent), name_index::npos) << ::testing::PrintToString(absent);
    }
  }
}

// The index takes a slot from the hash's low bits; names that differ in one
// byte, a length or a digit must still spread over the slots, or lookups
// degrade into long scans.
TEST(NameIndex, HashesOfSimilarNamesSpreadOverLowAndHighBits) {
  // Short, medium and long names; names differing only in length.
  const std::string prefixes[] = {"", "section-", "a.rather.long.common.prefix.of.forty.bytes."};
  std::vector<std::vector<std::string>> families;
  for (const std::string& prefix : prefixes) {
    families.emplace_back();
    for (int i = 0; i < 4096; ++i) families.back().push_back(prefix + std::to_string(i));
  }
  families.emplace_back();
  for (std::size_t n = 0; n < 4096; ++n) families.back().push_back(std::string(n, 'x'));

  for (const auto& names : families) {
    std::set<std::size_t> low;
    std::set<std::size_t> high;
    std::set<std::size_t> whole;
    for (const std::string& name : names) {
      const std::size_t h = name_index::hash_of(name);
      low.insert(h & 1023);
      high.insert(h >> (8 * sizeof h - 10));
      whole.insert(h);
    }
    EXPECT_EQ(whole.size(), names.size()) << names.back();
    // 4096 random draws from 1024 values leave about 18 unused.
    EXPECT_GE(low.size(), 990u) << names.back();
    EXPECT_GE(high.size(), 990u) << names.back();
  }
}

// Asking for room beyond the slots' numbering fails before any arithmetic
// on the count can wrap, whatever the width of size_t.
TEST(NameIndex, ReservingBeyondTheMostNamesFailsAsMemoryDoes) {
  for (const std::size_t count : {name_index::max_names + 1, SIZE_MAX / 4, SIZE_MAX}) {
    name_index index;
    EXPECT_THROW(index.reserve(count), std::bad_alloc) << count;
    EXPECT_EQ(index.slot_count(), 0u);
  }
}

// The hash is the same with and without 128-bit integers: the spread test
// above covers both.
TEST(NameIndex, PortableMultiplyFoldMatchesTheWideOne) {
  const std::uint64_t edges[] = {0,
                                 1,
                                 0xffffffffU,
                                 0x100000000U,
                                 0x8000000000000000U,
                                 UINT64_MAX,
                                 0xa0761d6478bd642fU,
                                 0xe7037ed1a0b428dbU};
  for (const std::uint64_t a : edges) {
    for (const std::uint64_t b : edges) {
      EXPECT_EQ(port::multiply_fold_portable(a, b), port::multiply_fold(a, b)) << a << " * " << b;
    }
  }
  std::uint64_t x = 0x9e3779b97f4a7c15U;
  for (int i = 0; i < 100000; ++i) {
    x ^= x << 13;
    x ^= x >> 7;
    x ^= x << 17;
    const std::uint64_t y = x * 0xbf58476d1ce4e5b9U;
    ASSERT_EQ(port::multiply_fold_portable(x, y), port::multiply_fold(x, y)) << x << " * " << y;
  }
  // Worked out by hand, for systems where both are the portable one:
  // (2^64 - 1)^2 = 2^128 - 2^65 + 1, so the halves are 2^64 - 2 and 1.
  EXPECT_EQ(port::multiply_fold_portable(UINT64_MAX, UINT64_MAX), 1 ^ (UINT64_MAX - 1));
  EXPECT_EQ(port::multiply_fold_portable(0x100000000U, 0x100000000U), 1U);
}

}  // namespace
}  // namespace inipick
