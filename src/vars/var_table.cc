// SPDX-License-Identifier: BSD-2-Clause
// Insert-or-replace through a hash index, keeping first-stored order.
#include "vars/var_table.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "base/fatal_error.h"

namespace inipick {

void var_table::insert_or_replace(std::string_view name, std::string_view value, bool display) {
  try {
    const std::size_t hash = index_.hash_of(name);
    const std::size_t found =
        index_.find(name, hash, [this](std::size_t i) { return this->name(i); });
    if (found != name_index::npos) {
      stored_entry& e = entries_[found];
      keep_value(e, value);
      e.displayed = display;
      return;
    }
    stored_entry e{};
    place(e, name, value.size());
    keep_value(e, value);
    e.displayed = display;
    // Only ever shrinks: it holds for every name kept.
    if (entries_.empty()) {
      shared_prefix_ = name.size();
    } else {
      const std::string_view first = this->name(0);
      const auto differ =
          std::mismatch(first.begin(), first.begin() + shared_prefix_, name.begin(), name.end());
      shared_prefix_ = static_cast<std::size_t>(differ.first - first.begin());
    }
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

void var_table::stop_inserting() noexcept { index_ = name_index(); }

// Gives e new text: a copy of name, then room bytes for a value. The name
// may be e's own old text, which the arena keeps.
void var_table::place(stored_entry& e, std::string_view name, std::size_t room) {
  const bool is_long = name.size() >= long_sizes_mark || room >= long_sizes_mark;
  const std::size_t header = is_long ? sizeof(long_sizes) : 0;
  if (room > SIZE_MAX - header - name.size()) throw std::bad_alloc();
  const std::size_t bytes = header + name.size() + room;
  char* text = bytes == 0 ? nullptr : strings_.allocate(bytes) + header;
  if (!name.empty()) std::memcpy(text, name.data(), name.size());
  if (is_long) {
    const long_sizes sizes{name.size(), 0, room};
    std::memcpy(text - header, &sizes, sizeof sizes);
    e.name_size = long_sizes_mark;
  } else {
    e.name_size = static_cast<std::uint32_t>(name.size());
    e.value_size = 0;
    e.value_room = static_cast<std::uint32_t>(room);
  }
  e.text = text;
}

// A redefinition reuses the room of the value it replaces; a longer one
// gets at least twice the room, so a name defined over and over cannot make
// the table grow without bound.
void var_table::keep_value(stored_entry& e, std::string_view value) {
  long_sizes sizes = sizes_of(e);
  if (value.size() > sizes.room) {
    const std::size_t doubled = sizes.room > SIZE_MAX / 2 ? SIZE_MAX : 2 * sizes.room;
    place(e, {e.text, sizes.name},
          sizes.room == 0 ? value.size() : std::max(value.size(), doubled));
    sizes = sizes_of(e);
  }
  if (!value.empty()) std::memcpy(e.text + sizes.name, value.data(), value.size());
  if (e.name_size == long_sizes_mark) {
    sizes.value = value.size();
    std::memcpy(e.text - sizeof sizes, &sizes, sizeof sizes);
  } else {
    e.value_size = static_cast<std::uint32_t>(value.size());
  }
}

}  // namespace inipick
