// SPDX-License-Identifier: BSD-2-Clause
// PCRE2 behind -x: search semantics, compile and match failures, UTF mode,
// groups that do not fit the shared one-pair match data block, and the
// library's version as the feature table reports it.
#include "vars/pattern.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"

namespace inipick {
namespace {

using test::fails_with;

compiled_pattern compile(const char* text, bool utf = false) {
  compiled_pattern slot;
  pattern_compile(text, slot, "pattern", utf);
  return slot;
}

struct search_case {
  const char* pattern;
  std::string subject;
  bool utf;
  bool matches;
};

TEST(Pattern, SearchesTheWholeSubjectUnanchored) {
  const search_case cases[] = {
      {"b", "abc", false, true},
      {"^b$", "abc", false, false},
      {"B", "abc", false, false},
      {"", "", false, true},
      {"", "anything", false, true},
      {"^.$", "\xC3\xA9", false, false},  // without UTF every byte is a character
      {"^..$", "\xC3\xA9", false, true},
      {"^.$", "\xC3\xA9", true, true},
      {"\xFF", "a\xFF", false, true},
      {"\xE9", "\xC3\xA9", false, false},
      // The groups' offsets do not fit the block: still a match.
      {"(a)", "a", false, true},
      {"(a)|(b)(c)(d)", "xbcd", false, true},
      {"(a)?b", "b", false, true},
      {"(x)", "a", false, false},
  };
  match_data_cache cache;
  for (const search_case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.pattern) + " in " +
                 ::testing::PrintToString(c.subject) + (c.utf ? " (UTF)" : ""));
    EXPECT_EQ(pattern_match(cache, compile(c.pattern, c.utf), c.subject, c.pattern), c.matches);
  }
}

struct compile_error_case {
  const char* text;
  const char* label;
  bool utf;
  const char* message;
};

TEST(Pattern, CompileErrorsNameTheLabelAndKeepTheSlot) {
  const compile_error_case cases[] = {
      {"(", "pattern", false, "Invalid match pattern: missing closing parenthesis"},
      {"a)", "pattern", true, "Invalid match pattern: unmatched closing parenthesis"},
      {"[a", "value", false, "Invalid match value: missing terminating ] for character class"},
      {"*", "value", false, "Invalid match value: quantifier does not follow a repeatable item"},
      {"\xFF", "value", true, "Invalid match value: UTF-8 error: illegal byte (0xfe or 0xff)"},
      {"a\xC3", "pattern", true, "Invalid match pattern: UTF-8 error: 1 byte missing at end"},
  };
  for (const compile_error_case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.text));
    compiled_pattern slot = compile("kept");
    const auto* before = slot.get();
    EXPECT_TRUE(fails_with([&] { pattern_compile(c.text, slot, c.label, c.utf); }, 1, c.message));
    EXPECT_EQ(slot.get(), before);
  }
  // The same bytes are fine without UTF mode.
  compiled_pattern slot;
  pattern_compile("\xFF", slot, "value", false);
  EXPECT_NE(slot.get(), nullptr);
}

struct match_error_case {
  std::string subject;
  const char* reason;
};

TEST(Pattern, InvalidUtf8SubjectFailsOnlyInUtfMode) {
  const match_error_case cases[] = {
      {"a\xFF", "UTF-8 error: illegal byte (0xfe or 0xff)"},
      {"\xC3", "UTF-8 error: 1 byte missing at end"},
      {"a\xC3(", "UTF-8 error: byte 2 top bits not 0x80"},
      {"\xED\xA0\x80", "UTF-8 error: code points 0xd800-0xdfff are not defined"},
  };
  const compiled_pattern utf = compile("a", true);
  const compiled_pattern bytes = compile("a", false);
  match_data_cache cache;
  for (const match_error_case& c : cases) {
    SCOPED_TRACE(::testing::PrintToString(c.subject));
    EXPECT_TRUE(
        fails_with([&] { pattern_match(cache, utf, c.subject, "a"); }, 1,
                   "Could not match '" + c.subject + "' against the 'a' pattern: " + c.reason));
    EXPECT_EQ(pattern_match(cache, bytes, c.subject, "a"),
              c.subject.find('a') != std::string::npos);
  }
}

// pkg-config's record of the PCRE2 that CMake found, which is the library
// linked here: its version alone, without PCRE2's release date.
TEST(Pattern, LibraryVersionIsTheOnePkgConfigFound) {
  EXPECT_EQ(pattern_library_version(), INIPICK_PCRE2_VERSION);
}

}  // namespace
}  // namespace inipick
