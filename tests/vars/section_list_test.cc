// The distinct section names, printed by -q sections in order of first
// appearance.
#include "vars/section_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/test_support.h"

namespace inipick {
namespace {

using names = std::vector<std::string_view>;

TEST(SectionList, FirstAppearanceOrderAndByteExactRepeats) {
  test::test_run t;
  t.r.settings.query_sections = true;
  const char* const offered[] = {"a",   "b",        "a",        "A", "b",
                                 "a b", "\xC3\xA9", "\xC3\x89", "a", "\xC3\xA9"};
  for (const char* name : offered) section_list_add(t.r, name);
  section_list_flush(t.r);
  EXPECT_EQ(t.out.str(), "a\nb\nA\na b\n\xC3\xA9\n\xC3\x89\n");
  EXPECT_EQ(test::recorded_sections(t.r), (names{"a", "b", "A", "a b", "\xC3\xA9", "\xC3\x89"}));
  EXPECT_EQ(t.err.str(), "");
}

TEST(SectionList, NothingRecordedOrPrintedWithoutTheQuery) {
  test::test_run t;
  for (const char* name : {"a", "b", "a"}) section_list_add(t.r, name);
  section_list_flush(t.r);
  EXPECT_EQ(t.out.str(), "");
  EXPECT_TRUE(t.r.sections.names().empty());
}

TEST(SectionList, ThousandsOfNamesEachPrintedOnce) {
  test::test_run t;
  t.r.settings.query_sections = true;
  std::string expected;
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < 5000; ++i) {
      const std::string name = "s" + std::to_string(i * 7919 % 5000);
      section_list_add(t.r, name);
      if (round == 0) expected += name + "\n";
    }
  }
  section_list_flush(t.r);
  EXPECT_EQ(t.out.str(), expected);
  EXPECT_EQ(t.r.sections.names().size(), 5000u);
}

}  // namespace
}  // namespace inipick
