// The distinct section names of the input, printed by -q sections the first
// time each is read.
#pragma once

#include <deque>
#include <string_view>

#include "vars/name_index.h"
#include "vars/string_arena.h"

namespace inipick {

class section_list {
 public:
  // Records name; true when it was not recorded before. Fails with "Out of
  // memory for the section names list" or "... for the new section name".
  bool add(std::string_view name);

  [[nodiscard]] const std::deque<std::string_view>& names() const noexcept { return names_; }

 private:
  std::deque<std::string_view> names_;  // in order of first appearance; growing copies nothing
  name_index index_;
  string_arena strings_;
};

struct run;

// Called for every section header read. With -q sections, prints a name
// followed by a line feed the first time it is offered; otherwise does
// nothing.
void section_list_add(run& r, std::string_view name);

}  // namespace inipick
