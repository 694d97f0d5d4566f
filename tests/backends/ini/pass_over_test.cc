// SPDX-License-Identifier: BSD-2-Clause
// Lines outside the selected section are checked where they lie in the
// reader's buffer; whatever that path accepts or hands on, the result must
// be the one of reading every line through the parser.
#include <gtest/gtest.h>
#include <unistd.h>

#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "backends/ini/ini_backend.h"
#include "base/fatal_error.h"
#include "support/test_support.h"

namespace inipick {
namespace {

using namespace std::string_literals;

enum class mode { select, sections };

struct result {
  std::string failure;
  std::vector<std::string> entries;
  std::string out;
  bool operator==(const result&) const = default;
};

void PrintTo(const result& r, std::ostream* os) {
  *os << "failure " << ::testing::PrintToString(r.failure) << ", entries "
      << ::testing::PrintToString(r.entries) << ", output " << ::testing::PrintToString(r.out);
}

result read_with(void (*read)(backend_context&), std::string_view text, mode m) {
  test::test_run t;
  const test::unique_fd fd = test::memory_file(text);
  t.r.settings.file_name = "test.ini";
  t.r.settings.list_all = true;
  if (m == mode::select) {
    t.r.settings.section.emplace("s");
  } else {
    t.r.settings.query_sections = true;
  }
  backend_context c = backend_context_of(t.r);
  c.input.fd = ::dup(fd.get());
  result res;
  try {
    read(c);
  } catch (const fatal_error& e) {
    res.failure = std::to_string(e.status()) + " " + e.what();
  }
  res.entries = test::entry_lines(t.r.vars);
  res.out = t.out.str();
  return res;
}

void expect_same(std::string_view text) {
  for (const mode m : {mode::select, mode::sections}) {
    ASSERT_EQ(read_with(ini_readfile, text, m), read_with(ini_readfile_every_line, text, m))
        << "input " << ::testing::PrintToString(std::string(text)) << " with "
        << (m == mode::select ? "-s s -l" : "-q sections");
  }
}

// Each line stands outside the selected section, where it is passed over if
// it looks plain enough, once between others and once as the last line.
TEST(PassOver, EachKindOfLineReadsAsEveryLineThroughTheParser) {
  std::vector<std::string> lines = {
      "",
      "#",
      ";x",
      "# a \\",
      "=",
      "==",
      "=x",
      "a=",
      "a=b",
      "a = b",
      "a  =  b",
      "a\t= b",
      "a =\tb",
      "a \t= b",
      "a=b\\",
      "a=b\\\r",
      "a=b\r",
      "a=b\r\r",
      "\r",
      "\ra=b",
      " a=b",
      "a",
      "a b",
      "a b=c",
      "a =",
      "a = \\",
      "a\r=b",
      "a =\r",
      "[s]",
      "[t]",
      "[s",
      "[ s ]",
      "a=\0b"s,
      "a\0=b"s,
      "\0a=b"s,
      "#\0"s,
      "a=b\0\\"s,
      "a=b\r\0"s,
      "a\x01=b",
      "a=\x01",
      "\x01=b",
      "\xEF\xBB\xBF=b",
      "\x80=\xff",
      "a\v=b",
      "a\f=b",
      "a  \\",
      "a = b \\  ",
      "a=" + std::string(70, 'x'),
      std::string(40, 'n') + " = v",
      std::string(40, 'n') + "\t= v",
      // Headers: another section's is passed over, the selected one's not.
      "[]",
      "[]]",
      "[]s]",
      "[s]]",
      "[t]x",
      "[ t]",
      "[t ]",
      "[s ]",
      "[\ts]",
      "[t\x01]",
      "[\x01t]",
      "[t]\r",
      "[ss]",
      "[S]",
      "[t] ",
      "[[t]",
      "[t\\]",
      "[" + std::string(70, 't') + "]",
  };
  for (int b = 1; b < 256; ++b) {
    const std::string c(1, static_cast<char>(b));
    lines.push_back(c + "=v");
    lines.push_back("a" + c + "=v");
    lines.push_back("a =" + c);
    lines.push_back("a" + c + " = v");
  }
  for (const std::string& line : lines) {
    const std::string head = "[a]\nx=1\n";
    expect_same(head + line + "\n[s]\nk=v\n" + line + "\n[a]\ny=2\n");
    expect_same(head + line);
    expect_same(head + line + "\n[s]\nk=\\\n" + line + "\n");
  }
}

// Random files of mostly well-formed lines with the odd byte in them, long
// enough to cross many 64-byte blocks and the reader's own block boundaries.
TEST(PassOver, RandomInputsReadAsEveryLineThroughTheParser) {
  const std::vector<std::string> names = {"a", "key", "k-1", "\x80n", "=", "n\x01"};
  const std::vector<std::string> equals = {"=", " = ", " =", "= ", "  =\t", "\t=", " \t = ", "\r="};
  const std::vector<std::string> values = {"",      "v", "two words", "\\",  "v\\",   "v\r", "\r\r",
                                           "v\\\r", "=", "#",         "[s]", " \0x"s, "\xff"};
  const std::vector<std::string> others = {"",    "# note", "; note \\",    " ",    "\r", "[s]",
                                           "[a]", " [t] ",  "\t# indented", "junk", "[",  "a\0=b"s};
  std::mt19937 random(1515);
  const auto pick = [&random](const std::vector<std::string>& v) -> const std::string& {
    return v[random() % v.size()];
  };
  for (int round = 0; round < 200; ++round) {
    std::string text = "[a]\n";
    const std::size_t target = round % 20 == 0 ? 400000 : random() % 4000;
    // Rare faults, so that most inputs are read to their end.
    const unsigned odds = round % 3 == 0 ? 20 : 2000;
    while (text.size() < target) {
      if (random() % 4 != 0) {
        text += pick(names) + pick(equals) + pick(values);
      } else {
        text += pick(others);
      }
      if (random() % odds == 0) text += pick(values) + pick(others);
      text += '\n';
    }
    expect_same(text);
    if (HasFatalFailure()) return;
  }
}

}  // namespace
}  // namespace inipick
