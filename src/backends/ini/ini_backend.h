// SPDX-License-Identifier: BSD-2-Clause
// The "ini" backend's three operations.
#pragma once

namespace inipick {

struct run;

// Opens the file named by -f, or standard input for "-".
void ini_openfile(run& r);
// Reads and validates the whole input, offering the selected variables to
// var_store and every section header to section_list_add.
void ini_readfile(run& r);
// The same with every line through the parser, none passed over where it
// lies: what ini_readfile must match, for tests and the fuzzer.
void ini_readfile_every_line(run& r);
// Closes the input; standard input stays open.
void ini_closefile(run& r);

}  // namespace inipick
