// SPDX-License-Identifier: BSD-2-Clause
// POSIX systems pass bytes and arguments through untouched, and getopt
// names the program from the argv it reads (BSD's from the same file
// name).
#include "port/process_start.h"

namespace inipick::port {

command_line start_process(int argc, char** argv) noexcept { return {argc, argv}; }

void set_getopt_program_name(char* name) noexcept { (void)name; }

}  // namespace inipick::port
