// SPDX-License-Identifier: BSD-2-Clause
// Name selection, the value filter and repeated definitions in front of the
// variable table.
#include "vars/var_store.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "port/config.h"
#include "support/test_support.h"

#if INIPICK_HAVE_FNMATCH
#include <fnmatch.h>
#endif

// The C library's fnmatch reports no error for any pattern that can be
// written, so these stand in for a pattern it would refuse and for a match
// that ran out of memory; every other pattern goes to the real function.
// The linker's -wrap puts this in front of it, also in a static binary.
// The program's own matcher, used where there is no fnmatch, answers every
// pattern and needs no memory: there the cases that need these skip.
constexpr const char* refused_glob = "<refused>";
constexpr const char* starved_glob = "<starved>";
#if INIPICK_HAVE_FNMATCH

// NOLINTBEGIN(bugprone-reserved-identifier): the names -wrap gives them
extern "C" int __real_fnmatch(const char* pattern, const char* string, int flags);
extern "C" int __wrap_fnmatch(const char* pattern, const char* string, int flags) {
  if (std::strcmp(pattern, refused_glob) == 0) return -1;
  if (std::strcmp(pattern, starved_glob) == 0) {
    errno = ENOMEM;
    return -1;
  }
  return __real_fnmatch(pattern, string, flags);
}
// NOLINTEND(bugprone-reserved-identifier)
#endif
constexpr const char* no_fnmatch = "no fnmatch: the own glob matcher answers every pattern";

