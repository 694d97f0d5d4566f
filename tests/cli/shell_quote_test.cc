// SPDX-License-Identifier: BSD-2-Clause
// Bourne-shell quoting of values, and which names may go out unquoted.
#include "cli/shell_quote.h"

#include <gtest/gtest.h>

#include <cstring>
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

TEST(ShellQuote, SafeNamesAreAsciiWordCharactersOnly) {
  for (int c = 0; c < 256; ++c) {
    const char byte = static_cast<char>(c);
    const bool expected = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') ||
                          (c != 0 && std::strchr("_.,:+@%/=-", c) != nullptr);
    EXPECT_EQ(shell_safe_name(std::string_view(&byte, 1)), expected) << "byte " << c;
    EXPECT_EQ(shell_safe_name("ok" + std::string(1, byte) + "ok"), expected) << "byte " << c;
  }
  EXPECT_TRUE(shell_safe_name("db.host-name_2"));
  EXPECT_FALSE(shell_safe_name("db host"));
  EXPECT_FALSE(shell_safe_name("\xC3\xA9t\xC3\xA9"));
}

}  // namespace
}  // namespace inipick
