// SPDX-License-Identifier: BSD-2-Clause
// Both rules are built everywhere, so that both are tested everywhere.
#include "port/file_names.h"

namespace inipick::port {

std::string_view program_file_name(std::string_view path, bool windows) noexcept {
  const std::size_t separator = path.find_last_of(windows ? "/\\" : "/");
  if (separator != std::string_view::npos) path.remove_prefix(separator + 1);
  if (!windows || path.size() < 4) return path;
  const std::string_view suffix = path.substr(path.size() - 4);
  for (std::size_t i = 0; i < 4; ++i) {
    const char c = suffix[i];
    const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
    if (lower != ".exe"[i]) return path;
  }
  path.remove_suffix(4);
  return path;
}

}  // namespace inipick::port
