// Remembering and printing section names for -q sections.
#include "vars/section_list.h"

#include <cstdio>
#include <new>

#include "cli/fatal_error.h"
#include "cli/run.h"

namespace inipick {

bool section_list::add(std::string_view name) {
  const std::size_t hash = name_index::hash_of(name);
  if (index_.find(name, hash, [this](std::size_t i) -> std::string_view { return names_[i]; }) !=
      name_index::npos) {
    return false;
  }
  std::string_view kept;
  try {
    kept = strings_.copy(name);
  } catch (const std::bad_alloc&) {
    fail_out_of_memory("Out of memory for the new section name");
  }
  try {
    names_.push_back(kept);
  } catch (const std::bad_alloc&) {
    fail_out_of_memory("Out of memory for the section names list");
  }
  try {
    index_.insert(hash, names_.size() - 1);
  } catch (const std::bad_alloc&) {
    names_.pop_back();  // never keep a name the index cannot find
    fail_out_of_memory("Out of memory for the section names list");
  }
  return true;
}

void section_list_add(run& r, std::string_view name) {
  if (!r.settings.query_sections) return;
  if (!r.sections.add(name)) return;
  fwrite_unlocked(name.data(), 1, name.size(), r.out);
  putc_unlocked('\n', r.out);
}

}  // namespace inipick
