// SPDX-License-Identifier: BSD-2-Clause
// Opening, reading and closing an INI input.
#include "backends/ini/ini_backend.h"

#include <unistd.h>

#include <cerrno>
#include <string>
#include <utility>

#include "backends/ini/ini_parser.h"
#include "backends/ini/line_reader.h"
#include "base/fatal_error.h"
#include "port/input_file.h"
#include "vars/section_list.h"

namespace inipick {

void ini_openfile(backend_context& c) {
  const char* name = c.file_name;
  if (name == nullptr) fail("No configuration file name specified");
  if (std::string_view(name) == "-") {
    c.input.fd = STDIN_FILENO;
    c.input.is_stdin = true;
    return;
  }
  const int fd = port::open_input_file(name);
  if (fd < 0) fail_errno(std::string("Opening the input file ") + name);
  c.input.fd = fd;
}

namespace {

// With pass_over, lines the parser would only check are checked where they
// lie in the reader's buffer; without it every line goes through the
// parser, the reference the fast path is tested against.
template <bool pass_over>
void read_lines(backend_context& c) {
  line_reader reader(c.input.fd);
  ini_parser parser(c);
  for (;;) {
    if constexpr (pass_over) {
      if (parser.passing_over()) {
        reader.skip_lines(
            [&parser](const char* text, std::size_t size) { return parser.pass_over(text, size); });
      }
    }
    const auto line = reader.read_trimmed_line();
    if (!line) break;
    if (!parser.parse_line(*line)) return;
  }
  if (reader.failed()) {
    fail_errno(std::string("Error reading input file ") + c.file_name, reader.error());
  }
  parser.finish();
}

template <bool pass_over>
void read_file(backend_context& c) {
  // Section names read before a failure are printed all the same.
  try {
    read_lines<pass_over>(c);
  } catch (...) {
    section_list_flush(c.sections, c.out);
    throw;
  }
  section_list_flush(c.sections, c.out);
}

}  // namespace

void ini_readfile(backend_context& c) { read_file<true>(c); }

void ini_readfile_every_line(backend_context& c) { read_file<false>(c); }

void ini_closefile(backend_context& c) {
  const int fd = std::exchange(c.input.fd, -1);
  if (fd < 0) return;
  const bool is_stdin = c.input.is_stdin;
  if (!is_stdin && ::close(fd) != 0 && errno != EINTR) {
    fail_errno("Could not close the config file");
  }
}

}  // namespace inipick
