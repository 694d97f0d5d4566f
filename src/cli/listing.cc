// SPDX-License-Identifier: BSD-2-Clause
// Sorting and printing the variable table.
#include "cli/listing.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <new>
#include <string_view>
#include <vector>

#include "cli/fatal_error.h"
#include "cli/run.h"
#include "cli/shell_quote.h"
#include "port/port.h"

namespace inipick {
namespace {

// The first sixteen bytes of a name, big-endian, decide most comparisons
// without touching the entry; zero padding sorts a name before its
// extensions, as names hold no NUL byte.
struct sort_key {
  std::uint64_t high;
  std::uint64_t low;
  const var_entry* entry;

  static std::uint64_t bytes_at(std::string_view name, std::size_t from) {
    std::uint64_t word = 0;
    for (std::size_t i = from; i < from + 8; ++i) {
      word = (word << 8) | (i < name.size() ? static_cast<unsigned char>(name[i]) : 0U);
    }
    return word;
  }

  static sort_key of(const var_entry& e) { return {bytes_at(e.name, 0), bytes_at(e.name, 8), &e}; }

  bool operator<(const sort_key& other) const {
    if (high != other.high) return high < other.high;
    if (low != other.low) return low < other.low;
    // std::string compares bytes as unsigned, as strcmp does.
    return entry->name < other.entry->name;
  }
};

// One thread writes: the locking stdio calls would only cost time.
void put(std::FILE* out, std::string_view text) {
  port::write_unlocked(text.data(), text.size(), out);
}

void print_entry(run& r, const var_entry& e) {
  const settings& s = r.settings;
  if (s.show_name) {
    put(r.out, s.prefix);
    // A name comes from the file: under -S it must not reach the shell raw.
    if (s.shell_quote && !shell_safe_name(e.name)) {
      shell_quote(r.out, e.name);
    } else {
      put(r.out, e.name);
    }
    put(r.out, s.postfix);
    putc_unlocked('=', r.out);
  }
  if (s.shell_quote) {
    shell_quote(r.out, e.value);
  } else {
    put(r.out, e.value);
  }
  putc_unlocked('\n', r.out);
}

}  // namespace

int print_listing(run& r) {
  const auto& entries = r.vars.entries();
  if (r.settings.check_only) {
    const bool found =
        std::any_of(entries.begin(), entries.end(), [](const var_entry& e) { return e.display; });
    return found ? 0 : 1;
  }
  std::vector<sort_key> sorted;
  try {
    sorted.reserve(entries.size());
  } catch (const std::bad_alloc&) {
    fail_out_of_memory("Could not allocate memory");
  }
  for (const var_entry& e : entries) sorted.push_back(sort_key::of(e));
  std::sort(sorted.begin(), sorted.end());
  // In sorted order the entries and their strings are read at random: ask
  // for them some entries ahead, so that the misses overlap.
  constexpr std::size_t ahead = 16;
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    if (i + ahead < sorted.size()) __builtin_prefetch(sorted[i + ahead].entry);
    if (i + ahead / 2 < sorted.size()) {
      const var_entry& soon = *sorted[i + ahead / 2].entry;
      __builtin_prefetch(soon.name.data());
      __builtin_prefetch(soon.value.data());
    }
    if (sorted[i].entry->display) print_entry(r, *sorted[i].entry);
  }
  return 0;
}

}  // namespace inipick
