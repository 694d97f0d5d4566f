// SPDX-License-Identifier: BSD-2-Clause
// Windows' C runtime opens the standard streams in text mode, which turns
// "\n" into "\r\n" on output, "\r\n" into "\n" on input and stops reading
// at a Ctrl-Z: binary mode keeps every byte as on Unix.
//
// main()'s argv is in the ANSI code page, which cannot hold most names.
// The words are taken from the wide-character command line and converted
// to UTF-8 instead, rather than by declaring the UTF-8 code page in an
// application manifest: that needs Windows 10 1903 or later and a resource
// compiler in every toolchain, and where the manifest is not honoured the
// names would turn silently into "?". A conversion here works on every
// Windows the C runtime runs on, and the input file is opened by its wide
// name (input_file_win32.cc), so a name outside ASCII reads the file it
// names.
#include <fcntl.h>
#include <io.h>
#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>

#include <cstdint>
#include <cstdlib>

#include "port/process_start.h"

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

// The words of the wide command line in UTF-8, in one block the process
// keeps: the pointers, then the strings. nullptr if any step fails.
char** utf8_words(int& count) noexcept {
  wchar_t** wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (wide == nullptr) return nullptr;
  std::size_t bytes = (static_cast<std::size_t>(count) + 1) * sizeof(char*);
  for (int i = 0; i < count; ++i) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
      ::LocalFree(wide);
      return nullptr;
    }
    bytes += static_cast<std::size_t>(size);
  }
  auto* words = static_cast<char**>(std::malloc(bytes));
  if (words == nullptr) {
    ::LocalFree(wide);
    return nullptr;
  }
  char* text = reinterpret_cast<char*>(words + count + 1);
  char* const end = reinterpret_cast<char*>(words) + bytes;
  for (int i = 0; i < count; ++i) {
    const int size = ::WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, text,
                                           static_cast<int>(end - text), nullptr, nullptr);
    words[i] = text;
    text += size;
  }
  words[count] = nullptr;
  ::LocalFree(wide);
  return words;
}

}  // namespace

command_line start_process(int argc, char** argv) noexcept {
  set_binary_mode();
  int count = 0;
  char** words = utf8_words(count);
  if (words == nullptr) return {argc, argv};
  return {count, words};
}

void set_getopt_program_name(char* name) noexcept {
  if (__argv != nullptr) __argv[0] = name;
}

}  // namespace inipick::port
