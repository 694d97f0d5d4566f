// SPDX-License-Identifier: BSD-2-Clause
// The result: the kept variables, sorted by name.
#pragma once

#include <cstdint>
#include <vector>

namespace inipick {

struct run;
class var_table;

// An entry's place in the table, with eight bytes of its name that decide
// most comparisons.
struct name_key {
  std::uint32_t high;   // name bytes from some depth on, big-endian, zero past the end
  std::uint32_t low;    // the four bytes after those
  std::uint32_t entry;  // position in the table
};

// The table's entries in byte order of their names, compared as unsigned
// bytes, a name before every longer name that begins with it. Fails with
// "Could not allocate memory".
std::vector<name_key> sort_by_name(const var_table& vars);

// Prints every displayable entry of the run's table in byte order of the
// names; with -c prints nothing. Returns the exit status.
int print_listing(run& r);

}  // namespace inipick
