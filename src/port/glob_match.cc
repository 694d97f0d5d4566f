// SPDX-License-Identifier: BSD-2-Clause
// The answers are glibc 2.36's, found by running it, but for the
// differences glob_match.h lists. Invalid UTF-8 (overlong forms,
// surrogates and code points past U+10FFFF included) in the pattern or the
// name makes both bytes, as in glibc: a name that is no text in the locale
// still matches itself.
#include "port/glob_match.h"

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <iterator>
#include <memory>
#include <new>

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

// Past this many letters after "[:" glibc gives up on the pattern.
constexpr std::size_t longest_class_name = 2047;

enum class step { member, close, end, invalid };

// One member of a bracket expression: a class, or the characters from low
// to high.
struct member {
  bool is_class = false;
  char_class k{};
  std::uint32_t low = 0;
  std::uint32_t high = 0;
};

// A "[.c.]" of one character at p, its end in end; false for any other "[.".
template <bool Utf8>
bool read_symbol(const byte* p, std::uint32_t& value, const byte*& end) noexcept {
  if (p[2] == 0) return false;
  const character c = read<Utf8>(p + 2);
  const byte* q = p + 2 + c.size;
  if (q[0] != '.' || q[1] != ']') return false;
  value = c.value;
  end = q + 2;
  return true;
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

// Reads the member of a bracket expression at p into m and moves p past it;
// otherwise leaves p where the expression closes, ends or turns invalid. As
// in glibc, "[:" starts a class only when letters below "z" run to ":]",
// and "[=" an equivalence class only as "[=c=]": else the "[" is a member.
template <bool Utf8>
step next_member(const byte*& p, bool first, member& m) noexcept {
  const byte* q = p;
  if (*q == 0) return step::end;
  if (*q == ']' && !first) return step::close;
  m = member{};
  if (q[0] == '[' && q[1] == ':') {
    const byte* name = q + 2;
    const byte* e = name;
    while (*e >= 'a' && *e < 'z') {
      if (static_cast<std::size_t>(++e - name) > longest_class_name) return step::invalid;
    }
    if (e[0] == ':' && e[1] == ']') {
      if (!find_class(name, static_cast<std::size_t>(e - name), m.k)) return step::invalid;
      m.is_class = true;
      p = e + 2;
      return step::member;
    }
  }
  if (q[0] == '[' && q[1] == '=' && q[2] != 0) {
    const byte* e = q + 2 + read<Utf8>(q + 2).size;
    if (e[0] == '=' && e[1] == ']') {
      m.low = m.high = read<Utf8>(q + 2).value;
      p = e + 2;
      return step::member;
    }
  }
  if (q[0] == '[' && q[1] == '.') {
    if (!read_symbol<Utf8>(q, m.low, q)) return step::invalid;
  } else if (!read_plain<Utf8>(q, m.low)) {
    return step::end;
  }
  m.high = m.low;
  if (q[0] == '-' && q[1] != ']' && q[1] != 0) {
    ++q;
    if (q[0] == '[' && q[1] == '.') {
      if (!read_symbol<Utf8>(q, m.high, q)) return step::invalid;
    } else if (!read_plain<Utf8>(q, m.high)) {
      return step::end;
    }
  }
  p = q;
  return step::member;
}

template <bool Utf8>
bool holds(const member& m, std::uint32_t c) noexcept {
  return m.is_class ? in_class<Utf8>(m.k, c) : m.low <= c && c <= m.high;
}

// Where each bracket expression closes, remembered for every member it
// was found from: a star retry, or a run of unterminated "[" whose members
// go on alike, then reads no member twice. Without the memory (allocation
// failed) the answers are the same, only slower.
class bracket_ends {
 public:
  explicit bracket_ends(const byte* pattern) noexcept : pattern_(pattern) {}

  // Where the expression whose members go on at q closes: at a "]", or at
  // the end of the pattern (step::end), or at an invalid member.
  template <bool Utf8>
  step find(const byte* q, const byte*& close) noexcept {
    if (!tried_) {
      tried_ = true;
      memo_.reset(new (std::nothrow) std::size_t[std::strlen(pattern_as_chars()) + 1]());
    }
    const byte* r = q;
    std::size_t found = 0;
    member m;
    for (;;) {
      if (memo_ && (found = memo_[offset(r)]) != 0) break;
      const step st = next_member<Utf8>(r, false, m);
      if (st == step::member) continue;
      found = st == step::end ? at_end : st == step::invalid ? invalid : offset(r) + closed;
      break;
    }
    for (const byte* w = q; memo_ && w != r; next_member<Utf8>(w, false, m))
      memo_[offset(w)] = found;
    if (found == at_end) return step::end;
    if (found == invalid) return step::invalid;
    close = pattern_ + (found - closed);
    return step::close;
  }

 private:
  std::size_t offset(const byte* p) const noexcept {
    return static_cast<std::size_t>(p - pattern_);
  }
  const char* pattern_as_chars() const noexcept { return reinterpret_cast<const char*>(pattern_); }

  // In the memory: 0 for not yet known, then these, or "closed" past the
  // offset of the "]".
  static constexpr std::size_t at_end = 1;
  static constexpr std::size_t invalid = 2;
  static constexpr std::size_t closed = 3;

  const byte* pattern_;
  std::unique_ptr<std::size_t[]> memo_;
  bool tried_ = false;
};

enum class outcome { matched, unmatched, invalid };

// Whether the one element at *p matches c, and where the next one starts.
template <bool Utf8>
outcome match_element(const byte*& p, character c, const byte* s, bracket_ends& ends) noexcept {
  switch (*p) {
    case '?': ++p; return outcome::matched;
    case '[': {
      const byte* first = p + 1;
      const bool negated = *first == '!' || *first == '^';
      if (negated) ++first;
      const byte* rest = first;
      member m;
      step st = *first == ']' ? next_member<Utf8>(rest, true, m) : step::member;
      const byte* close = nullptr;
      if (st == step::member) st = ends.find<Utf8>(rest, close);
      if (st == step::invalid) return outcome::invalid;
      if (st == step::end) break;  // unterminated: an ordinary "["
      bool found = false;
      for (const byte* q = first; q != close;) {
        next_member<Utf8>(q, q == first, m);
        found = found || holds<Utf8>(m, c.value);
      }
      p = close + 1;
      return found != negated ? outcome::matched : outcome::unmatched;
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
  bracket_ends ends(p);
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
