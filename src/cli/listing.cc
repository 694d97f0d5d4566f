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
  std::uint32_t entry;  // its position in the table

  static std::uint64_t bytes_at(std::string_view name, std::size_t from) {
    std::uint64_t word = 0;
    for (std::size_t i = from; i < from + 8; ++i) {
      word = (word << 8) | (i < name.size() ? static_cast<unsigned char>(name[i]) : 0U);
    }
    return word;
  }
};

// One thread writes: the locking stdio calls would only cost time.
void put(std::FILE* out, std::string_view text) {
  port::write_unlocked(text.data(), text.size(), out);
}

void print_entry(run& r, std::string_view name, std::string_view value) {
  const settings& s = r.settings;
  if (s.show_name) {
    put(r.out, s.prefix);
    // A name comes from the file: under -S it must not reach the shell raw.
    if (s.shell_quote && !shell_safe_name(name)) {
      shell_quote(r.out, name);
    } else {
      put(r.out, name);
    }
    put(r.out, s.postfix);
    putc_unlocked('=', r.out);
  }
  if (s.shell_quote) {
    shell_quote(r.out, value);
  } else {
    put(r.out, value);
  }
  putc_unlocked('\n', r.out);
}

}  // namespace

int print_listing(run& r) {
  const var_table& vars = r.vars;
  const std::size_t count = vars.size();
  if (r.settings.check_only) {
    for (std::size_t i = 0; i < count; ++i) {
      if (vars.display(i)) return 0;
    }
    return 1;
  }
  std::vector<sort_key> sorted;
  try {
    sorted.reserve(count);
  } catch (const std::bad_alloc&) {
    fail_out_of_memory("Could not allocate memory");
  }
  // The index numbers fewer entries than 32 bits count.
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view name = vars.name(i);
    sorted.push_back(
        {sort_key::bytes_at(name, 0), sort_key::bytes_at(name, 8), static_cast<std::uint32_t>(i)});
  }
  std::sort(sorted.begin(), sorted.end(), [&vars](const sort_key& a, const sort_key& b) {
    if (a.high != b.high) return a.high < b.high;
    if (a.low != b.low) return a.low < b.low;
    // std::string_view compares bytes as unsigned, as strcmp does.
    return vars.name(a.entry) < vars.name(b.entry);
  });
  // In sorted order the entries and their strings are read at random: ask
  // for them some entries ahead, so that the misses overlap.
  constexpr std::size_t ahead = 16;
  for (std::size_t i = 0; i < sorted.size(); ++i) {
    if (i + ahead < sorted.size()) vars.prefetch_entry(sorted[i + ahead].entry);
    if (i + ahead / 2 < sorted.size()) vars.prefetch_strings(sorted[i + ahead / 2].entry);
    const std::uint32_t e = sorted[i].entry;
    if (vars.display(e)) print_entry(r, vars.name(e), vars.value(e));
  }
  return 0;
}

}  // namespace inipick
