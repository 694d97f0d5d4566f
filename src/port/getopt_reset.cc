// SPDX-License-Identifier: BSD-2-Clause
// glibc and older musl take optind = 0 as a full reset; a BSD getopt takes
// it literally and starts at argv[0], so it has optreset instead.
#include "port/getopt_reset.h"

#include <unistd.h>

#include "port/config.h"

#if INIPICK_HAVE_OPTRESET
// Not every system declares it in <unistd.h>.
extern "C" int optreset;
#endif

namespace inipick {

void getopt_reset() noexcept {
#if INIPICK_HAVE_OPTRESET
  optreset = 1;
  optind = 1;
#else
  optind = 0;
#endif
}

}  // namespace inipick
