// SPDX-License-Identifier: BSD-2-Clause
// Starting getopt afresh, for code that reads several command lines in one
// process (the tests, the fuzzer). The program reads one, and getopt starts
// right at process start on every system.
#pragma once

namespace inipick {

// The next getopt call reads from argv[1], and optind is 1, as at start-up.
void getopt_reset() noexcept;

}  // namespace inipick
