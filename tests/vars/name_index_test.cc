// SPDX-License-Identifier: BSD-2-Clause
// The hash index beside the insertion-ordered arrays: growth, probing past
// equal hashes and around the end of the slots, and exact name comparison.
#include "vars/name_index.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

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

}  // namespace
}  // namespace inipick
