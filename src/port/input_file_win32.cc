// SPDX-License-Identifier: BSD-2-Clause
// The name arrives in UTF-8 (process_start_win32.cc) and is opened by its
// wide form: the narrow call would read it in the ANSI code page. Binary
// mode, or the C runtime would drop each CR before a line feed and stop at
// a Ctrl-Z.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstdlib>

#include "port/input_file.h"

namespace inipick::port {

int open_input_file(const char* name) noexcept {
  const int size = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, name, -1, nullptr, 0);
  if (size <= 0) {
    errno = ENOENT;  // not UTF-8: no file can have this name
    return -1;
  }
  auto* wide = static_cast<wchar_t*>(std::malloc(static_cast<std::size_t>(size) * sizeof(wchar_t)));
  if (wide == nullptr) {
    errno = ENOMEM;
    return -1;
  }
  (void)::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, name, -1, wide, size);
  const int fd = ::_wopen(wide, _O_RDONLY | _O_BINARY | _O_NOINHERIT);
  const int error = errno;
  std::free(wide);
  errno = error;
  return fd;
}

}  // namespace inipick::port
