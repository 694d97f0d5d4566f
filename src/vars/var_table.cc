// SPDX-License-Identifier: BSD-2-Clause
// Insert-or-replace through a hash index, keeping first-stored order.
#include "vars/var_table.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "cli/fatal_error.h"

namespace inipick {
namespace {

// Growing first means a later push_back cannot fail halfway.
template <typename Vector>
void make_room_for_one(Vector& v) {
  if (v.size() == v.capacity()) v.reserve(2 * v.size() + 16);
}

}  // namespace

void var_table::insert_or_replace(std::optional<std::string_view> section, std::string_view name,
                                  std::string_view value, bool display) {
  try {
    const std::size_t hash = name_index::hash_of(name);
    const std::size_t found = index_.find(
        name, hash, [this](std::size_t i) -> std::string_view { return entries_[i].name; });
    const std::optional<std::string_view> kept_section =
        section ? std::optional(keep_section(*section)) : std::nullopt;
    if (found != name_index::npos) {
      var_entry& e = entries_[found];
      e.value = keep_value(e, value);
      e.section_name = kept_section;
      e.display = display;
      return;
    }
    var_entry e{strings_.copy(name), {}, kept_section, display};
    e.value = keep_value(e, value);
    entries_.push_back(e);
    try {
      index_.insert(hash, entries_.size() - 1);
    } catch (const std::bad_alloc&) {
      entries_.pop_back();  // an entry the index cannot find must not stay
      throw;
    }
  } catch (const std::bad_alloc&) {
    fail_out_of_memory("Could not allocate memory for the variables' values");
  }
}

// A redefinition reuses the room of the value it replaces; a longer one
// gets at least twice the room, so a name defined over and over cannot make
// the table grow without bound.
std::string_view var_table::keep_value(var_entry& e, std::string_view value) {
  // The arena's bytes: the entry only holds them as const.
  char* room = const_cast<char*>(e.value.data());
  const std::size_t room_size = e.value_room;
  if (value.size() > room_size) {
    const std::size_t bigger =
        room_size == 0 ? value.size() : std::max(value.size(), 2 * room_size);
    room = strings_.allocate(bigger);
    // A room past four gigabytes is noted as less: never more than it is.
    e.value_room = static_cast<std::uint32_t>(std::min<std::size_t>(bigger, UINT32_MAX));
  }
  if (!value.empty()) std::memcpy(room, value.data(), value.size());
  return {room, value.size()};
}

std::string_view var_table::keep_section(std::string_view section) {
  if (last_section_ < sections_.size() && sections_[last_section_] == section) {
    return sections_[last_section_];
  }
  const std::size_t hash = name_index::hash_of(section);
  std::size_t found =
      section_index_.find(section, hash, [this](std::size_t i) { return sections_[i]; });
  if (found == name_index::npos) {
    make_room_for_one(sections_);
    const std::string_view kept = strings_.copy(section);
    section_index_.insert(hash, sections_.size());
    found = sections_.size();
    sections_.push_back(kept);
  }
  last_section_ = found;
  return sections_[found];
}

}  // namespace inipick
