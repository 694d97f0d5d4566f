// SPDX-License-Identifier: BSD-2-Clause
// Start-up, the single place where failures are reported, and making sure
// the output reached the system.
#include "cli/entry.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/fatal_error.h"
#include "cli/run.h"
#include "cli/run_sequence.h"
#include "port/file_names.h"
#include "port/locale.h"
#include "port/port.h"
#include "port/process_start.h"

namespace inipick {
namespace {

constexpr std::size_t output_buffer_size = std::size_t{64} * 1024;

// "name: message", and a detail after a colon if there is one.
void report(std::FILE* err, std::string_view name, const char* message,
            const char* detail = nullptr) {
  std::fprintf(err, "%.*s: %s%s%s\n", static_cast<int>(name.size()), name.data(), message,
               detail != nullptr ? ": " : "", detail != nullptr ? detail : "");
}

// Output that did not reach the system is a failure. As with any careful
// Unix tool, a closed standard output only matters if something was
// written to it.
void close_output(std::FILE* out) {
  const bool pending = port::output_pending(out);
  const bool had_error = std::ferror(out) != 0;
  errno = 0;
  const bool flush_failed = std::fflush(out) != 0;
  int error = errno;
  const bool close_failed = std::fclose(out) != 0;
  if (!flush_failed) error = errno;
  if (had_error || flush_failed || (close_failed && (pending || error != EBADF))) {
    fail_errno("Error writing to standard output", error != 0 ? error : EIO);
  }
}

}  // namespace

std::string_view program_name(const char* argv0) noexcept {
  if (argv0 == nullptr || *argv0 == '\0') return "inipick";
  return port::program_file_name(argv0);
}

int entry(int argc, char* argv[]) {
  const bool utf8_locale = port::set_locale_from_environment();
  if (isatty(STDOUT_FILENO) == 0) {
    // Ours: given no buffer, a C library may keep its own size (musl's is
    // 1 KiB).
    static char output_buffer[output_buffer_size];
    std::setvbuf(stdout, output_buffer, _IOFBF, sizeof output_buffer);
  }
  const std::string_view name = program_name(argc > 0 ? argv[0] : nullptr);
  std::string name_word;  // for getopt, which wants it NUL-terminated
  int status = 0;
  try {
    run r(stdout, stderr);
    r.settings.utf8_locale = utf8_locale;
    backend_select(r, "ini");
    // getopt names the program by argv[0]: give it the same name as ours.
    std::vector<char*> words(argv, argv + argc);
    if (words.empty()) words.push_back(nullptr);
    name_word = name;
    words[0] = name_word.data();
    port::set_getopt_program_name(name_word.data());
    words.push_back(nullptr);
    status = run_sequence(r, argc > 0 ? argc : 1, words.data());
    close_output(stdout);
  } catch (const fatal_error& e) {
    if (*e.what() != '\0') report(stderr, name, e.what());
    status = e.status();
  } catch (const std::bad_alloc&) {
    report(stderr, name, "Could not allocate memory", std::strerror(ENOMEM));
    status = 1;
  } catch (const std::length_error&) {
    // A string longer than the library allows: on a 32-bit system a value
    // of 2 GiB or so, which memory could not have held either.
    report(stderr, name, "Could not allocate memory", std::strerror(ENOMEM));
    status = 1;
  }
  return status;
}

}  // namespace inipick
