// SPDX-License-Identifier: BSD-2-Clause
// The INI backend's open input, kept from openfile to closefile.
#pragma once

namespace inipick {

struct ini_input {
  int fd = -1;            // -1: nothing open
  bool is_stdin = false;  // standard input is read but never closed
};

}  // namespace inipick
