// SPDX-License-Identifier: BSD-2-Clause
// Kept strings come back byte for byte from their numbers, whatever their
// length: on both sides of the fifteen bytes kept inline, and across the
// chunks and blocks that hold them.
#include "vars/string_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace inipick {
namespace {

TEST(StringTable, EveryStringComesBackFromItsNumber) {
  std::vector<std::string> kept;
  for (std::size_t size = 0; size <= 40; ++size) {
    std::string s(size, '\0');
    for (std::size_t i = 0; i < size; ++i) s[i] = static_cast<char>(size * 31 + i * 7);
    kept.push_back(s);
  }
  kept.emplace_back(std::size_t{5} << 20, 'L');  // beyond one block of the arena
  kept.emplace_back("\xFF");                     // the marker of a long string, as text
  for (int i = 0; i < 100000; ++i) kept.push_back("name-" + std::to_string(i * 7919));

  string_table table;
  for (const std::string& s : kept) table.push_back(s);
  ASSERT_EQ(table.size(), kept.size());
  for (std::size_t i = 0; i < kept.size(); ++i) ASSERT_EQ(table[i], kept[i]) << "string " << i;
}

}  // namespace
}  // namespace inipick
