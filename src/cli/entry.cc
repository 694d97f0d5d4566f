// SPDX-License-Identifier: BSD-2-Clause
// Start-up, the single place where failures are reported, and making sure
// the output reached the system.
#include "cli/entry.h"

#include <langinfo.h>
#include <unistd.h>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "base/fatal_error.h"
#include "cli/run.h"
#include "cli/run_sequence.h"

namespace inipick {
namespace {

constexpr std::size_t output_buffer_size = std::size_t{64} * 1024;

void report(std::FILE* err, const char* name, const fatal_error& e) {
  if (*e.what() == '\0') return;
  std::fprintf(err, "%s: %s\n", name, e.what());
}

// As with any careful Unix tool, a closed standard output only matters if
// something was written to it: then the flush before has failed already.
void close_output(std::FILE* out) {
  errno = 0;
  if (std::fclose(out) != 0 && errno != EBADF) {
    fail_errno("Error writing to standard output", errno != 0 ? errno : EIO);
  }
}

}  // namespace

const char* program_name(const char* argv0) noexcept {
  if (argv0 == nullptr || *argv0 == '\0') return "inipick";
  const char* slash = std::strrchr(argv0, '/');
  return slash != nullptr ? slash + 1 : argv0;
}

bool codeset_is_utf8(const char* codeset) noexcept {
  if (codeset == nullptr) return false;
  const std::string_view name(codeset);
  return name == "UTF-8" || name == "UTF8" || name == "utf-8" || name == "utf8";
}

int entry(int argc, char* argv[]) {
  std::setlocale(LC_ALL, "");
  if (isatty(STDOUT_FILENO) == 0) {
    // Ours: given no buffer, a C library may keep its own size (musl's is
    // 1 KiB).
    static char output_buffer[output_buffer_size];
    std::setvbuf(stdout, output_buffer, _IOFBF, sizeof output_buffer);
  }
  const char* name = program_name(argc > 0 ? argv[0] : nullptr);
  int status = 0;
  try {
    run r(stdout, stderr);
    r.settings.utf8_locale = codeset_is_utf8(nl_langinfo(CODESET));
    backend_select(r, "ini");
    // getopt names the program by argv[0]: give it the same name as ours.
    std::vector<char*> words(argv, argv + argc);
    if (words.empty()) words.push_back(nullptr);
    words[0] = const_cast<char*>(name);
    words.push_back(nullptr);
    status = run_sequence(r, argc > 0 ? argc : 1, words.data());
    r.printed.flush();
    close_output(stdout);
  } catch (const fatal_error& e) {
    report(stderr, name, e);
    status = e.status();
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "%s: Could not allocate memory: %s\n", name, std::strerror(ENOMEM));
    status = 1;
  } catch (const std::length_error&) {
    // A string longer than the library allows: on a 32-bit system a value
    // of 2 GiB or so, which memory could not have held either.
    std::fprintf(stderr, "%s: Could not allocate memory: %s\n", name, std::strerror(ENOMEM));
    status = 1;
  }
  return status;
}

}  // namespace inipick
