// SPDX-License-Identifier: BSD-2-Clause
// The "ini" backend's three operations.
#pragma once

#include "backends/backend.h"

namespace inipick {

// Opens the file named by -f, or standard input for "-".
void ini_openfile(backend_context& c);
// Reads and validates the whole input, offering the selected variables to
// var_store and every section header to section_list_add.
void ini_readfile(backend_context& c);
// The same with every line through the parser, none passed over where it
// lies: what ini_readfile must match, for tests and the fuzzer.
void ini_readfile_every_line(backend_context& c);
// Closes the input; standard input stays open.
void ini_closefile(backend_context& c);

}  // namespace inipick
