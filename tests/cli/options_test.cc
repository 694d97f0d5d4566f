// SPDX-License-Identifier: BSD-2-Clause
// Option reading, many command lines in one process as the C library's
// getopt allows after getopt_reset(): which words are options, where the
// operands start, and a fresh start after a line that stopped mid-word.
// Built with INIPICK_TEST_BSD_GETOPT, the same cases run against a BSD getopt.
#include "cli/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/usage.h"
#include "port/getopt_reset.h"
#include "support/test_support.h"

namespace inipick {
namespace {

using test::test_run;

struct read_case {
  std::vector<std::string> words;  // after the program name
  std::string first_operand;       // "" when there is none
  std::string file;                // -f, "" when not given
  bool list_all = false;
  bool check_only = false;
};

struct read_result {
  std::string first_operand;
  std::string file;
  bool list_all;
  bool check_only;
};

// Reads words as a command line in t; throws what read_options throws.
read_result read(test_run& t, const std::vector<std::string>& words) {
  static std::vector<std::string> kept;  // getopt's optarg points into them
  kept = words;
  kept.insert(kept.begin(), "inipick");
  std::vector<char*> argv;
  for (std::string& w : kept) argv.push_back(w.data());
  argv.push_back(nullptr);
  getopt_reset();
  const option_result o = read_options(t.r, static_cast<int>(kept.size()), argv.data());
  const settings& s = t.r.settings;
  return {o.first_argument < static_cast<int>(kept.size()) ? kept[o.first_argument] : "",
          s.file_name != nullptr ? s.file_name : "", s.list_all, s.check_only};
}

TEST(Options, WordsReadAsOptionsUpToTheFirstOperand) {
  const read_case cases[] = {
      // words, first operand, -f, -l, -c
      {{"-f", "a.ini", "-s", "db", "host"}, "host", "a.ini", false, false},
      {{"-f", "a.ini", "host", "-l"}, "host", "a.ini", false, false},  // no permuting
      {{"-f", "-", "host"}, "host", "-", false, false},  // "-" as an option's argument
      {{"-cf", "-", "host"}, "host", "-", false, true},
      {{"-f-", "-l"}, "", "-", true, false},
      {{"-l", "-", "-c"}, "-", "", true, false},  // a lone "-" is an operand
      {{"-", "-l"}, "-", "", false, false},
      {{"-l", "--", "-c"}, "-c", "", true, false},
      {{"--", "--"}, "--", "", false, false},
      {{"-l"}, "", "", true, false},
      {{}, "", "", false, false},
      {{"host", "-l"}, "host", "", false, false},
  };
  for (const read_case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.words));
    test_run t;
    const read_result got = read(t, c.words);
    EXPECT_EQ(got.first_operand, c.first_operand);
    EXPECT_EQ(got.file, c.file);
    EXPECT_EQ(got.list_all, c.list_all);
    EXPECT_EQ(got.check_only, c.check_only);
  }
}

// "+" is never an option letter, whatever the option string starts with;
// getopt has said so on stderr, and the usage text follows on the run's.
TEST(Options, UnknownLettersFailWithTheUsageText) {
  for (const std::vector<std::string>& words : std::vector<std::vector<std::string>>{
           {"-+"}, {"-l+"}, {"-z"}, {"-lz", "-c"}, {"-f"}, {"-s", "db", "-f"}}) {
    SCOPED_TRACE(::testing::PrintToString(words));
    test_run t;
    EXPECT_TRUE(test::fails_with([&] { read(t, words); }, 1, ""));
    EXPECT_EQ(t.err.str(), usage_text);
  }
}

// A line that failed in the middle of "-zc" leaves getopt inside that word:
// the next line must not go on from there.
TEST(Options, ResetStartsAfreshAfterALineThatStoppedMidWord) {
  test_run bad;
  EXPECT_TRUE(test::fails_with([&] { read(bad, {"-zc", "x"}); }, 1, ""));
  test_run good;
  const read_result got = read(good, {"-l", "-f", "b.ini", "name"});
  EXPECT_TRUE(got.list_all);
  EXPECT_FALSE(got.check_only);
  EXPECT_EQ(got.file, "b.ini");
  EXPECT_EQ(got.first_operand, "name");
}

}  // namespace
}  // namespace inipick
