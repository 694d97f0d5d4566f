// SPDX-License-Identifier: BSD-2-Clause
// A name is bytes here; the system takes it as it is.
#include <fcntl.h>

#include <cerrno>

#include "port/input_file.h"

namespace inipick::port {

int open_input_file(const char* name) noexcept {
  int fd = -1;
  do {
    fd = ::open(name, O_RDONLY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  return fd;
}

}  // namespace inipick::port
