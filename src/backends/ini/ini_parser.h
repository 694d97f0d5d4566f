// SPDX-License-Identifier: BSD-2-Clause
// The INI syntax, one line at a time: headers, variables, comments and
// continued values, and which variables lie in the selected section.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "backends/backend.h"
#include "backends/ini/line_reader.h"
#include "backends/ini/whitespace.h"

namespace inipick {

class ini_parser {
 public:
  // Reads for what c asks; c must outlive the parser.
  explicit ini_parser(backend_context& c);

  // Parses one line as the reader returned it. False when reading stops
  // early: a variable came before the first header and no section was asked
  // for, so the rest of the input does not matter.
  bool parse_line(text_line line);

  // At the end of the input: fails if a value is still being continued.
  void finish() const;

  // Whether lines now go through parse_line only to be checked: outside the
  // selected section, with no value being continued.
  // Only where no byte above 0x20 is a space, as in every common locale:
  // elsewhere every line takes the full path.
  [[nodiscard]] bool passing_over() const noexcept {
    return !in_section_ && !continuation_ && is_space_.spaces_are_low();
  }

  // While passing over: takes a line that surely needs no more than a
  // glance (text[size] is its line feed) and returns true, or returns
  // false to leave it to parse_line. Taken are an empty line, a comment, a
  // variable line whose name is followed by "=" and whose value does not
  // end in a backslash, and the header of another section. False is always
  // safe.
  [[nodiscard]] bool pass_over(const char* text, std::size_t size) {
    const char first = text[0];
    if (first == '\n' || first == '#' || first == ';') return true;
    if (first == '[') return other_header(text, size);
    // Leading blanks, and control bytes, are left to the full path.
    if (static_cast<unsigned char>(first) <= 0x20) return false;
    // Bytes above 0x20 are not spaces: the name surely ends at a "=" or a
    // blank found here, and any other byte is left to the full path.
    std::size_t i = whitespace_table::find_low_or_equals(text, 1);
    // Most lines read "name = value": their one blank is stepped over
    // without a branch, and the loop then finds none left.
    i += text[i] == ' ' ? 1 : 0;
    while (text[i] == ' ') ++i;
    if (text[i] != '=') return false;
    // The value's last byte, ahead of any CRs, as the full path trims them;
    // the first byte is not a CR, which is a space.
    const char last = text[size - 1];
    if (last != '\r') return last != '\\';
    while (size > 1 && text[size - 1] == '\r') --size;
    return text[size - 1] != '\\';
  }

 private:
  [[nodiscard]] bool other_header(const char* text, std::size_t size);
  bool section_header(text_line line, std::size_t bracket);
  void offer_section(std::string_view name);
  void variable_line(text_line line, std::size_t start);
  void continuation_line(text_line line);
  void complete(std::string_view name, char* value, std::size_t size);

  [[nodiscard]] std::size_t skip_space(const text_line& line, std::size_t i) const noexcept;
  [[nodiscard]] std::size_t trim_end(const char* text, std::size_t size) const noexcept;

  backend_context& context_;
  // The one asked for; without -s, the first header's once it is read.
  std::optional<std::string> selected_section_;
  whitespace_table is_space_;
  bool in_section_;
  bool seen_var_ = false;
  bool continuation_ = false;
  std::optional<std::string> current_section_;
  std::string pending_name_;   // only while a value is continued
  std::string pending_value_;  // likewise; its capacity is reused
};

}  // namespace inipick