namespace inipick {
namespace {

using test::fails_with;
using test::test_run;
using lines = std::vector<std::string>;

struct definition {
  std::string name;
  std::string value;
};

struct store_case {
  const char* label = "";
  std::vector<const char*> args = {};
  bool list_all = false;
  bool names_are_patterns = false;
  bool regex_mode = false;
  const char* value_pattern = nullptr;
  bool override = false;
  std::vector<definition> offered = {};
  lines expected = {};
};

void configure(run& r, const store_case& c) {
  settings& s = r.settings;
  s.args = c.args;
  s.names_are_patterns = c.names_are_patterns;
  s.regex_mode = c.regex_mode;
  s.list_all = c.list_all;
  s.value_pattern = c.value_pattern;
  s.override = c.override;
  if (!c.regex_mode) return;
  s.arg_regexes.resize(s.args.size());
  for (std::size_t i = 0; i < s.args.size(); ++i) {
    pattern_compile(s.args[i], s.arg_regexes[i], "pattern", false);
  }
  if (c.value_pattern != nullptr) pattern_compile(c.value_pattern, s.value_regex, "value", false);
}

void offer(run& r, const definition& d) { var_store(r.store, d.name, d.value); }

lines stored(const store_case& c) {
  test_run t;
  configure(t.r, c);
  for (const definition& d : c.offered) offer(t.r, d);
  return test::entry_lines(t.r.vars);
}

const std::vector<definition> names_offered = {
    {"a", "1"},   {"A", "2"}, {".hidden", "3"},  {"x/y", "4"}, {"a.b", "5"},
    {"axb", "6"}, {"*", "7"}, {"\xC3\xA9", "8"}, {"ab", "9"},
};

TEST(VarStore, NameSelection) {
  const store_case cases[] = {
      {.label = "no argument stores nothing", .offered = names_offered, .expected = {}},
      {.label = "exact names",
       .args = {"ab", "a", "ab"},
       .offered = names_offered,
       .expected = {"a=1", "ab=9"}},
      {.label = "exact ignores -x",
       .args = {"a.b"},
       .regex_mode = true,
       .offered = names_offered,
       .expected = {"a.b=5"}},
      {.label = "list all",
       .args = {"nothing"},
       .list_all = true,
       .offered = {{"a", "1"}, {"b", "2"}},
       .expected = {"a=1", "b=2"}},
      {.label = "glob star selects all",
       .args = {"*"},
       .names_are_patterns = true,
       .offered = names_offered,
       .expected = {"a=1", "A=2", ".hidden=3", "x/y=4", "a.b=5", "axb=6", "*=7", "\xC3\xA9=8",
                    "ab=9"}},
      {.label = "glob is anchored and case-sensitive",
       .args = {"a?b", "a"},
       .names_are_patterns = true,
       .offered = names_offered,
       .expected = {"a=1", "a.b=5", "axb=6"}},
      {.label = "glob error selects nothing",
       .args = {refused_glob, "A"},
       .names_are_patterns = true,
       .offered = names_offered,
       .expected = {"A=2"}},
      {.label = "regex searches",
       .args = {"b"},
       .names_are_patterns = true,
       .regex_mode = true,
       .offered = names_offered,
       .expected = {"a.b=5", "axb=6", "ab=9"}},
  };
  for (const store_case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(stored(c), c.expected);
  }
}

// Unlike any other failure of fnmatch, running out of memory is no answer:
// neither a name nor a value may pass for it.
TEST(VarStore, GlobOutOfMemoryFails) {
  if (!INIPICK_HAVE_FNMATCH) GTEST_SKIP() << no_fnmatch;
  const store_case cases[] = {
      {.label = "name", .args = {starved_glob}, .names_are_patterns = true},
      {.label = "value", .list_all = true, .value_pattern = starved_glob},
  };
  for (const store_case& c : cases) {
    SCOPED_TRACE(c.label);
    test_run t;
    configure(t.r, c);
    EXPECT_TRUE(fails_with(
        [&] {
          offer(t.r, {"a", "1"});
        },
        1, std::string("Could not allocate memory for matching: ") + std::strerror(ENOMEM)));
  }
}

TEST(VarStore, FirstSelectingRegexEndsTheTrying) {
  // Only a UTF-mode pattern fails on "a\xFF"; it must never see the name
  // once an earlier argument has selected it.
  for (const bool utf_first : {false, true}) {
    test_run t;
    settings& s = t.r.settings;
    s.names_are_patterns = s.regex_mode = true;
    s.args = utf_first ? std::vector<const char*>{"b", "a"} : std::vector<const char*>{"a", "b"};
    s.arg_regexes.resize(2);
    pattern_compile("a", s.arg_regexes[utf_first ? 1 : 0], "pattern", false);
    pattern_compile("b", s.arg_regexes[utf_first ? 0 : 1], "pattern", true);
    const auto store = [&] { offer(t.r, {"a\xFF", "1"}); };
    if (utf_first) {
      EXPECT_TRUE(fails_with(store, 1,
                             "Could not match 'a\xFF' against the 'b' pattern: "
                             "UTF-8 error: illegal byte (0xfe or 0xff)"));
    } else {
      store();
      EXPECT_EQ(test::entry_lines(t.r.vars), lines{"a\xFF=1"});
    }
  }
}

TEST(VarStore, ValueFilter) {
  const std::vector<definition> values = {
      {"a", "1"}, {"b", "12"}, {"c", ""}, {"d", "x1y"}, {"e", "[1"}};
  const store_case cases[] = {
      {.label = "glob whole value",
       .list_all = true,
       .value_pattern = "1",
       .offered = values,
       .expected = {"a=1"}},
      {.label = "regex searches",
       .list_all = true,
       .regex_mode = true,
       .value_pattern = "1",
       .offered = values,
       .expected = {"a=1", "b=12", "d=x1y", "e=[1"}},
      {.label = "failing values stored hidden with -O",
       .list_all = true,
       .value_pattern = "1*",
       .override = true,
       .offered = values,
       .expected = {"a=1", "b=12", "c= (hidden)", "d=x1y (hidden)", "e=[1 (hidden)"}},
      {.label = "filter after name selection",
       .args = {"c", "b"},
       .value_pattern = "1*",
       .override = true,
       .offered = values,
       .expected = {"b=12", "c= (hidden)"}},
  };
  for (const store_case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(stored(c), c.expected);
  }
}

TEST(VarStore, GlobErrorLetsEveryValuePass) {
  if (!INIPICK_HAVE_FNMATCH) GTEST_SKIP() << no_fnmatch;
  const store_case c{.list_all = true,
                     .value_pattern = refused_glob,
                     .offered = {{"a", "1"}, {"c", ""}, {"e", "[1"}},
                     .expected = {"a=1", "c=", "e=[1"}};
  EXPECT_EQ(stored(c), c.expected);
}

TEST(VarStore, RepeatedDefinitions) {
  const std::vector<definition> pass_then_fail = {{"a", "1"}, {"a", "2"}};
  const std::vector<definition> fail_then_pass = {{"a", "2"}, {"a", "1"}};
  const std::vector<definition> pass_then_pass = {{"a", "1"}, {"a", "11"}};
  const std::vector<definition> fail_only = {{"a", "2"}};
  const store_case cases[] = {
      {.label = "no filter: later replaces",
       .args = {"a"},
       .offered = pass_then_fail,
       .expected = {"a=2"}},
      {.label = "filter: later passing replaces",
       .args = {"a"},
       .value_pattern = "1*",
       .offered = pass_then_pass,
       .expected = {"a=11"}},
      {.label = "filter: later failing ignored",
       .args = {"a"},
       .value_pattern = "1",
       .offered = pass_then_fail,
       .expected = {"a=1"}},
      {.label = "filter, -O: later failing hides",
       .args = {"a"},
       .value_pattern = "1",
       .override = true,
       .offered = pass_then_fail,
       .expected = {"a=2 (hidden)"}},
      {.label = "filter, -O: later passing shows",
       .args = {"a"},
       .value_pattern = "1",
       .override = true,
       .offered = fail_then_pass,
       .expected = {"a=1"}},
      {.label = "filter: first failing not stored",
       .args = {"a"},
       .value_pattern = "1",
       .offered = fail_only,
       .expected = {}},
      {.label = "regex filter, -O: later failing hides",
       .args = {"a"},
       .regex_mode = true,
       .value_pattern = "^1$",
       .override = true,
       .offered = pass_then_fail,
       .expected = {"a=2 (hidden)"}},
  };
  for (const store_case& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_EQ(stored(c), c.expected);
  }
}

}  // namespace
}  // namespace inipick
