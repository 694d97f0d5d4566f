// SPDX-License-Identifier: BSD-2-Clause
// glibc's fnmatch as the reference for port::glob_match, for the unit test
// and the fuzzer. In a UTF-8 locale glibc 2.36 differs on purpose-less
// points, which the comparison allows for:
// - when text matches no way as characters, it is tried again as bytes;
// - ranges with an end past U+00FF hold nothing;
// - sequences past U+10FFFF (up to six bytes) are characters.
// In any locale, glibc's answer depends on what it has matched so far for
// a range cut short by the end of the pattern ("[a-"), a range ending in
// "[:" or "[=", or a "[=" that does not name one character: the own matcher
// takes an unterminated "[" as itself, and such a "[" as a plain one.
// And once a member has matched, glibc skips the rest of the bracket
// expression without reading it: an unknown class name or a "[." that
// names no one character there still lets it match.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string_view>

#include "port/glob_match.h"

namespace inipick::test {

// The character of s that ends just before s[end], as a lead byte.
inline unsigned char lead_before(std::string_view s, std::size_t end) {
  std::size_t i = end;
  while (i > 0 && (static_cast<unsigned char>(s[i - 1]) & 0xc0) == 0x80) --i;
  return i > 0 ? static_cast<unsigned char>(s[i - 1]) : 0;
}

// Whether glibc's brackets could make its answer differ in any locale.
inline bool glibc_brackets_differ(std::string_view pattern) {
  if (pattern.ends_with('-') || pattern.find("-[:") != pattern.npos) return true;
  for (std::size_t i = pattern.find("[="); i != pattern.npos; i = pattern.find("[=", i + 1)) {
    const auto lead = static_cast<unsigned char>(i + 2 < pattern.size() ? pattern[i + 2] : 0);
    const std::size_t size = lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc0 ? 2 : 1;
    if ((i > 0 && pattern[i - 1] == '-') ||
        pattern.substr(std::min(i + 2 + size, pattern.size()), 2) != "=]")
      return true;
  }
  return false;
}

// Whether the pattern holds a member glibc finds invalid only when it reads
// it: "[:" and letters to ":]" naming no class, or a "[." that is not
// "[.c.]" for one character.
inline bool glibc_skips_invalid(std::string_view pattern) {
  static constexpr std::string_view classes[] = {"alnum", "alpha", "blank", "cntrl",
                                                 "digit", "graph", "lower", "print",
                                                 "punct", "space", "upper", "xdigit"};
  for (std::size_t i = pattern.find("[:"); i != pattern.npos; i = pattern.find("[:", i + 1)) {
    const std::size_t end = pattern.find_first_not_of("abcdefghijklmnopqrstuvwxy", i + 2);
    if (end == pattern.npos || pattern.substr(end, 2) != ":]") continue;
    const std::string_view name = pattern.substr(i + 2, end - i - 2);
    if (std::find(std::begin(classes), std::end(classes), name) == std::end(classes)) return true;
  }
  for (std::size_t i = pattern.find("[."); i != pattern.npos; i = pattern.find("[.", i + 1)) {
    const auto lead = static_cast<unsigned char>(i + 2 < pattern.size() ? pattern[i + 2] : 0);
    const std::size_t size = lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc0 ? 2 : 1;
    if (pattern.substr(std::min(i + 2 + size, pattern.size()), 2) != ".]") return true;
  }
  return false;
}

// Whether glibc's ranges or its long sequences could make its answer
// differ in a UTF-8 locale: a "-" next to a character past U+00FF, or a
// lead byte past F4.
inline bool glibc_utf8_differs(std::string_view pattern, std::string_view name) {
  constexpr unsigned char past_latin1 = 0xc4;
  for (const std::string_view s : {pattern, name}) {
    for (std::size_t i = 0; i < s.size(); ++i) {
      const auto b = static_cast<unsigned char>(s[i]);
      if (b >= 0xf5 || (b == 0xf4 && i + 1 < s.size() && (s[i + 1] & 0xf0) != 0x80)) return true;
    }
  }
  for (std::size_t i = pattern.find('-'); i != pattern.npos; i = pattern.find('-', i + 1)) {
    const std::size_t before = i >= 2 && pattern.substr(i - 2, 2) == ".]" ? i - 2 : i;
    const std::string_view after =
        pattern.substr(i + 1).starts_with("[.") ? pattern.substr(i + 3) : pattern.substr(i + 1);
    if (lead_before(pattern, before) >= past_latin1 ||
        (!after.empty() && static_cast<unsigned char>(after[0]) >= past_latin1)) {
      return true;
    }
  }
  return false;
}

// Whether glob_match agrees with real_fnmatch(pattern, name, 0) in the
// current locale, whose characters are UTF-8 exactly when utf8 is set.
template <typename Fnmatch>
bool glob_agrees(const char* pattern, const char* name, bool utf8, Fnmatch real_fnmatch) {
  const bool reference = real_fnmatch(pattern, name, 0) == 0;
  const bool own = port::glob_match(pattern, name, utf8);
  if (glibc_brackets_differ(pattern)) return true;
  if (reference && !own && glibc_skips_invalid(pattern)) return true;
  if (!utf8) return own == reference;
  if (glibc_utf8_differs(pattern, name)) return true;
  return reference == (own || port::glob_match(pattern, name, false));
}

}  // namespace inipick::test
