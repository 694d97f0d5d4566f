// SPDX-License-Identifier: BSD-2-Clause
// The program's entry and its run sequence.
#pragma once

namespace inipick {

struct run;

// The whole of one run after start-up: options, validation, reading and the
// result. argv[0] is the name getopt's messages use. Returns the exit status
// of a run that did not fail; a failure is thrown as fatal_error.
int run_sequence(run& r, int argc, char* argv[]);

// Sets the locale, runs on the process's standard streams, reports a
// failure as "<program name>: <message>" and returns the exit status.
int entry(int argc, char* argv[]);

// The part of argv[0] after its last slash, as messages name the program.
const char* program_name(const char* argv0) noexcept;

// Whether a locale's code set name means UTF-8 (exact spellings only).
bool codeset_is_utf8(const char* codeset) noexcept;

}  // namespace inipick
