// SPDX-License-Identifier: BSD-2-Clause
// The INI syntax as ini_readfile reads it: where names begin and end, which
// variables reach var_store, and the section names offered to the section
// list.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "backends/ini/ini_backend.h"
#include "support/test_support.h"

namespace inipick {
namespace {

using namespace std::string_literals;
using test::fails_with;
using test::memory_file;
using test::test_run;
using test::unique_fd;
using lines = std::vector<std::string>;

// Reads text as the whole input. -l keeps every variable offered.
void read_ini(test_run& t, std::string_view text) {
  const unique_fd fd = memory_file(text);
  t.r.settings.file_name = "test.ini";
  t.r.settings.list_all = true;
  backend_context c = backend_context_of(t.r);
  c.input.fd = ::dup(fd.get());  // the context closes its own
  ini_readfile(c);
}

struct header_case {
  std::string line;
  const char* name;  // nullptr: an invalid group line
};

TEST(IniParser, SectionHeaders) {
  const header_case cases[] = {
      {"[a]", "a"},          {"  [a]", "a"},       {"[ a ]", "a"},      {"[a]  ", "a"},
      {"\t[\ta\v]\f", "a"},  {"[a]\r", "a"},       {"[a b]", "a b"},    {"[ a  b ]", "a  b"},
      {"[]]", "]"},          {"[]x]", "]x"},       {"[[a]", "[a"},      {"[a=b]", "a=b"},
      {"[#]", "#"},          {"[ \xA0 ]", "\xA0"}, {"[a]\0x"s, "a"},    {"[", nullptr},
      {"[   ", nullptr},     {"[a", nullptr},      {"[]", nullptr},     {"[ ]", nullptr},
      {"[a]]", nullptr},     {"[a]x", nullptr},    {"[a]#", nullptr},   {"[a] ; note", nullptr},
      {"[a] \xA0", nullptr}, {"  [a", nullptr},    {"[a\0]"s, nullptr},
  };
  for (const header_case& c : cases) {
    SCOPED_TRACE("line " + ::testing::PrintToString(c.line));
    test_run t;
    t.r.settings.query_sections = true;
    const auto read = [&] { read_ini(t, c.line + "\n"); };
    if (c.name == nullptr) {
      const std::string shown = c.line.substr(0, c.line.find('\0'));
      EXPECT_TRUE(fails_with(read, 1, "Invalid group line: " + shown));
      continue;
    }
    read();
    EXPECT_EQ(t.out.str(), std::string(c.name) + "\n");
  }
}

struct variable_case {
  std::string line;
  const char* name;  // nullptr: no value on the line
  const char* value;
};

TEST(IniParser, VariableLines) {
  const variable_case cases[] = {
      {"a=b", "a", "b"},
      {"\ta\t=\tb\t", "a", "b"},
      {"a = b\v\f\r", "a", "b"},
      {"a =", "a", ""},
      {"a = b # c", "a", "b # c"},
      {"a==b", "a", "=b"},
      {"= = x", "=", "x"},
      {"]=x", "]", "x"},
      {"a\xA0= b", "a\xA0", "b"},
      {"\xA0z = b", "\xA0z", "b"},
      {"a = b \xA0", "a", "b \xA0"},
      {"a=b\0c"s, "a", "b"},
      {"  a", nullptr, nullptr},
      {"a\t", nullptr, nullptr},
      {"a b = c", nullptr, nullptr},
      {"=x", nullptr, nullptr},
      {"a\0=b"s, nullptr, nullptr},
  };
  for (const variable_case& c : cases) {
    SCOPED_TRACE("line " + ::testing::PrintToString(c.line));
    test_run t;
    const auto read = [&] { read_ini(t, c.line + "\n"); };
    if (c.name == nullptr) {
      const std::string shown = c.line.substr(0, c.line.find('\0'));
      EXPECT_TRUE(fails_with(read, 1, "No value on line: " + shown));
      continue;
    }
    read();
    ASSERT_EQ(t.r.vars.size(), 1u);
    EXPECT_EQ(t.r.vars.name(0), c.name);
    EXPECT_EQ(t.r.vars.value(0), c.value);
  }
}

constexpr const char* sections_input =
    "top = 0\n"
    "[s]\n"
    "a = 1\n"
    "[t]\n"
    "b = 2\n"
    "[ s ]\n"
    "c = 3\n";

struct offered_case {
  const char* label;
  std::string input;
  std::optional<std::string> section;
  bool override = false;
  bool query_sections = false;
  lines offered;  // c=3 lies under "[ s ]": offered where s is the section read
};

TEST(IniParser, WhichVariablesAreOffered) {
  const std::string no_top = std::string(sections_input).substr(8);
  const offered_case cases[] = {
      {"named section", sections_input, "s", false, false, {"a=1", "c=3"}},
      {"named with -O", sections_input, "s", true, false, {"top=0", "a=1", "c=3"}},
      {"other section", sections_input, "t", false, false, {"b=2"}},
      {"case counts", sections_input, "S", false, false, {}},
      {"empty section", sections_input, "", false, false, {"top=0"}},
      {"none: early stop", sections_input, std::nullopt, false, false, {"top=0"}},
      {"none, -q sections", sections_input, std::nullopt, false, true, {"top=0", "a=1", "c=3"}},
      {"none, nothing ahead", no_top, std::nullopt, false, false, {"a=1", "c=3"}},
      {"none, comments ahead", "# c\n; d\n\n" + no_top, std::nullopt, false, false, {"a=1", "c=3"}},
      {"early stop skips the rest",
       "top = 0\n[s]\nbroken\n[\n",
       std::nullopt,
       false,
       false,
       {"top=0"}},
  };
  for (const offered_case& c : cases) {
    SCOPED_TRACE(c.label);
    test_run t;
    t.r.settings.section = c.section;
    t.r.settings.override = c.override;
    t.r.settings.query_sections = c.query_sections;
    read_ini(t, c.input);
    EXPECT_EQ(test::entry_lines(t.r.vars), c.offered);
  }
}

TEST(IniParser, NoSectionRecordedOrPrintedWithoutTheQuery) {
  test_run t;
  read_ini(t, "[a]\n[b]\n[a]\n");
  EXPECT_EQ(t.out.str(), "");
  EXPECT_EQ(t.r.sections.size(), 0u);
}

TEST(IniParser, EveryHeaderReachesTheSectionList) {
  test_run t;
  t.r.settings.query_sections = true;
  t.r.settings.section = "b";
  read_ini(t, "[a]\nx=1\n[b]\n[a]\n[ A ]\n\t[ b ]\ny=2\n[c]\n");
  EXPECT_EQ(t.out.str(), "a\nb\nA\nc\n");
  EXPECT_EQ(test::entry_lines(t.r.vars), (lines{"y=2"}));
}

}  // namespace
}  // namespace inipick
