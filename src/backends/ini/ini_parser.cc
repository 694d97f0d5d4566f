// SPDX-License-Identifier: BSD-2-Clause
// Line classification and the INI rules. Names and values stay views into
// the line until var_store keeps them; only a continued value is copied.
#include "backends/ini/ini_parser.h"

#include <cstring>
#include <new>

#include "base/fatal_error.h"
#include "vars/section_list.h"
#include "vars/var_store.h"

namespace inipick {
namespace {

std::string whole_line(const text_line& line) { return {line.text, line.size}; }

}  // namespace

ini_parser::ini_parser(backend_context& c)
    : context_(c),
      selected_section_(c.section),
      in_section_(!c.section || c.section->empty() || c.override) {}

// The NUL at the end of every line stops the scan.
std::size_t ini_parser::skip_space(const text_line& line, std::size_t i) const noexcept {
  while (is_space_(line.text[i])) ++i;
  return i;
}

std::size_t ini_parser::trim_end(const char* text, std::size_t size) const noexcept {
  while (size > 0 && is_space_(text[size - 1])) --size;
  return size;
}

bool ini_parser::parse_line(text_line line) {
  if (continuation_) {
    continuation_line(line);
    return true;
  }
  const std::size_t start = skip_space(line, 0);
  if (start == line.size) return true;  // blank
  switch (line.text[start]) {
    case '#':
    case ';': return true;
    case '[': return section_header(line, start);
    default: variable_line(line, start); return true;
  }
}

// "[name]" exactly, naming another section: the parser goes on passing
// over lines, and only -q sections has a use for the name. The current
// section's name is left as it was; it is read only inside the selected
// section.
bool ini_parser::other_header(const char* text, std::size_t size) {
  if (size < 3) return false;
  // Above 0x20 nothing is a space: the name needs no trimming.
  const auto low = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
  if (low(text[1]) || low(text[size - 2]) || text[size - 1] != ']') return false;
  if (std::memchr(text + 2, ']', size - 3) != nullptr) return false;
  const std::string_view name(text + 1, size - 2);
  if (name == *selected_section_) return false;
  offer_section(name);
  return true;
}

void ini_parser::offer_section(std::string_view name) {
  if (context_.query_sections) section_list_add(context_.sections, name, context_.out);
}

bool ini_parser::section_header(text_line line, std::size_t bracket) {
  const std::size_t first = skip_space(line, bracket + 1);
  const char* close = nullptr;
  if (first < line.size) {
    close =
        static_cast<const char*>(std::memchr(line.text + first + 1, ']', line.size - first - 1));
  }
  if (close == nullptr || skip_space(line, close - line.text + 1) != line.size) {
    fail("Invalid group line: " + whole_line(line));
  }
  const auto name_end = static_cast<std::size_t>(close - line.text);
  const std::string_view name(line.text + first, trim_end(line.text + first, name_end - first));

  if (!selected_section_) {
    if (seen_var_ && !context_.query_sections) return false;
    try {
      selected_section_.emplace(name);
    } catch (const std::bad_alloc&) {
      fail("Out of memory for the group name");
    }
  }
  try {
    if (current_section_) {
      current_section_->assign(name);  // keeps its capacity
    } else {
      current_section_.emplace(name);
    }
  } catch (const std::bad_alloc&) {
    fail_out_of_memory("Out of memory for the group name");
  }
  offer_section(*current_section_);
  in_section_ = *current_section_ == *selected_section_;
  return true;
}

void ini_parser::variable_line(text_line line, std::size_t start) {
  const std::size_t name_end = is_space_.find_name_end(line.text, start + 1);
  std::size_t i = skip_space(line, name_end);
  if (i == line.size || line.text[i] != '=') fail("No value on line: " + whole_line(line));
  // Outside the section a whole value is not kept: the line needs no more
  // work. The last byte is in the value, as "=" comes before it.
  if (!in_section_ && line.text[line.size - 1] != '\\') return;
  const std::size_t value_start = skip_space(line, i + 1);

  line.text[name_end] = '\0';  // the line is valid: the name can end in place
  const std::string_view name(line.text + start, name_end - start);
  char* value = line.text + value_start;
  const std::size_t value_size = line.size - value_start;

  if (value_size > 0 && value[value_size - 1] == '\\') {
    try {
      pending_name_.assign(name);
    } catch (const std::bad_alloc&) {
      fail_out_of_memory("Out of memory for the variable name");
    }
    try {
      pending_value_.assign(value, value_size - 1);
    } catch (const std::bad_alloc&) {
      fail_out_of_memory("Out of memory for the variable value");
    }
    continuation_ = true;
    return;
  }
  complete(name, value, value_size);
}

void ini_parser::continuation_line(text_line line) {
  try {
    pending_value_.append(line.text, line.size);
  } catch (const std::bad_alloc&) {
    fail_out_of_memory("Out of memory for the variable value");
  }
  if (!pending_value_.empty() && pending_value_.back() == '\\') {
    pending_value_.pop_back();
    return;
  }
  complete(pending_name_, pending_value_.data(), pending_value_.size());
}

// value[size] may be overwritten: the trimmed value is ended in place.
void ini_parser::complete(std::string_view name, char* value, std::size_t size) {
  continuation_ = false;
  if (!in_section_) return;
  size = trim_end(value, size);
  value[size] = '\0';
  var_store(context_.vars, zstring_view(name.data(), name.size()), zstring_view(value, size));
  seen_var_ = true;
}

void ini_parser::finish() const {
  if (continuation_) fail("Invalid input file - continuation at the last line");
}

}  // namespace inipick
