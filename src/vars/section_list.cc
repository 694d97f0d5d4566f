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
  const auto name_at = [this](std::size_t i) {
    return names_.at(static_cast<record_arena::ref>(i));
  };
  if (index_.find(name, hash, name_at) != name_index::npos) return false;
  record_arena::ref kept = 0;
  try {
    kept = names_.append(name);
  } catch (const std::bad_alloc&) {
    fail_out_of_memory("Out of memory for the new section name");
  }
  try {
    index_.insert(hash, kept);
  } catch (const std::bad_alloc&) {
    fail_out_of_memory("Out of memory for the section names list");
  }
  return true;
}

void section_list::offer(std::string_view name, std::FILE* out) {
  group& g = groups_[filling_];
  pending_name& p = g.names[g.count];
  p.hash = name_index::hash_of(name);
  try {
    g.text.append(name);
  } catch (const std::bad_alloc&) {
    fail_out_of_memory("Out of memory for the new section name");
  }
  p.end = g.text.size();
  index_.prefetch(p.hash);
  if (++g.count < g.names.size()) return;
  filling_ = 1 - filling_;
  settle(groups_[filling_], out);
}

void section_list::flush(std::FILE* out) {
  settle(groups_[1 - filling_], out);
  settle(groups_[filling_], out);
}

void section_list::settle(group& g, std::FILE* out) {
  const std::size_t count = std::exchange(g.count, 0);
  std::size_t start = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view name(g.text.data() + start, g.names[i].end - start);
    start = g.names[i].end;
    if (!add(name, g.names[i].hash)) continue;
    fwrite_unlocked(name.data(), 1, name.size(), out);
    putc_unlocked('\n', out);
  }
  g.text.clear();
}

void section_list_add(run& r, std::string_view name) {
  if (r.settings.query_sections) r.sections.offer(name, r.out);
}

void section_list_flush(run& r) { r.sections.flush(r.out); }

}  // namespace inipick
