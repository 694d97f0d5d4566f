// SPDX-License-Identifier: BSD-2-Clause
// Windows' C runtime ignores LC_ALL, LC_CTYPE and LANG: setlocale(LC_ALL,
// "") gives the user's default whatever they say. Git Bash and MSYS2 set
// them, so they are read here, by the rule of choose_locale(); where none
// is set (cmd, PowerShell) the code set is UTF-8, as the arguments are
// (process_start_win32.cc), not the ANSI code page. Only the
// Universal C Runtime knows the UTF-8 code page; an older runtime keeps
// the user default. It has no nl_langinfo: code page 65001 is UTF-8.
#include <clocale>
#include <cstdlib>

#include "port/locale.h"

namespace inipick::port {

bool set_locale_from_environment() noexcept {
  const char* name = "";
  switch (choose_locale(std::getenv("LC_ALL"), std::getenv("LC_CTYPE"), std::getenv("LANG"))) {
    case locale_choice::user_default: break;
    case locale_choice::c: name = "C"; break;
    case locale_choice::utf8: name = ".UTF-8"; break;
  }
  if (std::setlocale(LC_ALL, name) == nullptr) std::setlocale(LC_ALL, "");
  constexpr unsigned utf8_code_page = 65001;
  return ___lc_codepage_func() == utf8_code_page;
}

}  // namespace inipick::port
