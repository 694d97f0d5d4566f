// SPDX-License-Identifier: BSD-2-Clause
// Opening, reading and closing an INI input.
#include "backends/ini/ini_backend.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "backends/ini/ini_parser.h"
#include "backends/ini/line_reader.h"
#include "cli/fatal_error.h"
#include "cli/run.h"
#include "vars/section_list.h"

namespace inipick {

void ini_openfile(run& r) {
  const char* name = r.settings.file_name;
  if (name == nullptr) fail("No configuration file name specified");
  if (std::string_view(name) == "-") {
    r.input = {STDIN_FILENO, true};
    return;
  }
  int fd = -1;
  do {
    fd = ::open(name, O_RDONLY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) fail_errno(std::string("Opening the input file ") + name);
  r.input = {fd, false};
}

namespace {

// With pass_over, lines the parser would only check are checked where they
// lie in the reader's buffer; without it every line goes through the
// parser, the reference the fast path is tested against.
template <bool pass_over>
void read_lines(run& r) {
  line_reader reader(r.input.fd);
  ini_parser parser(r);
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
    fail_errno(std::string("Error reading input file ") + r.settings.file_name, reader.error());
  }
  parser.finish();
}

template <bool pass_over>
void read_file(run& r) {
  // Section names read before a failure are printed all the same.
  try {
    read_lines<pass_over>(r);
  } catch (...) {
    section_list_flush(r);
    throw;
  }
  section_list_flush(r);
}

}  // namespace

void ini_readfile(run& r) { read_file<true>(r); }

void ini_readfile_every_line(run& r) { read_file<false>(r); }

void ini_closefile(run& r) {
  if (r.input.fd < 0) return;
  const int fd = r.input.fd;
  const bool is_stdin = r.input.is_stdin;
  r.input = {};
  if (!is_stdin && ::close(fd) != 0 && errno != EINTR) {
    fail_errno("Could not close the config file");
  }
}

}  // namespace inipick
