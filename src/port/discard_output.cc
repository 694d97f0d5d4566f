// SPDX-License-Identifier: BSD-2-Clause
// Without a purge call, the stream's descriptor is pointed at the null
// device instead, or closed: whatever the buffer still holds then goes
// nowhere.
#include <cstdio>

#include "port/port.h"

#if !INIPICK_HAVE___FPURGE && !INIPICK_HAVE_FPURGE
#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#define INIPICK_NULL_DEVICE "NUL"
#else
#include <unistd.h>
#define INIPICK_NULL_DEVICE "/dev/null"
#endif
#endif

namespace inipick::port {

void discard_pending_output(std::FILE* out) noexcept {
#if INIPICK_HAVE___FPURGE
  __fpurge(out);
#elif INIPICK_HAVE_FPURGE
  fpurge(out);
#else
  const int fd = fileno(out);
  if (fd < 0) return;
  const int null = open(INIPICK_NULL_DEVICE, O_WRONLY);
  // Without the null device, a closed descriptor refuses what is left.
  if (null < 0 || dup2(null, fd) < 0) close(fd);
  if (null >= 0 && null != fd) close(null);
#endif
}

}  // namespace inipick::port
