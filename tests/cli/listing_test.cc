// SPDX-License-Identifier: BSD-2-Clause
// The listing's order: by name as unsigned bytes, whatever the names share.
#include "cli/listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "vars/var_table.h"

namespace inipick {
namespace {

using names = std::vector<std::string>;

// Stores the names in a shuffled order, sorts the table and returns its
// names in sorted order.
names sorted_through_table(names stored, std::uint32_t seed) {
  std::shuffle(stored.begin(), stored.end(), std::mt19937(seed));
  var_table table;
  for (const std::string& name : stored) table.insert_or_replace(name, "v", true);
  names out;
  for (const name_key& k : sort_by_name(table)) out.emplace_back(table.name(k.entry));
  return out;
}

names numbered(const std::string& head, int count, const std::string& tail = "") {
  names out;
  for (int i = 0; i < count; ++i) out.push_back(head + std::to_string(i) + tail);
  return out;
}

// Distinct random names over a few bytes, short enough to share a lot.
names random_names(const std::string& alphabet, std::size_t max_size, int count,
                   std::uint32_t seed) {
  std::mt19937 rng(seed);
  std::set<std::string> out;
  while (out.size() < static_cast<std::size_t>(count)) {
    std::string name(rng() % (max_size + 1), ' ');
    for (char& c : name) c = alphabet[rng() % alphabet.size()];
    out.insert(name);
  }
  return {out.begin(), out.end()};
}

names joined(std::initializer_list<names> parts) {
  names out;
  for (const names& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

struct sort_case {
  const char* label;
  names stored;
};

TEST(SortByName, AgreesWithByteOrder) {
  const std::string long_head(21, 'p');
  names prefixes;  // each a prefix of the next, across several key widths
  for (int n = 0; n <= 40; ++n) prefixes.push_back(std::string(static_cast<std::size_t>(n), 'a'));
  const sort_case cases[] = {
      {"empty table", {}},
      {"one name", {"only"}},
      {"few names, high bytes after low ones",
       {"b", "a", "\xFF", "\x80", "\x7F", "A", "a\xFF", "a\x01", "", "~"}},
      {"names that begin one another", prefixes},
      {"all share a prefix longer than a key", numbered(long_head, 3000)},
      {"all share a prefix that is itself a name", joined({{long_head}, numbered(long_head, 500)})},
      {"groups that share long prefixes, split late",
       joined({numbered(long_head + "x", 700, "tail"), numbered(long_head + "\xC3\xA9", 700),
               numbered("q" + long_head, 700, long_head), numbered("", 700)})},
      {"many short names over high and low bytes",
       random_names(std::string("ab\x80\xFF\x01", 5), 6, 4000, 1)},
      {"many long names over a low and a high byte", random_names("x\xFF", 40, 4000, 2)},
      {"wide section", numbered("wide-", 20000)},
  };
  for (const sort_case& c : cases) {
    SCOPED_TRACE(c.label);
    names expected = c.stored;
    std::sort(expected.begin(), expected.end());
    for (std::uint32_t seed : {1U, 2U}) EXPECT_EQ(sorted_through_table(c.stored, seed), expected);
  }
}

// Each name begins the next: a sort that recursed once per split byte would
// run out of stack.
TEST(SortByName, ManyNestedPrefixesKeepTheStackShallow) {
  names stored;
  for (std::size_t n = 1; n <= 4000; ++n) stored.push_back(std::string(n, 'n'));
  names expected = stored;
  EXPECT_EQ(sorted_through_table(stored, 3), expected);
}

}  // namespace
}  // namespace inipick
