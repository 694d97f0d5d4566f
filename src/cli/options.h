// SPDX-License-Identifier: BSD-2-Clause
// Reading the command line into the run settings.
#pragma once

#include "cli/info_queries.h"

namespace inipick {

struct run;

struct option_result {
  int first_argument = 0;  // index of the first positional argument
  info_requests info;
  bool name_always = false;  // -N
  bool name_never = false;   // -n
};

// Reads the options with POSIX getopt: reading stops at the first word that
// is not an option (a lone "-" included), or after "--". Fails at the first
// bad option; for an unknown letter or a missing argument getopt has already
// said why and the usage text follows on the run's error stream. argv[0] is
// the program name getopt's own messages use. getopt carries on from where
// it stopped: a process that reads a second command line calls
// getopt_reset() first.
option_result read_options(run& r, int argc, char* argv[]);

}  // namespace inipick
