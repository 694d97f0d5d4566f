// SPDX-License-Identifier: BSD-2-Clause
// A shell pattern matcher of the program's own, for C libraries without
// fnmatch (match_glob.h chooses). Linear in pattern times name: a star
// never makes the match try every split.
#pragma once

namespace inipick::port {

// Whether name matches pattern as fnmatch(pattern, name, 0) decides:
// "*", "?", bracket expressions (ranges, "!" or "^", "]" first, the POSIX
// classes through the locale's ctype and wctype functions, [=c=] and [.c.]
// of one character), backslash escapes, an unterminated "[" as itself.
// With utf8, characters are UTF-8 sequences and ranges compare code points;
// otherwise bytes. A malformed bracket expression or a final backslash
// matches nothing.
[[nodiscard]] bool glob_match(const char* pattern, const char* name, bool utf8) noexcept;

}  // namespace inipick::port
