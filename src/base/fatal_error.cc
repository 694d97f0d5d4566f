// SPDX-License-Identifier: BSD-2-Clause
// Builders for the fatal errors of every part of the program.
#include "base/fatal_error.h"

#include <cerrno>
#include <cstring>

namespace inipick {

void fail(const std::string& message) { throw fatal_error(1, message); }

void fail_errno(const std::string& message, int errnum) {
  throw fatal_error(1, message + ": " + std::strerror(errnum));
}

void fail_errno(const std::string& message) { fail_errno(message, errno); }

void fail_out_of_memory(const std::string& message) { fail_errno(message, ENOMEM); }

}  // namespace inipick
