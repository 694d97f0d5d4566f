// SPDX-License-Identifier: BSD-2-Clause
// The own getopt, built into the tests on every system: what each word
// reads as, where reading stops, and the diagnostics.
#include "port/getopt.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace inipick::port {
namespace {

struct getopt_case {
  std::vector<std::string> words;  // after the program name
  std::string read;                // each result: letter[=argument] or ?letter
  int optind;
  std::string err = "";
};

// Reads words from a fresh start, as "ab:c-:" lists the options.
std::string read_all(std::vector<std::string> words, std::size_t stop_after = 0) {
  words.insert(words.begin(), "prog");
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  own::optind = 0;
  std::string read;
  for (int c; (c = own::getopt(static_cast<int>(words.size()), argv.data(), "ab:c-:")) != -1;) {
    if (!read.empty()) read += ' ';
    read += c == '?' ? std::string("?") + static_cast<char>(own::optopt) : std::string(1, c);
    if (own::optarg != nullptr) read += '=' + std::string(own::optarg);
    if (stop_after != 0 && --stop_after == 0) break;
  }
  return read;
}

TEST(OwnGetopt, ReadsWordsAsPosixSays) {
  const std::string invalid = "prog: invalid option -- '";
  const getopt_case cases[] = {
      {{"-a", "-b", "1", "op", "-c"}, "a b=1", 4},
      {{"-ab1", "-cb", "-"}, "a b=1 c b=-", 4},
      {{"-b", "--"}, "b=--", 3},
      {{"-a-help", "--help"}, "a -=help -=help", 3},
      {{"--", "-a"}, "", 2},
      {{"-a", "-", "-c"}, "a", 2},
      {{"op", "-a"}, "", 1},
      {{}, "", 1},
      {{"-zca"}, "?z c a", 2, invalid + "z'\n"},
      {{"-a:"}, "a ?:", 2, invalid + ":'\n"},
      {{"-ab"}, "a ?b", 2, "prog: option requires an argument -- 'b'\n"},
  };
  for (const getopt_case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.words));
    own::opterr = 1;
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(read_all(c.words), c.read);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), c.err);
    EXPECT_EQ(own::optind, c.optind);
  }
}

// optind = 0 starts afresh even in the middle of a word; opterr = 0 is
// silent.
TEST(OwnGetopt, ResetsMidWordAndKeepsQuiet) {
  EXPECT_EQ(read_all({"-acz"}, 1), "a");
  own::opterr = 0;
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(read_all({"-zb", "v"}), "?z b=v");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
  own::opterr = 1;
}

}  // namespace
}  // namespace inipick::port
