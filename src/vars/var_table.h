// SPDX-License-Identifier: BSD-2-Clause
// The kept variables: unique by name, in the order their names were first stored.
// Reference: a plain list of names, values and display flags, searched by name.
// Tested by: tests/vars/var_table_test.cc.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "vars/chunked_array.h"
#include "vars/name_index.h"
#include "vars/string_arena.h"

namespace inipick {

class var_table {
  // What the table holds per variable: 24 bytes on a 64-bit system, as a
  // million of them may be kept at once.
  struct stored_entry {
    char* text;  // the name, then room for the value
    std::uint32_t name_size;
    std::uint32_t value_size;
    std::uint32_t value_room;  // bytes after the name that a later value may reuse
    bool displayed;            // false: stored only to hide an earlier definition
  };
  static_assert(sizeof(stored_entry) == sizeof(char*) + 16);
  // Sizes of four gigabytes and more: the three are kept in front of the
  // text instead, and name_size holds long_sizes_mark.
  struct long_sizes {
    std::size_t name;
    std::size_t value;
    std::size_t room;
  };
  static constexpr std::uint32_t long_sizes_mark = UINT32_MAX;

 public:
  // Inserts a new entry, or replaces the value and display flag of the
  // entry that has this name, keeping its place. Copies what it keeps.
  // Fails with "Could not allocate memory for the variables' values".
  void insert_or_replace(std::string_view name, std::string_view value, bool display);

  // Reading is over: gives back the memory that only inserting needs. No
  // insert may follow.
  void stop_inserting() noexcept;

  [[nodiscard]] std::size_t size() const noexcept { return entries_.size(); }

  // How many leading bytes all names have in common: sorting skips them.
  [[nodiscard]] std::size_t shared_prefix() const noexcept { return shared_prefix_; }

  [[nodiscard]] std::string_view name(std::size_t i) const noexcept {
    const stored_entry& e = entries_[i];
    return {e.text, sizes_of(e).name};
  }
  [[nodiscard]] std::string_view value(std::size_t i) const noexcept {
    const stored_entry& e = entries_[i];
    const long_sizes s = sizes_of(e);
    return {e.text + s.name, s.value};
  }
  [[nodiscard]] bool display(std::size_t i) const noexcept { return entries_[i].displayed; }

  // Starts loading what name(i) and value(i) read: first the entry, then,
  // once that has arrived, its strings. Inlined early: a call that only
  // prefetches looks free of effects to the optimiser, which drops it.
  [[gnu::always_inline]] void prefetch_entry(std::size_t i) const noexcept {
    __builtin_prefetch(&entries_[i]);
  }
  [[gnu::always_inline]] void prefetch_strings(std::size_t i) const noexcept {
    const stored_entry& e = entries_[i];
    __builtin_prefetch(e.text);
    if (e.name_size != long_sizes_mark) __builtin_prefetch(e.text + e.name_size);
  }

 private:
  static long_sizes sizes_of(const stored_entry& e) noexcept {
    if (e.name_size != long_sizes_mark) return {e.name_size, e.value_size, e.value_room};
    long_sizes s;
    std::memcpy(&s, e.text - sizeof s, sizeof s);
    return s;
  }
  void place(stored_entry& e, std::string_view name, std::size_t room);
  void keep_value(stored_entry& e, std::string_view value);

  // Grows without moving what it holds: no moment holds the table twice.
  chunked_array<stored_entry> entries_;
  name_index index_;
  std::size_t shared_prefix_ = 0;
  string_arena strings_;
};

}  // namespace inipick
