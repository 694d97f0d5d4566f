// SPDX-License-Identifier: BSD-2-Clause
#include "port/match_glob.h"

#include "port/config.h"

#if INIPICK_HAVE_FNMATCH
#include <fnmatch.h>
#else
#include "port/glob_match.h"
#endif

namespace inipick::port {

glob_answer match_glob(const char* pattern, const char* name, bool utf8) noexcept {
#if INIPICK_HAVE_FNMATCH
  (void)utf8;
  const int result = fnmatch(pattern, name, 0);
  if (result == 0) return glob_answer::match;
  return result == FNM_NOMATCH ? glob_answer::no_match : glob_answer::failed;
#else
  return glob_match(pattern, name, utf8) ? glob_answer::match : glob_answer::no_match;
#endif
}

}  // namespace inipick::port
