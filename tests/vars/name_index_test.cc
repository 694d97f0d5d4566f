// SPDX-License-Identifier: BSD-2-Clause
// The hash index beside the insertion-ordered arrays: growth, probing past
// equal hashes and around the end of the slots, exact name comparison, and
// the keyed hash that keeps crafted names from colliding.
#include "vars/name_index.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "vars/keyed_hash.h"

namespace inipick {
namespace {

using namespace std::string_literals;

// An index with the array it points into, as the variable table keeps them.
class indexed_names {
 public:
  // hash_override: every name gets this hash, to force long probe chains.
  explicit indexed_names(std::optional<std::size_t> hash_override = std::nullopt,
                         const hash_key& key = process_hash_key())
      : hash_override_(hash_override), key_(key) {}

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
    return hash_override_ ? *hash_override_ : keyed_hash(key_, name);
  }
  std::optional<std::size_t> hash_override_;
  hash_key key_;
  std::vector<std::string> names_;
  name_index index_;
};

TEST(NameIndex, EmptyIndexFindsNothing) {
  const indexed_names empty;
  EXPECT_EQ(empty.find(""), name_index::npos);
  EXPECT_EQ(empty.find("a"), name_index::npos);
}

constexpr hash_key key_a{0x0706050403020100U, 0x0f0e0d0c0b0a0908U};
constexpr hash_key key_b{0x9e3779b97f4a7c15U, 0xbf58476d1ce4e5b9U};

TEST(NameIndex, EveryNameFoundAtItsPositionAcrossGrowth) {
  // Equal hashes make one long chain; a hash whose tag has every bit set
  // starts each probe at the last slot, so every chain wraps around to the
  // first. Positions are the same whatever the key.
  struct hashing {
    const char* label;
    std::optional<std::size_t> hash;
    const hash_key& key;
  };
  const hashing hashings[] = {{"key a", std::nullopt, key_a},
                              {"key b", std::nullopt, key_b},
                              {"all 0", 0, key_a},
                              {"all last slot", std::size_t{0xffffffffU}, key_a}};
  name_index last;  // 0xffffffff is its own tag, with a 32-bit or a 64-bit size_t
  last.reserve(600);
  ASSERT_EQ(last.first_slot(0xffffffffU), last.slot_count() - 1);
  for (const auto& [label, hash, key] : hashings) {
    SCOPED_TRACE(label);
    indexed_names index(hash, key);
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
      const std::size_t h = keyed_hash(key_a, name);
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

// The published SipHash-2-4 vectors (key 00 01 .. 0f; the messages 00 01
// .. up to fifteen bytes): the program's 1-3 shares every step but the
// round counts.
TEST(NameIndex, SipHashMatchesItsPublishedVectors) {
  const std::string message = "\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0a\x0b\x0c\x0d\x0e"s;
  EXPECT_EQ((siphash<2, 4>(key_a, "")), 0x726fdb47dd0e0e31U);
  EXPECT_EQ((siphash<2, 4>(key_a, message)), 0xa129ca6149be45e5U);
  // The overlapping loads of the last bytes against a plain loop.
  const auto* bytes = reinterpret_cast<const unsigned char*>("\x81\x02\xf3\x04\x05\xa6\x07");
  for (std::size_t n = 0; n < 8; ++n) {
    std::uint64_t expected = 0;
    for (std::size_t i = 0; i < n; ++i) expected |= std::uint64_t{bytes[i]} << (8 * i);
    EXPECT_EQ(detail::load_le_tail(bytes, n), expected) << n;
  }
}

// Slots probed to place names one after another by linear probing from
// their first slots: the work an index does for them.
std::size_t probes_to_place(const std::vector<std::size_t>& first_slots, std::size_t slots) {
  std::vector<bool> used(slots);
  std::size_t probes = 0;
  for (std::size_t s : first_slots) {
    for (; used[s]; s = (s + 1) % slots) ++probes;
    used[s] = true;
  }
  return probes;
}

// Someone who knows one key can pick names whose first slots crowd together
// (here all 3000 in 64 of 4096 slots, which costs millions of probes); under
// any other key they spread as ordinary names do.
TEST(NameIndex, NamesCraftedForOneKeyCollideUnderNoOther) {
  constexpr std::size_t count = 3000;
  name_index known;
  name_index unknown;
  known.reserve(count);
  unknown.reserve(count);
  ASSERT_EQ(known.slot_count(), unknown.slot_count());
  std::vector<std::size_t> crowded;
  std::vector<std::size_t> spread;
  for (std::size_t i = 0; crowded.size() < count; ++i) {
    const std::string name = "k" + std::to_string(i);
    const std::size_t slot = known.first_slot(keyed_hash(key_a, name));
    if (slot >= 64) continue;
    crowded.push_back(slot);
    spread.push_back(unknown.first_slot(keyed_hash(key_b, name)));
  }
  EXPECT_GT(probes_to_place(crowded, known.slot_count()), count * count / 4);
  EXPECT_LT(probes_to_place(spread, unknown.slot_count()), 10 * count);
}

}  // namespace
}  // namespace inipick
