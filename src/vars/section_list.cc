// Remembering and printing section names for -q sections.
#include "vars/section_list.h"

#include <cstdio>
#include <new>
#include <utility>

#include "cli/fatal_error.h"
#include "cli/run.h"

namespace inipick {

bool section_list::add(std::string_view name) { return add(name, name_index::hash_of(name)); }

bool section_list::add(std::string_view name, std::size_t hash) {
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

void section_list::offer(std::string_view name, std::FILE* out) {
  pending_name& p = pending_[pending_count_];
  p.hash = name_index::hash_of(name);
  try {
    p.text.assign(name);
  } catch (const std::bad_alloc&) {
    fail_out_of_memory("Out of memory for the new section name");
  }
  index_.prefetch(p.hash);
  if (++pending_count_ == pending_.size()) flush(out);
}

void section_list::flush(std::FILE* out) {
  const std::size_t count = std::exchange(pending_count_, 0);
  for (std::size_t i = 0; i < count; ++i) {
    const std::string& name = pending_[i].text;
    if (!add(name, pending_[i].hash)) continue;
    fwrite_unlocked(name.data(), 1, name.size(), out);
    putc_unlocked('\n', out);
  }
}

void section_list_add(run& r, std::string_view name) {
  if (r.settings.query_sections) r.sections.offer(name, r.out);
}

void section_list_flush(run& r) { r.sections.flush(r.out); }

}  // namespace inipick
