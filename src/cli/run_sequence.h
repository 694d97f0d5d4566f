// SPDX-License-Identifier: BSD-2-Clause
// The order of a run: options, validation, reading and the result.
#pragma once

namespace inipick {

struct run;

// The whole of one run after start-up: options, validation, reading and the
// result. argv[0] is the name getopt's messages use. Returns the exit status
// of a run that did not fail; a failure is thrown as fatal_error.
int run_sequence(run& r, int argc, char* argv[]);

}  // namespace inipick
