// SPDX-License-Identifier: BSD-2-Clause
// The result: the kept variables, sorted by name.
#pragma once

namespace inipick {

struct run;

// Prints every displayable entry of the run's table in byte order of the
// names; with -c prints nothing. Returns the exit status.
int print_listing(run& r);

}  // namespace inipick
