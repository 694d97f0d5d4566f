// SPDX-License-Identifier: BSD-2-Clause
// Bourne-shell quoting of values, and which names may go out unquoted.
#include "cli/shell_quote.h"

#include <gtest/gtest.h>

#include <string>

#include "support/test_support.h"

namespace inipick {
namespace {

// The text is quoted as a view followed by more quotes, as a value in the
// table may be: reading past its end changes the result.
std::string shell_quoted(std::string_view text) {
  const std::string stored = std::string(text) + "''";
  test::captured_stream out;
  stdio_output printed(out.get());
  shell_quote(printed, std::string_view(stored).substr(0, text.size()));
  return out.str();
}

TEST(ShellQuote, QuotingTable) {
  const std::pair<std::string, std::string> cases[] = {
      {"abc", "'abc'"},
      {"", "''"},
      {"it's", R"('it'"'"'s')"},
      {"a''b", R"('a'"''"'b')"},
      {"'", R"(''"'"'')"},
      {"'''", R"(''"'''"'')"},
      {"'a'", R"(''"'"'a'"'"'')"},
      {"a'b'c''d", R"('a'"'"'b'"'"'c'"''"'d')"},
      {"$HOME `x` \"y\" \\ *", "'$HOME `x` \"y\" \\ *'"},
      {"a\nb\tc", "'a\nb\tc'"},
      {"\xC3\xA9\xFF\x80", "'\xC3\xA9\xFF\x80'"},
  };
  for (const auto& [value, expected] : cases) {
    EXPECT_EQ(shell_quoted(value), expected) << ::testing::PrintToString(value);
  }
}

TEST(ShellQuote, VariableNamesAreAsciiWordCharactersOnly) {
  for (int c = 0; c < 256; ++c) {
    const char byte = static_cast<char>(c);
    const bool word =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    EXPECT_EQ(shell_variable_name("ok" + std::string(1, byte) + "ok", false), word) << "byte " << c;
    // A digit may lead only behind a prefix.
    const bool first = word && !(c >= '0' && c <= '9');
    EXPECT_EQ(shell_variable_name(std::string_view(&byte, 1), false), first) << "byte " << c;
    EXPECT_EQ(shell_variable_name(std::string_view(&byte, 1), true), word) << "byte " << c;
  }
  EXPECT_FALSE(shell_variable_name("", false));
  EXPECT_TRUE(shell_variable_name("", true));
  EXPECT_FALSE(shell_variable_name("caf\xC3\xA9", true));
}

}  // namespace
}  // namespace inipick
