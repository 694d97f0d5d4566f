// SPDX-License-Identifier: BSD-2-Clause
// inipick: print variables of INI files for shell scripts.
#include "cli/entry.h"
#include "port/process_start.h"

int main(int argc, char* argv[]) {
  const inipick::port::command_line words = inipick::port::start_process(argc, argv);
  return inipick::entry(words.argc, words.argv);
}
