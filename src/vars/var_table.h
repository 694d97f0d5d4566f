// The kept variables: unique by name, in the order their names were first
// stored.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

#include "vars/name_index.h"

namespace inipick {

struct var_entry {
  std::string name;
  std::string value;                        // of the last definition that reached the table
  std::optional<std::string> section_name;  // none ahead of the first header
  bool display = true;                      // false: stored only to hide an earlier definition
};

class var_table {
 public:
  // Inserts a new entry, or replaces the value, section and display flag of
  // the entry that has this name, keeping its place. Copies what it keeps.
  // Fails with "Could not allocate memory for the variables' values".
  void insert_or_replace(std::optional<std::string_view> section, std::string_view name,
                         std::string_view value, bool display);

  [[nodiscard]] const std::deque<var_entry>& entries() const noexcept { return entries_; }

 private:
  std::deque<var_entry> entries_;  // a deque: growing never moves an entry
  name_index index_;
};

}  // namespace inipick
