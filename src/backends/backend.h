// SPDX-License-Identifier: BSD-2-Clause
// A configuration file type, and all that its operations are given: what
// the command line asks of the input, and where variables and section
// names go. No more of the run than that.
#pragma once

#include <unistd.h>

#include <optional>
#include <string>
#include <string_view>

#include "base/text_output.h"
#include "vars/section_list.h"
#include "vars/var_store.h"

namespace inipick {

// The input a backend has open, from openfile to closefile. A run that
// failed while reading still holds it open: it closes with its owner.
struct open_input {
  open_input() = default;
  open_input(const open_input&) = delete;
  open_input& operator=(const open_input&) = delete;
  ~open_input() {
    if (fd >= 0 && !is_stdin) ::close(fd);
  }

  int fd = -1;            // -1: nothing open
  bool is_stdin = false;  // standard input is read but never closed
};

struct backend_context {
  // Asked for.
  const char* file_name;                      // "-" means standard input
  const std::optional<std::string>& section;  // -s; none: the first header's
  bool override;                              // -O
  bool query_sections;                        // -q sections
  // Where what is read goes.
  var_store_context& vars;
  section_list& sections;
  text_output& out;  // the section names of -q sections

  open_input input = {};
};

// A configuration file type. An operation may be missing; the run sequence
// checks each one just before it would call it.
struct backend {
  std::string_view name;
  void (*openfile)(backend_context&);
  void (*readfile)(backend_context&);
  void (*closefile)(backend_context&);
};

}  // namespace inipick
