// SPDX-License-Identifier: BSD-2-Clause
// The own glob matcher against glibc's fnmatch, in the C locale and in
// C.UTF-8: a table of awkward patterns, then seeded random ones.
#include "port/glob_match.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstddef>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "support/glob_reference.h"

#if defined(__GLIBC__)
// The unit tests stand in front of fnmatch (vars/var_store_test.cc): this
// is the C library's own.
extern "C" int __real_fnmatch(const char* pattern, const char* string, int flags);  // NOLINT
#endif

namespace inipick::port {
namespace {

struct glob_case {
  const char* pattern;
  const char* name;
};

// Pattern and name, in turn; every pair runs in both locales.
[[maybe_unused]] const char* const table[] = {
    "a*b?c", "axxbyc", "*", "", "?", "", "[]]", "]", "[]a]", "a", "[!]]", "]", "[^a]", "b", "[!-a]",
    "-", "[]-a]", "^", "[a-]", "-", "[z-a]", "m", "[a-c-e]", "d", "[a-c-e]", "-", "[a\\-c]", "b",
    "[a-\\c]", "b", "[\\]]", "]", "[\\]", "[]", "\\", "\\", "a\\", "a\\", "\\*", "*", "[", "[",
    "[!", "[!", "[ab", "[ab", "[[:alpha:]", "[a", "[[:alpha:]", "[[:alpha:]", "[[:alpha:]]", "q",
    "[[:foo:]]", "f", "[[:foo:]", "[f", "[[:]", ":", "[[:]]", ":]", "[[:a]b:]]", "a", "[[::]]", ":",
    "[[:alpha:]-z]", "-", "[a-[:alpha:]]", "a", "[[=a=]]", "a", "[[=ab=]]", "a", "[[=a]", "[",
    "[[===]]", "=", "[[=a=]-z]", "b", "[a-[=z=]]", "a", "[[.a.]]", "a", "[[.-.]]", "-", "[[.].]]",
    "]", "[[.]", "[", "[[.a]]", "a", "[[.ab.]]", "a", "[[.space.]]", " ", "[[.a.]-z]", "m",
    "[a-[.z.]]", "m", "[a-[.z]", "a", "[a-[:]", ":", "[\\x-z]", "y", "[\x80-\xff]", "\xe9",
    "[[:alpha:][:digit:]]", "5", "[[:ALPHA:]]", "a", "[[:upper:]]", "\xc3\x89", "[[:punct:]]", "!",
    "[[:space:]]", "\t", "[[:xdigit:]]", "F", "[[:cntrl:]]", "\x7f", "[[:blank:]]", " ",
    "[[:graph:]]", " ", "[[:print:]]", " ", "[[:lower:]]", "\xc3\xa9", "[[:alnum:]]", "\xc2\xb2",
    "?", "\xc3\xa9", "[!a]", "\xe2\x82\xac", "?", "\xf0\x9f\x98\x80", "?", "\xe0\xa4\x85",
    "[\xc3\xa0-\xc3\xbf]", "\xc3\xa9", "[[.\xc3\xa9.]]", "\xc3\xa9", "[[=\xc3\xa9=]]", "\xc3\xa9",
    "\xc3\xa9*", "\xc3\xa9t\xc3\xa9",
    // "[:" is a class only for letters below "z" up to ":]".
    "[[:ALPHA:]]", "A]", "[[:][:]", "::", "[[:-:]", ":", "[[:zz:]]", "z]", "[[:al\\pha:]]", "p]",
    "[[:foo:]x", ":", "[[..].]]", ".", "[[...]]", ".", "[a=b=]", "a",
    // Invalid UTF-8 in either: both matched byte by byte.
    "???", "\xc3\xa9\xff", "\xc3?", "\xc3\xa9", "?", "\xc3", "???", "\xed\xa0\x80", "??",
    "\xc0\x80", "???", "\xf0\x9f\x98", "[\xc3]", "\xc3", "*a*b", "aaaaaaaaab", "*a*a*a*a*b",
    "aaaaaaaaaaaaaaaa"};

// Where this matcher answers otherwise than glibc, by choice (see
// glob_match.cc), or where glibc would take too long to ask.
struct own_case {
  const char* pattern;
  const char* name;
  bool utf8;
  bool matches;
};
const own_case own_answers[] = {
    {"??", "\xc3\xa9", true, false},  // whole characters
    {"[\xe4\xb8\x80-\xe4\xb8\x8f]", "\xe4\xb8\x85", true, true},
    {"[\xf0\x9f\x98\x80-\xf0\x9f\x98\x8f]", "\xf0\x9f\x98\x85", true, true},
    {"?", "\xf4\x90\x80\x80", true, false},  // past U+10FFFF: four bytes
    {"????", "\xf4\x90\x80\x80", true, true},
    {"??", "\xc3\xa9", false, true},
    {"[a-[.\xc3\xa9.]]", "b", false, false},  // two bytes, no collating element
    {"[a-", "[a-", false, true},              // unterminated: itself
    {"[[=a]", "=", false, true},              // "[=" of no one character: plain
    {"[[=ab=]]", "a]", false, true},
    {"[a[:foo:]]", "a", false, false},  // read to the end though "a" matched
    {"[a[.ab.]]", "a", false, false},
};

TEST(GlobMatch, OwnAnswers) {
  for (const own_case& c : own_answers) {
    EXPECT_EQ(glob_match(c.pattern, c.name, c.utf8), c.matches) << c.pattern << " " << c.name;
  }
  // glibc's longest class name: 2,047 letters not closed by ":]" leave a
  // plain "[", one more fails the pattern.
  const std::string letters(2047, 'a');
  EXPECT_TRUE(glob_match(("[b[:" + letters + "]").c_str(), "b", false));
  EXPECT_FALSE(glob_match(("[b[:" + letters + "a]").c_str(), "b", false));
  // Linear in pattern times name: a star per "a" would be exponential.
  std::string pattern;
  for (int i = 0; i < 200; ++i) pattern += "*a";
  EXPECT_FALSE(glob_match((pattern + "*b").c_str(), std::string(4000, 'a').c_str(), false));
  EXPECT_TRUE(glob_match((pattern + "*").c_str(), std::string(4000, 'a').c_str(), false));
  // Unterminated brackets, and "[:" without ":]", each of which would
  // otherwise be read to the end of the pattern whenever the star retries.
  const std::string brackets(2000, '[');
  EXPECT_FALSE(glob_match(("*" + brackets + "b").c_str(), (brackets + brackets).c_str(), false));
  std::string classes = "*[";
  for (int i = 0; i < 30000; ++i) classes += "[:";
  EXPECT_FALSE(glob_match((classes + "x]b").c_str(), std::string(64, 'x').c_str(), false));
}

// Random patterns and names from pieces that mean something to a glob, in
// UTF-8 or not; names made from a pattern fill its stars and brackets.
[[maybe_unused]] std::vector<glob_case> random_cases(std::vector<std::string>& store) {
  // Pieces between bars.
  const std::string_view all =
      "a|b|z|A|5| |*|*|?|[|[|]|]|!|^|-|-|\\|:|.|=|[:alpha:]|[:digit:]|[:upper:]|[.|.]|[=|=]|"
      "[:|:]|[:ALPHA:]|[:foo:]|[:al|[[[|"
      "\xc3\xa9|\xc3\xbf|\xc3\x89|\xe2\x82\xac|\xf0\x9f\x98\x80|\xff|\x80|\xc3";
  std::vector<std::string> pieces;
  for (std::size_t at = 0, bar = 0; bar != std::string_view::npos; at = bar + 1) {
    bar = all.find('|', at);
    pieces.emplace_back(all.substr(at, bar - at));
  }
  std::mt19937 random(20261210);
  const auto piece = [&] { return pieces[random() % pieces.size()]; };
  constexpr int count = 20000;
  store.reserve(2 * count);
  for (int i = 0; i < count; ++i) {
    std::string pattern;
    std::string name;
    for (std::size_t n = random() % 9; n > 0; --n) {
      const std::string p = piece();
      pattern += p;
      if (p == "*") {
        for (std::size_t k = random() % 3; k > 0; --k) name += piece();
      } else {
        name += p.size() > 1 && p[0] == '[' ? piece() : p;
      }
    }
    if (random() % 2 == 0) {
      name.clear();
      for (std::size_t n = random() % 7; n > 0; --n) name += piece();
    }
    store.push_back(pattern);
    store.push_back(name);
  }
  std::vector<glob_case> cases;
  for (std::size_t i = 0; i < store.size(); i += 2)
    cases.push_back({store[i].c_str(), store[i + 1].c_str()});
  return cases;
}

// The table and the random cases in one locale, against glibc's answers.
void expect_agreement(const char* locale, bool utf8) {
#if defined(__GLIBC__)
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  if (std::setlocale(LC_ALL, locale) == nullptr) GTEST_SKIP() << "no " << locale << " locale";
  std::vector<std::string> store;
  std::vector<glob_case> cases;
  for (std::size_t i = 0; i < std::size(table); i += 2) cases.push_back({table[i], table[i + 1]});
  for (const glob_case& c : random_cases(store)) cases.push_back(c);
  int differences = 0;
  for (const glob_case& c : cases) {
    if (test::glob_agrees(c.pattern, c.name, utf8, __real_fnmatch)) continue;
    ADD_FAILURE() << "pattern \"" << c.pattern << "\", name \"" << c.name << "\": glibc says "
                  << (__real_fnmatch(c.pattern, c.name, 0) == 0 ? "match" : "no match");
    if (++differences == 20) break;
  }
  std::setlocale(LC_ALL, saved.c_str());
#else
  (void)locale;
  (void)utf8;
  GTEST_SKIP() << "the reference is glibc's fnmatch";
#endif
}

TEST(GlobMatch, AgreesWithGlibcInTheCLocale) { expect_agreement("C", false); }
TEST(GlobMatch, AgreesWithGlibcInTheUtf8Locale) { expect_agreement("C.UTF-8", true); }

}  // namespace
}  // namespace inipick::port
