// SPDX-License-Identifier: BSD-2-Clause
// The answers are glibc 2.36's, found by running it, but for its accidents.
//
// Invalid UTF-8: when the pattern or the name is not well-formed UTF-8
// (overlong forms, surrogates and code points past U+10FFFF included), both
// are matched byte by byte, as glibc does: a name that is no text in the
// locale still matches itself. Unlike glibc, a failed match of well-formed
// text is not tried again byte by byte ("??" does not match "é"), ranges
// compare code points past U+00FF too, and sequences past U+10FFFF are not
// characters.
//
// Where glibc's answer depends on what it has matched so far (a range cut
// short by the end of the pattern, a range ending in "[:" or "[=", a "[="
// that names no one character), the rule is the one it keeps otherwise: an
// unterminated "[" is itself, and such a "[" a plain character.
#include "port/glob_match.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <iterator>

namespace inipick::port {
namespace {

using byte = unsigned char;

bool valid_utf8(const byte* s) noexcept {
  while (*s != 0) {
    const byte lead = *s;
    if (lead < 0x80) {
      ++s;
      continue;
    }
    std::size_t tail = 0;
    if (lead >= 0xc2 && lead <= 0xdf) {
      tail = 1;
    } else if (lead >= 0xe0 && lead <= 0xef) {
      tail = 2;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
      tail = 3;
    } else {
      return false;
    }
    std::uint32_t code = lead & (0x3fu >> tail);
    for (std::size_t i = 1; i <= tail; ++i) {
      if ((s[i] & 0xc0) != 0x80) return false;  // also the terminating NUL
      code = code << 6 | (s[i] & 0x3fu);
    }
    if ((tail == 2 && code < 0x800) || (tail == 3 && (code < 0x10000 || code > 0x10ffff)) ||
        (code >= 0xd800 && code <= 0xdfff)) {
      return false;
    }
    s += tail + 1;
  }
  return true;
}

struct character {
  std::uint32_t value;
  std::size_t size;
};

// The character at s, which is not the terminating NUL; UTF-8 is already
// known to be well-formed.
template <bool Utf8>
character read(const byte* s) noexcept {
  const byte lead = *s;
  if (!Utf8 || lead < 0x80) return {lead, 1};
  const std::size_t tail = lead >= 0xf0 ? 3 : lead >= 0xe0 ? 2 : 1;
  std::uint32_t code = lead & (0x3fu >> tail);
  for (std::size_t i = 1; i <= tail; ++i) code = code << 6 | (s[i] & 0x3fu);
  return {code, tail + 1};
}

enum class char_class {
  alnum,
  alpha,
  blank,
  cntrl,
  digit,
  graph,
  lower,
  print,
  punct,
  space,
  upper,
  xdigit
};

constexpr const char* class_names[] = {"alnum", "alpha", "blank", "cntrl", "digit", "graph",
                                       "lower", "print", "punct", "space", "upper", "xdigit"};

bool find_class(const byte* name, std::size_t size, char_class& found) noexcept {
  for (std::size_t i = 0; i < std::size(class_names); ++i) {
    if (std::strlen(class_names[i]) == size && std::memcmp(class_names[i], name, size) == 0) {
      found = static_cast<char_class>(i);
      return true;
    }
  }
  return false;
}

bool byte_in_class(char_class k, int c) noexcept {
  switch (k) {
    case char_class::alnum: return std::isalnum(c) != 0;
    case char_class::alpha: return std::isalpha(c) != 0;
    case char_class::blank: return std::isblank(c) != 0;
    case char_class::cntrl: return std::iscntrl(c) != 0;
    case char_class::digit: return std::isdigit(c) != 0;
    case char_class::graph: return std::isgraph(c) != 0;
    case char_class::lower: return std::islower(c) != 0;
    case char_class::print: return std::isprint(c) != 0;
    case char_class::punct: return std::ispunct(c) != 0;
    case char_class::space: return std::isspace(c) != 0;
    case char_class::upper: return std::isupper(c) != 0;
    case char_class::xdigit: return std::isxdigit(c) != 0;
  }
  return false;
}

// A code point the wide functions cannot take (past a 16-bit wint_t, as on
// Windows) is in no class.
bool wide_in_class(char_class k, std::uint32_t code) noexcept {
  const auto c = static_cast<std::wint_t>(code);
  if (static_cast<std::uint32_t>(c) != code) return false;
  switch (k) {
    case char_class::alnum: return std::iswalnum(c) != 0;
    case char_class::alpha: return std::iswalpha(c) != 0;
    case char_class::blank: return std::iswblank(c) != 0;
    case char_class::cntrl: return std::iswcntrl(c) != 0;
    case char_class::digit: return std::iswdigit(c) != 0;
    case char_class::graph: return std::iswgraph(c) != 0;
    case char_class::lower: return std::iswlower(c) != 0;
    case char_class::print: return std::iswprint(c) != 0;
    case char_class::punct: return std::iswpunct(c) != 0;
    case char_class::space: return std::iswspace(c) != 0;
    case char_class::upper: return std::iswupper(c) != 0;
    case char_class::xdigit: return std::iswxdigit(c) != 0;
  }
  return false;
}

template <bool Utf8>
bool in_class(char_class k, std::uint32_t c) noexcept {
  return Utf8 ? wide_in_class(k, c) : byte_in_class(k, static_cast<int>(c));
}

enum class outcome { matched, unmatched, unterminated, invalid };

struct bracket_answer {
  outcome what;
  const byte* next;  // past the closing "]", when matched or unmatched
};

// Where the last "]" and the last unescaped "[." of the pattern stand: a
// bracket expression with no "]" after it is unterminated, or invalid for a
// "[." in it, known without reading to the end each time a star retries.
// The last search for the ":]" of a "[:" is kept too: it answers every
// "[:" up to where it ended, so that a run of them is read once per pass.
struct pattern_ends {
  const byte* last_close = nullptr;
  const byte* last_symbol = nullptr;
  const byte* searched_from = nullptr;
  const byte* searched_to = nullptr;  // the ":" of ":]", or the byte that ended the search
  bool class_closed = false;
};

pattern_ends find_ends(const byte* p) noexcept {
  pattern_ends e;
  for (; *p != 0; ++p) {
    if (*p == ']') e.last_close = p;
    if (*p == '[' && p[1] == '.') e.last_symbol = p;
    if (*p == '\\' && p[1] != 0) ++p;
  }
  return e;
}

// Where the name of a "[:", "[=" or "[." at p ends, before its ":]", "=]"
// or ".]"; null when p starts none of them closed so. "[:" is not closed
// past a backslash; "[=" and "[." name one character.
template <bool Utf8>
const byte* term_end(const byte* p, pattern_ends& e) noexcept {
  if (p[0] != '[') return nullptr;
  const byte kind = p[1];
  if (kind == ':') {
    const byte* from = p + 2;
    if (e.searched_from == nullptr || from < e.searched_from || from > e.searched_to) {
      const byte* q = from;
      while (*q != 0 && *q != '\\' && (q[0] != ':' || q[1] != ']')) ++q;
      e.searched_from = from;
      e.searched_to = q;
      e.class_closed = *q == ':';
    }
    return e.class_closed ? e.searched_to : nullptr;
  }
  if ((kind != '=' && kind != '.') || p[2] == 0) return nullptr;
  const byte* q = p + 2 + read<Utf8>(p + 2).size;
  return q[0] == kind && q[1] == ']' ? q : nullptr;
}

// A character of a bracket expression, maybe escaped, at p; false at the
// end of the pattern.
template <bool Utf8>
bool read_plain(const byte*& p, std::uint32_t& value) noexcept {
  if (*p == '\\') ++p;
  if (*p == 0) return false;
  const character c = read<Utf8>(p);
  value = c.value;
  p += c.size;
  return true;
}

// Whether the bracket expression at p (just past its "[") holds c.
template <bool Utf8>
bracket_answer match_bracket(const byte* p, std::uint32_t c, pattern_ends& e) noexcept {
  constexpr bracket_answer invalid = {outcome::invalid, nullptr};
  constexpr bracket_answer unterminated = {outcome::unterminated, nullptr};
  const bool negated = *p == '!' || *p == '^';
  if (negated) ++p;
  bool found = false;
  for (bool first = true;; first = false) {
    if (*p == 0) return unterminated;
    if (*p == ']' && !first)
      return {found != negated ? outcome::matched : outcome::unmatched, p + 1};
    std::uint32_t low = 0;
    if (const byte* end = term_end<Utf8>(p, e)) {
      const byte* name = p + 2;
      const byte kind = p[1];
      p = end + 2;
      if (kind == ':') {
        char_class k{};
        if (!find_class(name, static_cast<std::size_t>(end - name), k)) return invalid;
        found = found || in_class<Utf8>(k, c);
        continue;
      }
      low = read<Utf8>(name).value;
      if (kind == '=') {
        found = found || c == low;
        continue;
      }
    } else if (p[0] == '[' && p[1] == '.') {
      return invalid;  // unlike "[:" and "[=", never a plain "["
    } else if (!read_plain<Utf8>(p, low)) {
      return unterminated;
    }
    if (*p != '-' || p[1] == ']' || p[1] == 0) {
      found = found || c == low;
      continue;
    }
    ++p;
    std::uint32_t high = 0;
    if (p[0] == '[' && p[1] == '.') {
      const byte* end = term_end<Utf8>(p, e);
      if (end == nullptr) return invalid;
      high = read<Utf8>(p + 2).value;
      p = end + 2;
    } else if (!read_plain<Utf8>(p, high)) {
      return unterminated;
    }
    found = found || (low <= c && c <= high);
  }
}

// Whether the one element at *p matches c, and where the next one starts.
template <bool Utf8>
outcome match_element(const byte*& p, character c, const byte* s, pattern_ends& e) noexcept {
  switch (*p) {
    case '?': ++p; return outcome::matched;
    case '[': {
      if (e.last_close == nullptr || e.last_close < p + 2) {
        if (e.last_symbol != nullptr && e.last_symbol > p) return outcome::invalid;
        break;  // unterminated: an ordinary "["
      }
      const bracket_answer a = match_bracket<Utf8>(p + 1, c.value, e);
      if (a.what == outcome::invalid) return a.what;
      if (a.what != outcome::unterminated) {
        p = a.next;
        return a.what;
      }
      break;
    }
    case '\\': ++p; break;  // a final one escapes the NUL, which no character equals
    default: break;
  }
  const character want = read<Utf8>(p);
  if (want.size != c.size || std::memcmp(p, s, c.size) != 0) return outcome::unmatched;
  p += want.size;
  return outcome::matched;
}

// Each element but "*" takes exactly one character, so on a mismatch only
// the last star need take one more: earlier stars could only give away
// what a later star takes anyway.
template <bool Utf8>
bool match(const byte* p, const byte* s) noexcept {
  pattern_ends ends = find_ends(p);
  const byte* star_p = nullptr;
  const byte* star_s = nullptr;
  for (;;) {
    if (*p == '*') {
      while (*p == '*') ++p;
      if (*p == 0) return true;
      star_p = p;
      star_s = s;
      continue;
    }
    if (*s == 0) return *p == 0;
    const character c = read<Utf8>(s);
    if (*p != 0) {
      const outcome o = match_element<Utf8>(p, c, s, ends);
      if (o == outcome::invalid) return false;
      if (o == outcome::matched) {
        s += c.size;
        continue;
      }
    }
    if (star_p == nullptr) return false;
    p = star_p;
    star_s += read<Utf8>(star_s).size;
    s = star_s;
  }
}

}  // namespace

bool glob_match(const char* pattern, const char* name, bool utf8) noexcept {
  const auto* p = reinterpret_cast<const byte*>(pattern);
  const auto* s = reinterpret_cast<const byte*>(name);
  if (utf8 && valid_utf8(p) && valid_utf8(s)) return match<true>(p, s);
  return match<false>(p, s);
}

}  // namespace inipick::port
