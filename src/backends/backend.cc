// SPDX-License-Identifier: BSD-2-Clause
#include "backends/backend.h"

#include <unistd.h>

namespace inipick {

open_input::~open_input() {
  if (fd_ >= 0 && !is_stdin_) ::close(fd_);
}

}  // namespace inipick
