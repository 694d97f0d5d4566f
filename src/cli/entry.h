// SPDX-License-Identifier: BSD-2-Clause
// The program's entry: start-up, the locale and how a failure is reported.
#pragma once

namespace inipick {

// Sets the locale, runs on the process's standard streams, reports a
// failure as "<program name>: <message>" and returns the exit status.
int entry(int argc, char* argv[]);

// The part of argv[0] after its last slash, as messages name the program.
const char* program_name(const char* argv0) noexcept;

// Whether a locale's code set name means UTF-8 (exact spellings only).
bool codeset_is_utf8(const char* codeset) noexcept;

}  // namespace inipick
