// Kept strings come back byte for byte from their numbers, whatever their
// length: across the length prefix's byte boundaries, across
// blocks, and larger than a block.
#include "vars/record_arena.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace inipick {
namespace {

std::string patterned(std::size_t size, char first) {
  std::string s(size, '\0');
  for (std::size_t i = 0; i < size; ++i)
    s[i] = static_cast<char>(first + static_cast<char>(i % 251));
  return s;
}

TEST(RecordArena, EveryStringComesBackFromItsNumber) {
  std::vector<std::string> kept;
  // Lengths at the prefix's byte boundaries, a unit's size, and beyond one
  // block of numbering (4 MiB).
  for (const std::size_t size :
       {0u, 1u, 14u, 15u, 16u, 17u, 127u, 128u, 129u, 16383u, 16384u, 65536u, 5u << 20, 3u}) {
    kept.push_back(patterned(size, static_cast<char>('a' + kept.size())));
  }
  // Enough short ones to fill several blocks.
  for (int i = 0; i < 300000; ++i) kept.push_back("name-" + std::to_string(i));
  kept.push_back(std::string("nul\0inside", 10));

  record_arena arena;
  std::vector<record_arena::ref> refs;
  for (const std::string& s : kept) refs.push_back(arena.append(s));

  ASSERT_EQ(arena.size(), kept.size());
  for (std::size_t i = 0; i < kept.size(); ++i) {
    ASSERT_EQ(arena.at(refs[i]), kept[i]) << "string " << i;
  }
}

}  // namespace
}  // namespace inipick
