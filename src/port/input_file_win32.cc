// SPDX-License-Identifier: BSD-2-Clause
// The name arrives in UTF-8 (process_start_win32.cc) and is opened by its
// wide form: the narrow call would read it in the ANSI code page. Binary
// mode, or the C runtime would drop each CR before a line feed and stop at
// a Ctrl-Z.
//
// A path of MAX_PATH (260) characters or more opens only in the "\\?\"
// form, which Windows takes as it stands: so the name is made whole first
// by GetFullPathNameW (the working directory, "/" as "\", "." and ".."),
// as Windows would do for the short form.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cerrno>
#include <cstdlib>
#include <cwchar>

#include "port/input_file.h"

namespace inipick::port {
namespace {

wchar_t* wide_name(const char* name) noexcept {
  const int size = ::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, name, -1, nullptr, 0);
  if (size <= 0) {
    errno = ENOENT;  // not UTF-8: no file can have this name
    return nullptr;
  }
  auto* wide = static_cast<wchar_t*>(std::malloc(static_cast<std::size_t>(size) * sizeof(wchar_t)));
  if (wide == nullptr) {
    errno = ENOMEM;
    return nullptr;
  }
  (void)::MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, name, -1, wide, size);
  return wide;
}

// "C:\dir\f.ini" as "\\?\C:\dir\f.ini", "\\server\share\f.ini" as
// "\\?\UNC\server\share\f.ini"; a name already in a "\\?\" or "\\.\" form
// (GetFullPathNameW gives devices such as NUL so) stays as it is.
wchar_t* long_path(const wchar_t* name) noexcept {
  const DWORD needed = ::GetFullPathNameW(name, 0, nullptr, nullptr);
  if (needed == 0) return nullptr;
  auto* full = static_cast<wchar_t*>(std::malloc(needed * sizeof(wchar_t)));
  if (full == nullptr) return nullptr;
  const DWORD length = ::GetFullPathNameW(name, needed, full, nullptr);
  if (length == 0 || length >= needed) {
    std::free(full);
    return nullptr;
  }
  const bool unc = length >= 2 && full[0] == L'\\' && full[1] == L'\\';
  if (unc && length >= 4 && (full[2] == L'?' || full[2] == L'.') && full[3] == L'\\') return full;
  const wchar_t* const prefix = unc ? L"\\\\?\\UNC" : L"\\\\?\\";
  const wchar_t* const rest = unc ? full + 1 : full;  // "\server" keeps one "\"
  const std::size_t prefix_length = std::wcslen(prefix);
  const std::size_t rest_length = std::wcslen(rest);
  auto* path =
      static_cast<wchar_t*>(std::malloc((prefix_length + rest_length + 1) * sizeof(wchar_t)));
  if (path != nullptr) {
    std::wmemcpy(path, prefix, prefix_length);
    std::wmemcpy(path + prefix_length, rest, rest_length + 1);
  }
  std::free(full);
  return path;
}

}  // namespace

int open_input_file(const char* name) noexcept {
  wchar_t* const wide = wide_name(name);
  if (wide == nullptr) return -1;
  // Where the name cannot be made whole, the short form fails or works as
  // it would without this.
  wchar_t* const path = long_path(wide);
  const int fd = ::_wopen(path != nullptr ? path : wide, _O_RDONLY | _O_BINARY | _O_NOINHERIT);
  const int error = errno;
  std::free(path);
  std::free(wide);
  errno = error;
  return fd;
}

}  // namespace inipick::port
