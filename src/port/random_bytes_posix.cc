// SPDX-License-Identifier: BSD-2-Clause
// The calls that can say no come first: getentropy (glibc 2.25, musl, the
// BSDs, macOS), then getrandom. Both fail on a kernel without the system
// call or under a filter that refuses it, and the caller has a fallback.
// arc4random_buf comes last, as it cannot report a failure: the BSDs' and
// macOS's never fail, but glibc's (2.36 on) aborts the process when the
// kernel refuses, and glibc always has getentropy before it.
#include "port/random_bytes.h"

#include <unistd.h>

#include <cstdlib>

#include "port/config.h"

#if (INIPICK_HAVE_GETENTROPY || INIPICK_HAVE_GETRANDOM) && __has_include(<sys/random.h>)
#include <sys/random.h>  // macOS declares getentropy here, not in <unistd.h>
#endif

namespace inipick::port {

bool random_bytes(void* data, std::size_t size) noexcept {
#if INIPICK_HAVE_GETENTROPY
  return getentropy(data, size) == 0;
#elif INIPICK_HAVE_GETRANDOM
  return getrandom(data, size, 0) == static_cast<ssize_t>(size);
#elif INIPICK_HAVE_ARC4RANDOM_BUF
  arc4random_buf(data, size);
  return true;
#else
  (void)data;
  (void)size;
  return false;
#endif
}

}  // namespace inipick::port
