// SPDX-License-Identifier: BSD-2-Clause
// The C library reads the environment itself, and names the code set.
#include <langinfo.h>

#include <clocale>

#include "port/locale.h"

namespace inipick::port {

bool set_locale_from_environment() noexcept {
  std::setlocale(LC_ALL, "");
  return codeset_is_utf8(nl_langinfo(CODESET));
}

}  // namespace inipick::port
