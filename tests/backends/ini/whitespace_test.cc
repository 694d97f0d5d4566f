// SPDX-License-Identifier: BSD-2-Clause
// The name-end scans, sixteen bytes at a time where the build has them,
// held to their byte-at-a-time references on every byte value, every alignment and
// random lines.
#include "backends/ini/whitespace.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace inipick {
namespace {

// The text, NUL-ended, at offset `at` of a buffer whose bytes after the NUL
// are `fill`: the scan may read them but must not act on them.
std::vector<char> placed(const std::string& text, std::size_t at, char fill) {
  std::vector<char> buffer(at + text.size() + 1 + 32, fill);
  for (std::size_t i = 0; i < at; ++i) buffer[i] = 'p';
  std::copy(text.begin(), text.end(), buffer.begin() + static_cast<std::ptrdiff_t>(at));
  buffer[at + text.size()] = '\0';
  return buffer;
}

void expect_same(const whitespace_table& table, const std::string& text, std::size_t at,
                 char fill) {
  const std::vector<char> buffer = placed(text, at, fill);
  for (std::size_t from = at; from <= at + text.size(); ++from) {
    ASSERT_EQ(table.find_name_end(buffer.data(), from),
              table.find_name_end_bytewise(buffer.data(), from))
        << ::testing::PrintToString(text) << " at offset " << at << " from " << from - at;
  }
}

TEST(Whitespace, NameEndScanMatchesBytewiseOnEveryByteValue) {
  const whitespace_table table;
  for (int b = 1; b < 256; ++b) {
    const char c = static_cast<char>(b);
    for (std::size_t at = 0; at < 16; ++at) {
      // The byte alone, inside a name, and at each edge of a 16-byte block.
      expect_same(table, std::string(1, c), at, '=');
      expect_same(table, "ab" + std::string(1, c) + "cd", at, ' ');
      expect_same(table, std::string(15, 'n') + c + std::string(17, 'n'), at, '\0');
    }
  }
}

TEST(Whitespace, LowOrEqualsScanMatchesBytewiseOnEveryByteValue) {
  for (int b = 0; b < 256; ++b) {
    for (std::size_t at = 0; at < 16; ++at) {
      for (std::size_t run = 0; run < 34; run += 11) {
        // A run of name bytes, the byte, more name bytes, and a line feed
        // that stops any scan.
        const std::string text =
            std::string(run, 'n') + static_cast<char>(b) + std::string(20, 'n') + '\n';
        const std::vector<char> buffer = placed(text, at, static_cast<char>(b));
        for (std::size_t from = at; from < at + text.size(); ++from) {
          ASSERT_EQ(whitespace_table::find_low_or_equals(buffer.data(), from),
                    whitespace_table::find_low_or_equals_bytewise(buffer.data(), from))
              << "byte " << b << " at offset " << at << " after " << run << " from " << from;
        }
      }
    }
  }
}

TEST(Whitespace, NameEndScanMatchesBytewiseOnRandomLines) {
  // Mostly the bytes that matter, some of any value.
  const std::string alphabet = std::string(" \t\r\n\v\f=\x1f\x21\x80\xff\x7f") + "abc";
  std::mt19937 random(15);
  const whitespace_table table;
  for (int round = 0; round < 3000; ++round) {
    std::string text(random() % 70, 'x');
    for (char& c : text) {
      c = random() % 8 == 0 ? static_cast<char>(random() % 255 + 1)
                            : alphabet[random() % alphabet.size()];
    }
    expect_same(table, text, random() % 16, static_cast<char>(random() % 256));
  }
}

TEST(Whitespace, NameEndScanMatchesBytewiseInTheUtf8Locale) {
  if (std::setlocale(LC_ALL, "C.UTF-8") == nullptr) GTEST_SKIP() << "no C.UTF-8 locale";
  const whitespace_table table;
  std::setlocale(LC_ALL, "C");
  for (int b = 1; b < 256; ++b)
    expect_same(table, "ab" + std::string(1, static_cast<char>(b)), 3, '=');
}

}  // namespace
}  // namespace inipick
