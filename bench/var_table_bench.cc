// SPDX-License-Identifier: BSD-2-Clause
// The variable table: inserting distinct names must cost the same per name
// at a million names as at a thousand, and replacing must not depend on
// the table's size.
#include <malloc.h>

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "cli/listing.h"
#include "vars/var_table.h"

namespace {

// Keep freed heap pages: otherwise every new table pays the kernel again for
// the pages the last one gave back, and small tables measure page faults
// rather than the table. A run of the program faults each page once, which
// the whole-process figures of bench/run.sh include.
const bool heap_kept = [] {
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  return true;
}();

std::vector<std::string> make_names(std::size_t count) {
  std::vector<std::string> names;
  names.reserve(count);
  char text[32];
  for (std::size_t i = 0; i < count; ++i) {
    std::snprintf(text, sizeof text, "wide-%07zu", (i * 7919) % count);
    names.emplace_back(text);
  }
  return names;
}

void BM_InsertDistinct(benchmark::State& state) {
  const std::vector<std::string> names = make_names(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    inipick::var_table table;
    for (const std::string& name : names) table.insert_or_replace(name, "value", true);
    benchmark::DoNotOptimize(table);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * names.size()));
}

// Every name defined again: the lookup path, in a table of range(0) names.
void BM_ReplaceExisting(benchmark::State& state) {
  const std::vector<std::string> names = make_names(static_cast<std::size_t>(state.range(0)));
  inipick::var_table table;
  for (const std::string& name : names) table.insert_or_replace(name, "value", true);
  std::size_t i = 0;
  for (auto _ : state) {
    table.insert_or_replace(names[i], "other value", true);
    if (++i == names.size()) i = 0;
  }
  benchmark::DoNotOptimize(table);
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()));
}

// Sorting range(0) names for the listing, in the shuffled order that
// insertion leaves them.
void BM_SortByName(benchmark::State& state) {
  const std::vector<std::string> names = make_names(static_cast<std::size_t>(state.range(0)));
  inipick::var_table table;
  for (const std::string& name : names) table.insert_or_replace(name, "value", true);
  for (auto _ : state) {
    std::vector<inipick::name_key> sorted = inipick::sort_by_name(table);
    benchmark::DoNotOptimize(sorted.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * names.size()));
}

}  // namespace

BENCHMARK(BM_InsertDistinct)
    ->RangeMultiplier(10)
    ->Range(1000, 1000000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceExisting)->RangeMultiplier(100)->Range(100, 1000000);

BENCHMARK(BM_SortByName)
    ->RangeMultiplier(10)
    ->Range(100000, 1000000)
    ->Unit(benchmark::kMillisecond);
