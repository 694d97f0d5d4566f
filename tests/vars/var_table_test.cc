// SPDX-License-Identifier: BSD-2-Clause
// The variable table: one entry per name, in first-stored order, with the
// last definition's value and display flag.
#include "vars/var_table.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace inipick {
namespace {

using lines = std::vector<std::string>;

struct definition {
  std::string name;
  std::string value;
  bool display = true;
};

// Stores d from strings that are overwritten right after the call, as the
// parser's line buffer is: the table must have kept copies.
void store_scribbled(var_table& table, const definition& d) {
  std::string name = d.name;
  std::string value = d.value;
  table.insert_or_replace(name, value, d.display);
  for (std::string* s : {&name, &value}) s->assign(s->size(), '#');
}

struct table_case {
  const char* label;
  std::vector<definition> stored;
  lines expected;
};

TEST(VarTable, InsertOrReplace) {
  const table_case cases[] = {
      {"first-stored order", {{"b", "1"}, {"a", "2"}, {"c", "3"}}, {"b=1", "a=2", "c=3"}},
      {"a replacement keeps its place",
       {{"b", "1"}, {"a", "2"}, {"c", "3"}, {"a", "4"}},
       {"b=1", "a=4", "c=3"}},
      {"display follows the last definition",
       {{"a", "1"}, {"a", "2", false}, {"b", "3", false}, {"b", "4"}},
       {"a=2 (hidden)", "b=4"}},
      {"longer and shorter values replace",
       {{"a", "x"}, {"b", "2"}, {"a", "a longer value"}, {"a", "y"}, {"b", "22222222222222222222"}},
       {"a=y", "b=22222222222222222222"}},
      {"empty value replaces", {{"a", "x"}, {"a", ""}}, {"a="}},
      {"case and high bytes make names distinct",
       {{"a", "1"},
        {"A", "2"},
        {"\xC3\xA9", "3"},
        {"\xC3\x89", "4"},
        {"a\xFF", "5"},
        {"a\x7F", "6"},
        {"A", "7"}},
       {"a=1", "A=7", "\xC3\xA9=3", "\xC3\x89=4", "a\xFF=5", "a\x7F=6"}},
      {"an empty name, an empty value",
       {{"", ""}, {"a", ""}, {"", "x"}, {"a", "yy"}},
       {"=x", "a=yy"}},
      {"a value outgrowing its room again and again keeps the name",
       {{"name", ""},
        {"name", "1"},
        {"name", "22"},
        {"other", "o"},
        {"name", std::string(100, 'x')},
        {"name", std::string(3000, 'y')},
        {"name", "z"},
        {"name", std::string(100000, 'w')}},
       {"name=" + std::string(100000, 'w'), "other=o"}},
      {"a name that begins another",
       {{"ab", "1"}, {"a", "2"}, {"abc", "3"}},
       {"ab=1", "a=2", "abc=3"}},
  };
  for (const table_case& c : cases) {
    SCOPED_TRACE(c.label);
    var_table table;
    for (const definition& d : c.stored) store_scribbled(table, d);
    EXPECT_EQ(test::entry_lines(table), c.expected);
  }
}

// Thousands of names defined and redefined at random, with values that
// outgrow their room and shrink again, against a plain list kept in
// first-stored order.
TEST(VarTable, AgreesWithAPlainListAcrossGrowth) {
  std::mt19937 random(24);
  var_table table;
  std::vector<definition> reference;
  std::map<std::string, std::size_t> place;
  for (int step = 0; step < 60000; ++step) {
    const std::size_t size = random() % 8 == 0 ? random() % 2000 : random() % 12;
    const definition d{"n" + std::to_string(random() % 20000),
                       std::string(size, static_cast<char>('a' + step % 26)), random() % 3 != 0};
    store_scribbled(table, d);
    const auto [at, is_new] = place.emplace(d.name, reference.size());
    if (is_new) {
      reference.push_back(d);
    } else {
      reference[at->second] = d;
    }
  }
  table.stop_inserting();  // what the listing reads stays
  lines expected;
  for (const definition& d : reference) {
    expected.push_back(d.name + "=" + d.value + (d.display ? "" : " (hidden)"));
  }
  EXPECT_EQ(test::entry_lines(table), expected);
}

}  // namespace
}  // namespace inipick
