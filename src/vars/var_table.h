// SPDX-License-Identifier: BSD-2-Clause
// The kept variables: unique by name, in the order their names were first
// stored.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "vars/name_index.h"
#include "vars/string_arena.h"

namespace inipick {

// The strings are the table's own copies and live as long as the table.
struct var_entry {
  std::string_view name;
  std::string_view value;                        // of the last definition that reached the table
  std::optional<std::string_view> section_name;  // none ahead of the first header
  bool display = true;                           // false: stored only to hide an earlier definition
};

class var_table {
 public:
  // Inserts a new entry, or replaces the value, section and display flag of
  // the entry that has this name, keeping its place. Copies what it keeps.
  // Fails with "Could not allocate memory for the variables' values".
  void insert_or_replace(std::optional<std::string_view> section, std::string_view name,
                         std::string_view value, bool display);

  [[nodiscard]] const std::vector<var_entry>& entries() const noexcept { return entries_; }

 private:
  struct value_room {
    char* data;
    std::size_t size;
  };
  std::string_view keep_value(value_room& room, std::string_view value);
  std::string_view keep_section(std::string_view section);

  std::vector<var_entry> entries_;
  std::vector<value_room> value_rooms_;  // where each entry's value may be rewritten
  name_index index_;
  // Each section name is kept once, however many entries carry it.
  std::vector<std::string_view> sections_;
  name_index section_index_;
  std::size_t last_section_ = 0;
  string_arena strings_;
};

}  // namespace inipick
