// SPDX-License-Identifier: BSD-2-Clause
// Windows' C runtime opens the standard streams in text mode, which turns
// "\n" into "\r\n" on output, "\r\n" into "\n" on input and stops reading
// at a Ctrl-Z: binary mode keeps every byte as on Unix.
//
// main()'s argv is in the ANSI code page, which cannot hold most names.
// The words are taken from the C runtime's wide argv instead, split by the
// same rules as for any wmain() program (CommandLineToArgvW reads ""
// inside a quoted word otherwise), and converted to UTF-8, rather than by
// declaring the UTF-8 code page in an application manifest: that needs
// Windows 10 1903 or later and a resource compiler in every toolchain, and
// where the manifest is not honoured the names would turn silently into
// "?". The input file is opened by its wide name (input_file_win32.cc), so
// a name outside ASCII reads the file it names. A word that cannot be
// converted stops the run: there is no fallback to the ANSI words.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "port/process_start.h"

struct inipick_crt_startup_info {
  int newmode;
};

// The C runtime's own splitting, the one its wmain() startup uses; no
// public header declares it.
extern "C" int __cdecl __wgetmainargs(int* argc, wchar_t*** argv, wchar_t*** env, int wildcards,
                                      inipick_crt_startup_info* info);

namespace inipick::port {
namespace {

void ignore_invalid_parameter(const wchar_t*, const wchar_t*, const wchar_t*, unsigned,
                              std::uintptr_t) {}

// A standard stream may have no handle at all (a program started without a
// console): the C runtime would end the process for the call, not fail it.
void set_binary_mode() noexcept {
  const _invalid_parameter_handler previous =
      _set_invalid_parameter_handler(ignore_invalid_parameter);
  for (int fd = 0; fd <= 2; ++fd) (void)_setmode(fd, _O_BINARY);
  _set_invalid_parameter_handler(previous);
}

// Stops the run as errx() would; argument is the word's index, if any.
[[noreturn]] void stop(const char* message, int argument = -1) noexcept {
  if (argument < 0) {
    std::fprintf(stderr, "inipick: %s\n", message);
  } else {
    std::fprintf(stderr, "inipick: Argument %d %s\n", argument, message);
  }
  std::exit(1);
}

// UTF-8 bytes for a wide word, with room for its NUL; 0 for a word that is
// not valid UTF-16 (a lone surrogate), which would otherwise become U+FFFD.
std::size_t utf8_size(const wchar_t* word) noexcept {
  const int size =
      ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, word, -1, nullptr, 0, nullptr, nullptr);
  return size > 0 ? static_cast<std::size_t>(size) : 0;
}

// The words in UTF-8, in one block the process keeps: the pointers, then
// the strings.
char** utf8_words(int count, wchar_t** wide) noexcept {
  std::size_t bytes = (static_cast<std::size_t>(count) + 1) * sizeof(char*);
  for (int i = 0; i < count; ++i) {
    const std::size_t size = utf8_size(wide[i]);
    if (size == 0) {
      if (::GetLastError() == ERROR_NO_UNICODE_TRANSLATION) stop("is not valid UTF-16", i);
      stop("Could not convert the command line to UTF-8");
    }
    bytes += size;
  }
  auto* words = static_cast<char**>(std::malloc(bytes));
  if (words == nullptr) stop("Could not allocate memory for the command line");
  char* text = reinterpret_cast<char*>(words + count + 1);
  char* const end = reinterpret_cast<char*>(words) + bytes;
  for (int i = 0; i < count; ++i) {
    const int size = ::WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, wide[i], -1, text,
                                           static_cast<int>(end - text), nullptr, nullptr);
    if (size <= 0) stop("Could not convert the command line to UTF-8");
    words[i] = text;
    text += size;
  }
  words[count] = nullptr;
  return words;
}

}  // namespace

command_line start_process(int argc, char** argv) noexcept {
  (void)argc;
  (void)argv;
  set_binary_mode();
  int count = 0;
  wchar_t** wide = nullptr;
  wchar_t** environment = nullptr;
  inipick_crt_startup_info info{0};
  if (__wgetmainargs(&count, &wide, &environment, 0, &info) < 0 || wide == nullptr) {
    stop("Could not read the command line");
  }
  return {count, utf8_words(count, wide)};
}

void set_getopt_program_name(char* name) noexcept {
  if (__argv != nullptr) __argv[0] = name;
}

}  // namespace inipick::port
