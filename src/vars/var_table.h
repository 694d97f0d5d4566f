// SPDX-License-Identifier: BSD-2-Clause
// The kept variables: unique by name, in the order their names were first
// stored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "vars/chunked_array.h"
#include "vars/name_index.h"
#include "vars/string_arena.h"

namespace inipick {

// The strings are the table's own copies and live as long as the table.
struct var_entry {
  std::string_view name;
  std::string_view value;                        // of the last definition that reached the table
  std::optional<std::string_view> section_name;  // none ahead of the first header
  bool display = true;                           // false: stored only to hide an earlier definition
  // Bytes at value.data() that a later definition may reuse; in the
  // padding, so the entry does not grow.
  std::uint32_t value_room = 0;
};

class var_table {
 public:
  // Inserts a new entry, or replaces the value, section and display flag of
  // the entry that has this name, keeping its place. Copies what it keeps.
  // Fails with "Could not allocate memory for the variables' values".
  void insert_or_replace(std::optional<std::string_view> section, std::string_view name,
                         std::string_view value, bool display);

  [[nodiscard]] const chunked_array<var_entry>& entries() const noexcept { return entries_; }

 private:
  std::string_view keep_value(var_entry& e, std::string_view value);
  std::string_view keep_section(std::string_view section);

  // Grows without moving what it holds: no moment holds the table twice.
  chunked_array<var_entry> entries_;
  name_index index_;
  // Each section name is kept once, however many entries carry it.
  std::vector<std::string_view> sections_;
  name_index section_index_;
  std::size_t last_section_ = 0;
  string_arena strings_;
};

}  // namespace inipick
