// SPDX-License-Identifier: BSD-2-Clause
// glibc, older musl, mingw-w64 and the own getopt take optind = 0 as a full
// reset, made at the next call; a BSD getopt takes it literally and starts
// at argv[0], so it has optreset instead.
#include "port/getopt_reset.h"

#include "port/config.h"
#include "port/getopt.h"
#include "port/port.h"

#if INIPICK_HAVE_OPTRESET
// Not every system declares it in <unistd.h>.
extern "C" int optreset;
#endif

namespace inipick {

void getopt_reset() noexcept {
#if INIPICK_HAVE_OPTRESET
  optreset = 1;
  port::optind = 1;
#else
  // The reset is made here, on an empty command line, so that optind is 1
  // again, as at start-up: the caller may look at argv[optind] before its
  // first call. glibc fixes the order of reading at the reset.
  port::optind = 0;
  char name[] = "x";
  char* words[] = {name, nullptr};
  (void)port::getopt(1, words, port::getopt_permutes ? "+" : "");
  port::optind = 1;
#endif
}

}  // namespace inipick
