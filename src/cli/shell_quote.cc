// SPDX-License-Identifier: BSD-2-Clause
// Single-quote quoting: the one form in which no byte but the quote itself
// is special to the shell.
#include "cli/shell_quote.h"

namespace inipick {

void shell_quote(stdio_output& out, std::string_view text) {
  out.put('\'');
  while (!text.empty()) {
    const std::size_t quote = text.find('\'');
    out.write(text.substr(0, quote));
    if (quote == std::string_view::npos) break;
    std::size_t end = quote;
    while (end < text.size() && text[end] == '\'') ++end;
    out.write("'\"");
    out.write(text.substr(quote, end - quote));
    out.write("\"'");
    text.remove_prefix(end);
  }
  out.put('\'');
}

bool shell_variable_name(std::string_view name, bool prefixed) noexcept {
  // Unprefixed, the name starts the word: "=v" and "1x=v" are commands.
  if (!prefixed && (name.empty() || (name[0] >= '0' && name[0] <= '9'))) return false;
  for (const char c : name) {
    const bool word =
        (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    if (!word) return false;
  }
  return true;
}

}  // namespace inipick
