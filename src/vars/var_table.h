// SPDX-License-Identifier: BSD-2-Clause
// The kept variables: unique by name, in the order their names were first
// stored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "vars/chunked_array.h"
#include "vars/indexed_iterator.h"
#include "vars/name_index.h"
#include "vars/string_arena.h"

namespace inipick {

// One kept variable as the table gives it out. The strings are the table's
// own copies and live as long as the table.
struct var_entry {
  std::string_view name;
  std::string_view value;                        // of the last definition that reached the table
  std::optional<std::string_view> section_name;  // none ahead of the first header
  bool display = true;                           // false: stored only to hide an earlier definition
};

class var_table {
  // What the table holds per variable: 24 bytes on a 64-bit system, where
  // a var_entry takes 64, as a million of them may be kept at once.
  struct stored_entry {
    char* text;  // the name, then room for the value
    std::uint32_t name_size;
    std::uint32_t value_size;
    std::uint32_t value_room;    // bytes after the name that a later value may reuse
    std::uint32_t section : 31;  // none: 0; otherwise one past its place in sections_
    std::uint32_t displayed : 1;
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
  // Inserts a new entry, or replaces the value, section and display flag of
  // the entry that has this name, keeping its place. Copies what it keeps.
  // Fails with "Could not allocate memory for the variables' values".
  void insert_or_replace(std::optional<std::string_view> section, std::string_view name,
                         std::string_view value, bool display);

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
  [[nodiscard]] bool display(std::size_t i) const noexcept { return entries_[i].displayed != 0; }
  [[nodiscard]] var_entry operator[](std::size_t i) const noexcept { return entry(i); }
  [[nodiscard]] var_entry entry(std::size_t i) const noexcept {
    const std::uint32_t section = entries_[i].section;
    return {name(i), value(i), section == 0 ? std::nullopt : std::optional(sections_[section - 1]),
            display(i)};
  }

  // Starts loading what entry(i) reads: first the entry, then, once that
  // has arrived, its strings. Inlined early: a call that only prefetches
  // looks free of effects to the optimiser, which drops it.
  [[gnu::always_inline]] void prefetch_entry(std::size_t i) const noexcept {
    __builtin_prefetch(&entries_[i]);
  }
  [[gnu::always_inline]] void prefetch_strings(std::size_t i) const noexcept {
    const stored_entry& e = entries_[i];
    __builtin_prefetch(e.text);
    if (e.name_size != long_sizes_mark) __builtin_prefetch(e.text + e.name_size);
  }

  // The entries in stored order, by value.
  class entry_list {
   public:
    using const_iterator = indexed_iterator<var_table>;

    explicit entry_list(const var_table& table) : table_(&table) {}
    [[nodiscard]] std::size_t size() const noexcept { return table_->size(); }
    [[nodiscard]] bool empty() const noexcept { return size() == 0; }
    [[nodiscard]] var_entry operator[](std::size_t i) const noexcept { return table_->entry(i); }
    [[nodiscard]] const_iterator begin() const noexcept { return {table_, 0}; }
    [[nodiscard]] const_iterator end() const noexcept { return {table_, size()}; }

   private:
    const var_table* table_;
  };
  [[nodiscard]] entry_list entries() const noexcept { return entry_list(*this); }

 private:
  static long_sizes sizes_of(const stored_entry& e) noexcept {
    if (e.name_size != long_sizes_mark) return {e.name_size, e.value_size, e.value_room};
    long_sizes s;
    std::memcpy(&s, e.text - sizeof s, sizeof s);
    return s;
  }
  void place(stored_entry& e, std::string_view name, std::size_t room);
  void keep_value(stored_entry& e, std::string_view value);
  std::uint32_t keep_section(std::string_view section);

  // Grows without moving what it holds: no moment holds the table twice.
  chunked_array<stored_entry> entries_;
  name_index index_;
  // Each section name is kept once, however many entries carry it.
  std::vector<std::string_view> sections_;
  name_index section_index_;
  std::size_t last_section_ = 0;
  std::size_t shared_prefix_ = 0;
  string_arena strings_;
};

}  // namespace inipick
