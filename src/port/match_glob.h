// SPDX-License-Identifier: BSD-2-Clause
// Shell patterns as the program matches them: by the C library's fnmatch
// where it has one, so that the system decides as for any other program,
// else by glob_match.h.
#pragma once

namespace inipick::port {

enum class glob_answer {
  match,
  no_match,
  failed,  // fnmatch gave no answer; errno may say why (ENOMEM)
};

// Whether name matches pattern, as fnmatch(pattern, name, 0) decides.
// utf8 says whether the locale's characters are UTF-8, for the own
// matcher; fnmatch asks the locale itself.
[[nodiscard]] glob_answer match_glob(const char* pattern, const char* name, bool utf8) noexcept;

}  // namespace inipick::port
