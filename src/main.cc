// SPDX-License-Identifier: BSD-2-Clause
// inipick: print variables of INI files for shell scripts.
#include "cli/entry.h"

int main(int argc, char* argv[]) { return inipick::entry(argc, argv); }
