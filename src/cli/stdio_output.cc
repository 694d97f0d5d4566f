// SPDX-License-Identifier: BSD-2-Clause
#include "cli/stdio_output.h"

#include <cerrno>

#include "base/fatal_error.h"

namespace inipick {

void stdio_output::flush() {
  errno = 0;
  if (std::fflush(out_) != 0) stop();
}

void stdio_output::stop() {
  // A stream may fail without a system error (a full memory stream): EIO
  // says at least that the output is incomplete.
  // A stream keeps its error: a write after the first failure (the section
  // names printed on the way out of a failed read) names the first cause.
  if (error_ == 0) error_ = errno != 0 ? errno : EIO;
  port::discard_pending_output(out_);
  fail_errno("Error writing to standard output", error_);
}

}  // namespace inipick
