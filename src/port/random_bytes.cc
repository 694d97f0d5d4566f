// SPDX-License-Identifier: BSD-2-Clause
// arc4random_buf cannot fail (BSD, macOS, glibc 2.36); getentropy and
// getrandom can, before the kernel has entropy or under a filter that
// refuses the call; /dev/urandom is the last resort of any Unix.
#include "port/random_bytes.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "port/config.h"

#if (INIPICK_HAVE_GETENTROPY || INIPICK_HAVE_GETRANDOM) && __has_include(<sys/random.h>)
#include <sys/random.h>  // macOS declares getentropy here, not in <unistd.h>
#endif

namespace inipick::port {
namespace {

[[maybe_unused]] bool from_urandom(void* data, std::size_t size) noexcept {
  const int fd = ::open("/dev/urandom", O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  auto* p = static_cast<char*>(data);
  while (size > 0) {
    const ssize_t n = ::read(fd, p, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    p += n;
    size -= static_cast<std::size_t>(n);
  }
  ::close(fd);
  return size == 0;
}

}  // namespace

bool random_bytes(void* data, std::size_t size) noexcept {
#if INIPICK_HAVE_ARC4RANDOM_BUF
  arc4random_buf(data, size);
  return true;
#else
#if INIPICK_HAVE_GETENTROPY
  if (getentropy(data, size) == 0) return true;
#elif INIPICK_HAVE_GETRANDOM
  if (getrandom(data, size, 0) == static_cast<ssize_t>(size)) return true;
#endif
  return from_urandom(data, size);
#endif
}

}  // namespace inipick::port
