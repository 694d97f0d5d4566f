// SPDX-License-Identifier: BSD-2-Clause
// The program's entry: start-up, the locale and how a failure is reported.
#pragma once

#include <string_view>

namespace inipick {

// Sets the locale, runs on the process's standard streams, reports a
// failure as "<program name>: <message>" and returns the exit status.
int entry(int argc, char* argv[]);

// The part of argv[0] after its last slash, as messages name the program
// (on Windows after a slash or a backslash, and without a final ".exe":
// port/file_names.h).
std::string_view program_name(const char* argv0) noexcept;

}  // namespace inipick
