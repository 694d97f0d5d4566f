// SPDX-License-Identifier: BSD-2-Clause
// The variable table: one entry per name, in first-stored order, with the
// last definition's value, section and display flag.
#include "vars/var_table.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/test_support.h"

namespace inipick {
namespace {

using lines = std::vector<std::string>;

struct definition {
  std::optional<std::string> section;
  std::string name;
  std::string value;
  bool display = true;
};

// Stores d from strings that are overwritten right after the call, as the
// parser's line buffer is: the table must have kept copies.
void store_scribbled(var_table& table, const definition& d) {
  std::string section = d.section.value_or("");
  std::string name = d.name;
  std::string value = d.value;
  table.insert_or_replace(d.section ? std::optional<std::string_view>(section) : std::nullopt, name,
                          value, d.display);
  for (std::string* s : {&section, &name, &value}) s->assign(s->size(), '#');
}

struct table_case {
  const char* label;
  std::vector<definition> stored;
  lines expected;
};

TEST(VarTable, InsertOrReplace) {
  const table_case cases[] = {
      {"first-stored order",
       {{"s", "b", "1"}, {"s", "a", "2"}, {"s", "c", "3"}},
       {"[s] b=1", "[s] a=2", "[s] c=3"}},
      {"a replacement keeps its place",
       {{"s", "b", "1"}, {"s", "a", "2"}, {"s", "c", "3"}, {"s", "a", "4"}},
       {"[s] b=1", "[s] a=4", "[s] c=3"}},
      {"section none, then given, then none",
       {{std::nullopt, "a", "1"},
        {std::nullopt, "b", "2"},
        {"s", "a", "3"},
        {std::nullopt, "b", "4"}},
       {"[s] a=3", "b=4"}},
      {"section replaced by none", {{"s", "a", "1"}, {std::nullopt, "a", "2"}}, {"a=2"}},
      {"display follows the last definition",
       {{"s", "a", "1"}, {"s", "a", "2", false}, {"s", "b", "3", false}, {"s", "b", "4"}},
       {"[s] a=2 (hidden)", "[s] b=4"}},
      {"longer and shorter values replace",
       {{"s", "a", "x"},
        {"s", "b", "2"},
        {"s", "a", "a longer value"},
        {"s", "a", "y"},
        {"s", "b", "22222222222222222222"}},
       {"[s] a=y", "[s] b=22222222222222222222"}},
      {"empty value replaces", {{"s", "a", "x"}, {"s", "a", ""}}, {"[s] a="}},
      {"case and high bytes make names distinct",
       {{"s", "a", "1"},
        {"s", "A", "2"},
        {"s", "\xC3\xA9", "3"},
        {"s", "\xC3\x89", "4"},
        {"s", "a\xFF", "5"},
        {"s", "a\x7F", "6"},
        {"s", "A", "7"}},
       {"[s] a=1", "[s] A=7", "[s] \xC3\xA9=3", "[s] \xC3\x89=4", "[s] a\xFF=5", "[s] a\x7F=6"}},
      {"an empty name, an empty value",
       {{"s", "", ""}, {"s", "a", ""}, {"s", "", "x"}, {"s", "a", "yy"}},
       {"[s] =x", "[s] a=yy"}},
      {"a value outgrowing its room again and again keeps the name",
       {{"s", "name", ""},
        {"s", "name", "1"},
        {"s", "name", "22"},
        {"s", "other", "o"},
        {"s", "name", std::string(100, 'x')},
        {"s", "name", std::string(3000, 'y')},
        {"s", "name", "z"},
        {"s", "name", std::string(100000, 'w')}},
       {"[s] name=" + std::string(100000, 'w'), "[s] other=o"}},
      {"sections switch back and forth",
       {{"t", "a", "1"}, {"s", "b", "2"}, {"t", "c", "3"}, {"s", "a", "4"}, {"u", "b", "5"}},
       {"[s] a=4", "[u] b=5", "[t] c=3"}},
      {"a name that begins another",
       {{"s", "ab", "1"}, {"s", "a", "2"}, {"s", "abc", "3"}},
       {"[s] ab=1", "[s] a=2", "[s] abc=3"}},
  };
  for (const table_case& c : cases) {
    SCOPED_TRACE(c.label);
    var_table table;
    for (const definition& d : c.stored) store_scribbled(table, d);
    EXPECT_EQ(test::entry_lines(table), c.expected);
  }
}

TEST(VarTable, ThousandsOfNamesKeepTheirPlacesAcrossGrowth) {
  constexpr int count = 20000;
  var_table table;
  for (int i = 0; i < count; ++i) {
    store_scribbled(table, {"s", "n" + std::to_string(i), std::to_string(i)});
  }
  for (int i = count - 1; i >= 0; i -= 3) {
    store_scribbled(table, {std::nullopt, "n" + std::to_string(i), "r", i % 2 == 0});
  }
  table.stop_inserting();  // what the listing reads stays
  const auto& entries = table.entries();
  ASSERT_EQ(entries.size(), static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const var_entry& e = entries[static_cast<std::size_t>(i)];
    const bool replaced = (count - 1 - i) % 3 == 0;
    ASSERT_EQ(e.name, "n" + std::to_string(i));
    EXPECT_EQ(e.value, replaced ? "r" : std::to_string(i)) << e.name;
    EXPECT_EQ(e.section_name.has_value(), !replaced) << e.name;
    EXPECT_EQ(e.display, !replaced || i % 2 == 0) << e.name;
  }
}

}  // namespace
}  // namespace inipick
