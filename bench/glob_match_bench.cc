// SPDX-License-Identifier: BSD-2-Clause
// The own glob matcher against the C library's fnmatch on the kind of
// globs and names the fuzzer makes, in the C locale and in C.UTF-8; and
// its time on "*a*a*...*b" against "aaa...", which must grow with pattern
// times name (fnmatch's grows exponentially with the stars); and on a run
// of "[" that a class's "]" leaves unterminated, the bracket's worst case.
#include <fnmatch.h>

#include <benchmark/benchmark.h>

#include <clocale>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "port/glob_match.h"

namespace {

const std::vector<const char*> globs = {
    "[hp]o[sr]t", "*a*",      "*b*",          "a*",    "a[b-d]*", "host",      "*",
    "*[0-9]*",    "*[!a-z]?", "[[:alpha:]]*", "db\\*", "*-c0?",   "\xc3\xa9*", "[^x]*y"};
const std::vector<const char*> names = {
    "host",      "port", "ab",       "ac\\", "b",    "alpha", "5432", "name-c04",
    "h;st",      "'q'",  "\xc3\xa9", "/x",   "$(a)", "db",    "user", "trailing-space-c09",
    "continued", "y"};

template <bool Own>
void match_all(benchmark::State& state, const char* locale) {
  if (std::setlocale(LC_ALL, locale) == nullptr) {
    state.SkipWithError("no such locale");
    return;
  }
  const bool utf8 = locale[1] != 0;
  std::size_t matched = 0;
  for (auto _ : state) {
    for (const char* glob : globs) {
      for (const char* name : names) {
        matched += Own ? inipick::port::glob_match(glob, name, utf8) : fnmatch(glob, name, 0) == 0;
      }
    }
  }
  benchmark::DoNotOptimize(matched);
  std::setlocale(LC_ALL, "C");
  state.SetItemsProcessed(
      static_cast<std::int64_t>(state.iterations() * globs.size() * names.size()));
}

void BM_GlobOwn(benchmark::State& state, const char* locale) { match_all<true>(state, locale); }
void BM_GlobFnmatch(benchmark::State& state, const char* locale) {
  match_all<false>(state, locale);
}

std::string stars(std::int64_t count) {
  std::string pattern;
  for (std::int64_t i = 0; i < count; ++i) pattern += "*a";
  return pattern + "*b";
}

// "*a" range(0) times and "*b" against range(1) letters "a": no match.
template <bool Own>
void star_run(benchmark::State& state, const std::string& pattern) {
  const std::string name(static_cast<std::size_t>(state.range(1)), 'a');
  for (auto _ : state) {
    benchmark::DoNotOptimize(Own ? inipick::port::glob_match(pattern.c_str(), name.c_str(), false)
                                 : fnmatch(pattern.c_str(), name.c_str(), 0) == 0);
  }
  state.SetComplexityN(state.range(0) * state.range(1));
}

void BM_GlobStars(benchmark::State& state) { star_run<true>(state, stars(state.range(0))); }
void BM_GlobStarsFnmatch(benchmark::State& state) { star_run<false>(state, stars(state.range(0))); }

// The matcher's worst case: one star before range(0) letters "a" and a
// "b", tried at every place of the name.
void BM_GlobOneStar(benchmark::State& state) {
  std::string pattern(static_cast<std::size_t>(state.range(0)) + 2, 'a');
  pattern.front() = '*';
  pattern.back() = 'b';
  star_run<true>(state, pattern);
}

// "*", range(0) times "[", "[:alpha:]y" against range(1) times "[": each
// "[" is unterminated, found so only after reading the run to its end.
void BM_GlobBrackets(benchmark::State& state) {
  const std::string pattern =
      "*" + std::string(static_cast<std::size_t>(state.range(0)), '[') + "[:alpha:]y";
  const std::string name(static_cast<std::size_t>(state.range(1)), '[');
  for (auto _ : state) {
    benchmark::DoNotOptimize(inipick::port::glob_match(pattern.c_str(), name.c_str(), false));
  }
  state.SetComplexityN(state.range(0) * state.range(1));
}

// Stars k against names of 8k letters, k doubling: time linear in k times
// name shows as four times the time per step.
void doubling_sizes(benchmark::internal::Benchmark* b) {
  for (int k = 8; k <= 128; k *= 2) b->Args({k, 8 * k});
  b->Complexity(benchmark::oN);
}

// A run of n "[" against 2n of them, n doubling: linear shows as four
// times the time per step, as for the stars.
void bracket_sizes(benchmark::internal::Benchmark* b) {
  for (int n = 64; n <= 1024; n *= 2) b->Args({n, 2 * n});
  b->Complexity(benchmark::oN);
}

}  // namespace

BENCHMARK_CAPTURE(BM_GlobOwn, c, "C");
BENCHMARK_CAPTURE(BM_GlobFnmatch, c, "C");
BENCHMARK_CAPTURE(BM_GlobOwn, utf8, "C.UTF-8");
BENCHMARK_CAPTURE(BM_GlobFnmatch, utf8, "C.UTF-8");
BENCHMARK(BM_GlobStars)->Apply(doubling_sizes);
BENCHMARK(BM_GlobStarsFnmatch)->Args({4, 16})->Args({6, 24})->Args({8, 32})->Args({10, 40});
BENCHMARK(BM_GlobOneStar)->Apply(doubling_sizes);
BENCHMARK(BM_GlobBrackets)->Apply(bracket_sizes);
