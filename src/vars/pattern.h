// SPDX-License-Identifier: BSD-2-Clause
// Regular expressions for -x: the program's only contact with PCRE2.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// PCRE2's own 8-bit types; only pattern.cc sees their definitions.
struct pcre2_real_code_8;
struct pcre2_real_match_data_8;
struct pcre2_real_match_context_8;

namespace inipick {

struct pattern_code_deleter {
  void operator()(pcre2_real_code_8* code) const noexcept;
};
struct match_data_deleter {
  void operator()(pcre2_real_match_data_8* data) const noexcept;
};
struct match_context_deleter {
  void operator()(pcre2_real_match_context_8* context) const noexcept;
};

using compiled_pattern = std::unique_ptr<pcre2_real_code_8, pattern_code_deleter>;

// The most heap one match may take, in KiB: PCRE2 would take up to 20 GB,
// so one value could take the machine's memory. The cap holds because
// nothing is JIT-compiled: PCRE2 ignores the heap limit in JIT matches.
// PCRE2 keeps the heap of the largest match so far in the match data for
// the next one, so up to this much stays taken until the run ends.
constexpr std::uint32_t match_heap_limit_kib = 64 * 1024;

// One match data block shared by every match of a run, with room for a
// single offset pair: a yes/no answer wants no captured substrings. Beside
// it, the match context that caps the heap of every match.
class match_data_cache {
 public:
  [[nodiscard]] pcre2_real_match_data_8* get();
  [[nodiscard]] pcre2_real_match_context_8* context();

 private:
  std::unique_ptr<pcre2_real_match_data_8, match_data_deleter> data_;
  std::unique_ptr<pcre2_real_match_context_8, match_context_deleter> context_;
};

// Compiles text into slot, in UTF mode when utf is set. Fails with
// "Invalid match <label>: <PCRE2's text>".
void pattern_compile(const char* text, compiled_pattern& slot, const char* label, bool utf);

// Searches subject for pattern (unanchored). Fails with "Could not match
// '<subject>' against the '<pattern_text>' pattern: <PCRE2's text>" on any
// matching error, an invalid UTF-8 subject in UTF mode included.
bool pattern_match(match_data_cache& cache, const compiled_pattern& pattern,
                   std::string_view subject, const char* pattern_text);

// The version of the PCRE2 library the program runs with, e.g. "10.42".
std::string pattern_library_version();

}  // namespace inipick
