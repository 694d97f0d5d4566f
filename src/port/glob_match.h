// SPDX-License-Identifier: BSD-2-Clause
// A shell pattern matcher of the program's own, for C libraries without
// fnmatch (match_glob.h chooses). Linear in pattern times name: a star
// never makes the match try every split, nor a bracket expression's end
// get sought twice.
#pragma once

namespace inipick::port {

// Whether name matches pattern as fnmatch(pattern, name, 0) decides in
// glibc 2.36: "*", "?", bracket expressions (ranges, "!" or "^", "]" first,
// the POSIX classes through the locale's ctype and wctype functions, [=c=]
// and [.c.] of one character), backslash escapes, an unterminated "[" as
// itself. "[:" starts a class only when letters "a" to "y" run from it to
// ":]", "[=" only as "[=c=]": otherwise the "[" is a member. With utf8,
// characters are UTF-8 sequences and ranges compare code points; otherwise
// bytes. A bracket expression with an unknown class name, a "[." that is
// not "[.c.]" or 2,048 letters after a "[:", or a final backslash, matches
// nothing.
//
// Where glibc answers otherwise, on purpose:
// - Text that matches no way as UTF-8 characters is not tried again as
//   bytes ("??" does not match U+00E9); invalid UTF-8 in either the pattern
//   or the name makes both bytes, as in glibc.
// - Ranges compare code points past U+00FF too, and sequences past
//   U+10FFFF are no characters.
// - Once a member has matched, glibc skips the rest of the expression
//   without reading it; here it is read alike whatever matched, so
//   "[a[:foo:]]" and "[a[.ab.]]" match nothing, and "[a[:" with 2,047
//   letters then "]" matches "a".
// - glibc's answer also depends on what matched before for a range cut
//   short by the end of the pattern ("[a-"), a range ending in "[:" or
//   "[=", and a "[=" that names no one character: here the unterminated
//   "[" is itself, and such a "[" a member.
// Linear in pattern times name, whatever the pattern.
[[nodiscard]] bool glob_match(const char* pattern, const char* name, bool utf8) noexcept;

}  // namespace inipick::port
