// SPDX-License-Identifier: BSD-2-Clause
// Single-quote quoting: the one form in which no byte but the quote itself
// is special to the shell.
#include "cli/shell_quote.h"

#include <algorithm>
#include <cstring>

namespace inipick {

void shell_quote(std::FILE* out, std::string_view text) {
  std::putc('\'', out);
  while (!text.empty()) {
    const std::size_t quote = text.find('\'');
    std::fwrite(text.data(), 1, std::min(quote, text.size()), out);
    if (quote == std::string_view::npos) break;
    std::size_t end = quote;
    while (end < text.size() && text[end] == '\'') ++end;
    std::fputs("'\"", out);
    std::fwrite(text.data() + quote, 1, end - quote, out);
    std::fputs("\"'", out);
    text.remove_prefix(end);
  }
  std::putc('\'', out);
}

bool shell_safe_name(std::string_view name) noexcept {
  for (const char c : name) {
    const bool alnum = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
    if (!alnum && (c == '\0' || std::strchr("_.,:+@%/=-", c) == nullptr)) return false;
  }
  return true;
}

}  // namespace inipick
