// SPDX-License-Identifier: BSD-2-Clause
// The one way a run fails: thrown where the failure is found, caught once by
// the entry point, which prints the message and returns the status.
#pragma once

#include <stdexcept>
#include <string>

namespace inipick {

class fatal_error : public std::runtime_error {
 public:
  // An empty message means that whatever had to be said is already on
  // standard error (getopt's own diagnostic, or a silent status).
  fatal_error(int status, const std::string& message)
      : std::runtime_error(message), status_(status) {}

  [[nodiscard]] int status() const noexcept { return status_; }

 private:
  int status_;
};

// The message alone, status 1.
[[noreturn]] void fail(const std::string& message);

// The message, ": " and the system's text for errnum, status 1.
[[noreturn]] void fail_errno(const std::string& message, int errnum);

// fail_errno with the current errno, read before anything can change it.
[[noreturn]] void fail_errno(const std::string& message);

// The answer to every allocation failure: the message names what could not
// be allocated.
[[noreturn]] void fail_out_of_memory(const std::string& message);

}  // namespace inipick
