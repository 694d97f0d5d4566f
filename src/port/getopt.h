// SPDX-License-Identifier: BSD-2-Clause
// The option reader: the C library's getopt, or the program's own
// (getopt.cc) where the C library's reads a command line otherwise than
// POSIX says (mingw-w64's refuses "-" after other letters in one word).
// cmake/Platform.cmake finds out which by running it.
#pragma once

#include "port/config.h"

#if !INIPICK_OWN_GETOPT
#include <unistd.h>
#endif

namespace inipick::port {

// POSIX getopt: letters grouped in one word, an argument attached or in
// the next word, "--" and the first operand end the options, a lone "-" is
// an operand; no permuting, no "+". Diagnostics name the program by
// argv[0], in glibc's words. optind = 0 starts afresh at the next call.
namespace own {
extern char* optarg;
extern int optind;
extern int opterr;
extern int optopt;
int getopt(int argc, char* const argv[], const char* options) noexcept;
}  // namespace own

#if INIPICK_OWN_GETOPT
using own::getopt;
using own::optarg;
using own::opterr;
using own::optind;
using own::optopt;
#else
using ::getopt;
using ::optarg;
using ::opterr;
using ::optind;
using ::optopt;
#endif

}  // namespace inipick::port
