// SPDX-License-Identifier: BSD-2-Clause
// arc4random_buf cannot fail (BSD, macOS, glibc 2.36); getentropy (glibc
// 2.25, musl) can, on a kernel without getrandom or under a filter that
// refuses the call.
#include "port/random_bytes.h"

#include <unistd.h>

#include <cstdlib>

#include "port/config.h"

#if INIPICK_HAVE_GETENTROPY && __has_include(<sys/random.h>)
#include <sys/random.h>  // macOS declares getentropy here, not in <unistd.h>
#endif

namespace inipick::port {

bool random_bytes(void* data, std::size_t size) noexcept {
#if INIPICK_HAVE_ARC4RANDOM_BUF
  arc4random_buf(data, size);
  return true;
#elif INIPICK_HAVE_GETENTROPY
  return getentropy(data, size) == 0;
#else
  (void)data;
  (void)size;
  return false;
#endif
}

}  // namespace inipick::port
