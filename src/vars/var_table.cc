// Insert-or-replace through a hash index, keeping first-stored order.
#include "vars/var_table.h"

#include <new>

#include "cli/fatal_error.h"

namespace inipick {

void var_table::insert_or_replace(std::optional<std::string_view> section, std::string_view name,
                                  std::string_view value, bool display) {
  try {
    const std::size_t hash = name_index::hash_of(name);
    const std::size_t found = index_.find(
        name, hash, [this](std::size_t i) -> std::string_view { return entries_[i].name; });
    if (found != name_index::npos) {
      var_entry& e = entries_[found];
      e.value.assign(value);
      if (section) {
        e.section_name.emplace(*section);
      } else {
        e.section_name.reset();
      }
      e.display = display;
      return;
    }
    var_entry e{std::string(name), std::string(value),
                section ? std::optional<std::string>(*section) : std::nullopt, display};
    entries_.push_back(std::move(e));
    try {
      index_.insert(hash, entries_.size() - 1);
    } catch (...) {
      entries_.pop_back();  // never keep an entry the index cannot find
      throw;
    }
  } catch (const std::bad_alloc&) {
    fail_out_of_memory("Could not allocate memory for the variables' values");
  }
}

}  // namespace inipick
