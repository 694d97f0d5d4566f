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

// As with any careful Unix tool, a closed standard output only matters if
// something was written to it: then the flush before has failed already.
// fclose answers for the bytes it writes alone, so an error the stream saw
// earlier is asked of the stream.
void close_output(std::FILE* out) {
  const bool failed_before = port::stream_failed(out);
  errno = 0;
  const bool failed_now = std::fclose(out) != 0 && errno != EBADF;
  if (failed_before || failed_now) {
    fail_errno("Error writing to standard output", errno != 0 ? errno : EIO);
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
    r.printed.flush();
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
