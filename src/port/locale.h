// SPDX-License-Identifier: BSD-2-Clause
// The program's locale, taken from the environment by the rule users know
// from Unix on every system, and whether its characters are UTF-8.
#pragma once

#include <string_view>

namespace inipick::port {

// Sets the locale from LC_ALL, LC_CTYPE and LANG; whether its code set is
// UTF-8.
bool set_locale_from_environment() noexcept;

// Whether a code set name, as nl_langinfo(CODESET) gives it, means UTF-8
// (exact spellings only). Inline: only the POSIX systems need it.
[[nodiscard]] inline bool codeset_is_utf8(const char* codeset) noexcept {
  if (codeset == nullptr) return false;
  const std::string_view name(codeset);
  return name == "UTF-8" || name == "UTF8" || name == "utf-8" || name == "utf8";
}

// What a C runtime that does not read the variables itself (Windows')
// should be told to use.
enum class locale_choice {
  user_default,  // the system's own setting for the user
  c,
  utf8,  // the user's default, with UTF-8 as the code set
};

// The first of LC_ALL, LC_CTYPE and LANG that is set and not empty
// decides: a UTF-8 code set ("xx_YY.UTF-8", ".utf8", any case), C or
// POSIX; anything else leaves the user default. None at all (cmd,
// PowerShell) is UTF-8. A null pointer is a variable that is not set.
// Built into the program on Windows only; the tests build it everywhere.
[[nodiscard]] locale_choice choose_locale(const char* lc_all, const char* lc_ctype,
                                          const char* lang) noexcept;

}  // namespace inipick::port
