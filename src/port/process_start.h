// SPDX-License-Identifier: BSD-2-Clause
// The process as the program expects it on every system: standard streams
// that carry bytes unchanged, and the command line in UTF-8.
#pragma once

namespace inipick::port {

struct command_line {
  int argc;
  char** argv;
};

// Called first in main() with what main() was given; the words returned
// last as long as the process.
[[nodiscard]] command_line start_process(int argc, char** argv) noexcept;

// Where getopt names the program in its messages from elsewhere than the
// argv it reads (mingw-w64's takes the C runtime's __argv[0]), makes it
// use name. name must outlast the last getopt call.
void set_getopt_program_name(char* name) noexcept;

}  // namespace inipick::port
