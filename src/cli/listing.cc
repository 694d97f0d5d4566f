// SPDX-License-Identifier: BSD-2-Clause
// Sorting and printing the variable table.
// Reference: std::sort of the names as strings.
// Tested by: tests/cli/listing_test.cc.
#include "cli/listing.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <new>
#include <string>
#include <string_view>
#include <vector>

#include "base/fatal_error.h"
#include "cli/run.h"
#include "cli/shell_quote.h"

namespace inipick {
namespace {

// Sorting is a most-significant-byte-first radix sort on eight-byte keys,
// in place. A range whose keys all agree reloads them from the names eight
// bytes further on; only small ranges compare names.
constexpr std::size_t key_bytes = 8;
constexpr std::size_t small_range = 24;

std::uint64_t key_of(const name_key& k) noexcept { return (std::uint64_t{k.high} << 32) | k.low; }

// Zero padding sorts a name before its extensions, as names hold no NUL
// byte.
name_key key_at(std::string_view name, std::size_t depth, std::uint32_t entry) noexcept {
  const std::size_t end = std::min(name.size(), depth + key_bytes);
  std::uint64_t word = 0;
  std::size_t taken = 0;
  for (std::size_t i = depth; i < end; ++i, ++taken) {
    word = (word << 8) | static_cast<unsigned char>(name[i]);
  }
  if (taken < key_bytes) word = taken == 0 ? 0 : word << (8 * (key_bytes - taken));
  return {static_cast<std::uint32_t>(word >> 32), static_cast<std::uint32_t>(word), entry};
}

// Bits set where some key differs from the first.
std::uint64_t differing_bits(const name_key* keys, std::size_t n) noexcept {
  const std::uint64_t first = key_of(keys[0]);
  std::uint64_t diff = 0;
  for (std::size_t i = 1; i < n; ++i) diff |= key_of(keys[i]) ^ first;
  return diff;
}

// In sorted order the entries and their strings are read at random: ask for
// them some entries ahead, so that the misses overlap.
constexpr std::size_t ahead = 16;

template <typename Key, typename Visit>
void visit_prefetched(const var_table& vars, Key* keys, std::size_t n, Visit visit) {
  for (std::size_t i = 0; i < n; ++i) {
    if (i + ahead < n) vars.prefetch_entry(keys[i + ahead].entry);
    if (i + ahead / 2 < n) vars.prefetch_strings(keys[i + ahead / 2].entry);
    visit(keys[i]);
  }
}

// The keys' order is not the table's: their names are read at random.
void reload_keys(const var_table& vars, name_key* keys, std::size_t n, std::size_t depth) {
  visit_prefetched(vars, keys, n,
                   [&vars, depth](name_key& k) { k = key_at(vars.name(k.entry), depth, k.entry); });
}

// Keys hold the names' bytes from depth on; equal keys leave the rest to
// the names.
void insertion_sort(const var_table& vars, name_key* keys, std::size_t n, std::size_t depth) {
  const auto less = [&vars, depth](const name_key& a, const name_key& b) {
    if (key_of(a) != key_of(b)) return key_of(a) < key_of(b);
    const std::string_view x = vars.name(a.entry);
    const std::string_view y = vars.name(b.entry);
    const std::size_t rest = depth + key_bytes;
    // std::string_view compares bytes as unsigned, as strcmp does.
    return x.substr(std::min(rest, x.size())) < y.substr(std::min(rest, y.size()));
  };
  for (std::size_t i = 1; i < n; ++i) {
    const name_key k = keys[i];
    std::size_t j = i;
    for (; j > 0 && less(k, keys[j - 1]); --j) keys[j] = keys[j - 1];
    keys[j] = k;
  }
}

// Sorts keys that agree on all bytes of the names before depth. Recurses
// into the smaller buckets only and loops on the largest, so the stack stays
// shallow whatever the names.
void radix_sort(const var_table& vars, name_key* keys, std::size_t n, std::size_t depth) {
  while (n >= small_range) {
    const std::uint64_t diff = differing_bits(keys, n);
    if (diff == 0) {
      // Every name ended inside the key, at the same byte: they would be
      // equal, which no table holds.
      if ((key_of(keys[0]) & 0xFF) == 0) return;
      depth += key_bytes;
      reload_keys(vars, keys, n, depth);
      continue;
    }
    const int shift = 56 - std::countl_zero(diff) / 8 * 8;
    const auto byte_of = [shift](const name_key& k) {
      return static_cast<unsigned>(key_of(k) >> shift) & 0xFFU;
    };
    std::array<std::size_t, 256> count{};
    for (std::size_t i = 0; i < n; ++i) ++count[byte_of(keys[i])];
    std::array<std::size_t, 256> next{};
    std::array<std::size_t, 256> end{};
    std::size_t at = 0;
    for (std::size_t b = 0; b < 256; ++b) {
      next[b] = at;
      at += count[b];
      end[b] = at;
    }
    // Each key goes straight to its bucket, swapping out the key there.
    for (std::size_t b = 0; b < 256; ++b) {
      while (next[b] < end[b]) {
        name_key k = keys[next[b]];
        for (unsigned kb = byte_of(k); kb != b; kb = byte_of(k)) std::swap(k, keys[next[kb]++]);
        keys[next[b]++] = k;
      }
    }
    std::size_t largest = 0;
    for (std::size_t b = 1; b < 256; ++b) {
      if (count[b] > count[largest]) largest = b;
    }
    for (std::size_t b = 0; b < 256; ++b) {
      if (b != largest && count[b] > 1) {
        radix_sort(vars, keys + end[b] - count[b], count[b], depth);
      }
    }
    keys += end[largest] - count[largest];
    n = count[largest];
  }
  insertion_sort(vars, keys, n, depth);
}

}  // namespace

std::vector<name_key> sort_by_name(const var_table& vars) {
  const std::size_t count = vars.size();
  std::vector<name_key> keys;
  try {
    keys.reserve(count);
  } catch (const std::bad_alloc&) {
    fail_out_of_memory("Could not allocate memory");
  }
  // A prefix that all names share would make every key alike.
  const std::size_t depth = vars.shared_prefix();
  // The index numbers fewer entries than 32 bits count.
  for (std::size_t i = 0; i < count; ++i) {
    keys.push_back(key_at(vars.name(i), depth, static_cast<std::uint32_t>(i)));
  }
  radix_sort(vars, keys.data(), count, depth);
  return keys;
}

namespace {

void print_entry(run& r, std::string_view name, std::string_view value) {
  const settings& s = r.settings;
  stdio_output& out = r.printed;
  if (s.show_name) {
    out.write(s.prefix);
    out.write(name);
    out.write(s.postfix);
    out.put('=');
  }
  if (s.shell_quote) {
    shell_quote(out, value);
  } else {
    out.write(value);
  }
  out.put('\n');
}

// A name comes from the file: under -S a line that is no assignment would
// run a command of the file's choosing under eval. Checked before the first
// byte goes out, so that eval sees all or nothing.
void check_shell_names(const run& r) {
  const settings& s = r.settings;
  if (!s.shell_quote || !s.show_name) return;
  const var_table& vars = r.vars;
  for (std::size_t i = 0; i < vars.size(); ++i) {
    if (vars.display(i) && !shell_variable_name(vars.name(i), !s.prefix.empty())) {
      fail("Not a shell variable name: " + std::string(vars.name(i)));
    }
  }
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
  check_shell_names(r);
  // The sort's keys take the place of the name index.
  r.vars.stop_inserting();
  const std::vector<name_key> sorted = sort_by_name(vars);
  visit_prefetched(vars, sorted.data(), sorted.size(), [&r, &vars](const name_key& k) {
    if (vars.display(k.entry)) print_entry(r, vars.name(k.entry), vars.value(k.entry));
  });
  return 0;
}

}  // namespace inipick
