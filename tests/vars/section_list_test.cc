// SPDX-License-Identifier: BSD-2-Clause
// The distinct section names, printed by -q sections in order of first
// appearance.
#include "vars/section_list.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "support/failing_allocation.h"
#include "support/test_support.h"

namespace inipick {
namespace {

TEST(SectionList, FirstAppearanceOrderAndByteExactRepeats) {
  test::test_run t;
  const char* const offered[] = {"a",   "b",        "a",        "A", "b",
                                 "a b", "\xC3\xA9", "\xC3\x89", "a", "\xC3\xA9"};
  for (const char* name : offered) section_list_add(t.r.sections, name, t.r.printed);
  section_list_flush(t.r.sections, t.r.printed);
  EXPECT_EQ(t.out.str(), "a\nb\nA\na b\n\xC3\xA9\n\xC3\x89\n");
  EXPECT_EQ(t.r.sections.size(), 6u);
  EXPECT_EQ(t.err.str(), "");
}

TEST(SectionList, ThousandsOfNamesEachPrintedOnce) {
  test::test_run t;
  std::string expected;
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < 5000; ++i) {
      const std::string name = "s" + std::to_string(i * 7919 % 5000);
      section_list_add(t.r.sections, name, t.r.printed);
      if (round == 0) expected += name + "\n";
    }
  }
  section_list_flush(t.r.sections, t.r.printed);
  EXPECT_EQ(t.out.str(), expected);
  EXPECT_EQ(t.r.sections.size(), 5000u);
}

// Names are looked up in batches, out of order; a batch ends at a count or
// at an amount of text, and a name too long to batch is looked up alone. Neither may change what is
// printed or its order.
TEST(SectionList, OrderKeptAcrossBatchesAndVeryLongNames) {
  test::test_run t;
  const std::string long_name(std::size_t{1} << 20, 'y');
  std::set<std::string> seen;
  std::string expected;
  const auto offer = [&](const std::string& name) {
    section_list_add(t.r.sections, name, t.r.printed);
    if (seen.insert(name).second) expected += name + "\n";
  };
  for (int i = 0; i < 20000; ++i) {
    if (i == 777 || i == 15000) offer(long_name);
    // Two of these fill a batch's room for text before its count.
    if (i % 4000 == 1)
      offer(std::string(std::size_t{600} << 10, static_cast<char>('a' + i / 4000)));
    // Names n0 n1 n0 n2 n3 n2 ...: each third one comes back at once.
    offer("n" + std::to_string(i / 3 * 2 + i % 3 % 2));
    if (i % 5000 == 0) offer("n0");  // and one from long before
  }
  section_list_flush(t.r.sections, t.r.printed);
  EXPECT_EQ(t.out.str(), expected);
  EXPECT_EQ(t.r.sections.size(), seen.size());
}

// Whichever allocation fails, the run fails with one of the list's two
// messages, having printed only names it had found new.
TEST(SectionList, EveryFailedAllocationFailsTheRun) {
  std::vector<std::string> names;
  for (int i = 0; i < 300; ++i) names.push_back("s" + std::to_string(i % 200));
  names.push_back(std::string(std::size_t{1} << 20, 'z'));
  names.push_back("last");
  const auto offer_all = [&names](test::test_run& t) {
    for (const std::string& name : names) section_list_add(t.r.sections, name, t.r.printed);
    section_list_flush(t.r.sections, t.r.printed);
  };
  test::test_run whole;
  offer_all(whole);
  const std::string full = whole.out.str();
  const std::string no_memory = std::strerror(ENOMEM);
  const std::set<std::string> messages = {"Out of memory for the section names list: " + no_memory,
                                          "Out of memory for the new section name: " + no_memory};
  for (long k = 1;; ++k) {
    SCOPED_TRACE("allocation " + std::to_string(k));
    test::test_run t;
    std::string message;
    bool happened = false;
    {
      const test::allocation_failure failure(k);
      try {
        offer_all(t);
      } catch (const fatal_error& e) {
        message = e.what();
      } catch (const std::bad_alloc&) {
        message = "std::bad_alloc";
      }
      happened = failure.happened();
    }
    if (!happened) {
      EXPECT_EQ(t.out.str(), full);
      EXPECT_GT(k, 4) << "fewer allocations than a batch, its index and a name need";
      break;
    }
    EXPECT_EQ(messages.count(message), 1U) << message;
    const std::string printed = t.out.str();
    EXPECT_EQ(full.substr(0, printed.size()), printed);
  }
}

}  // namespace
}  // namespace inipick
