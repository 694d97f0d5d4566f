// SPDX-License-Identifier: BSD-2-Clause
// The INI syntax, one line at a time: headers, variables, comments and
// continued values, and which variables lie in the selected section.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "backends/ini/line_reader.h"
#include "backends/ini/whitespace.h"

namespace inipick {

struct run;

class ini_parser {
 public:
  explicit ini_parser(run& r);

  // Parses one line as the reader returned it. False when reading stops
  // early: a variable came before the first header and no section was asked
  // for, so the rest of the input does not matter.
  bool parse_line(text_line line);

  // At the end of the input: fails if a value is still being continued.
  void finish() const;

 private:
  bool section_header(text_line line, std::size_t bracket);
  void variable_line(text_line line, std::size_t start);
  void continuation_line(text_line line);
  void complete(std::string_view name, char* value, std::size_t size);

  [[nodiscard]] std::size_t skip_space(const text_line& line, std::size_t i) const noexcept;
  [[nodiscard]] std::size_t trim_end(const char* text, std::size_t size) const noexcept;

  run& run_;
  whitespace_table is_space_;
  bool in_section_;
  bool seen_var_ = false;
  bool continuation_ = false;
  std::optional<std::string> current_section_;
  std::string pending_name_;   // only while a value is continued
  std::string pending_value_;  // likewise; its capacity is reused
};

}  // namespace inipick
