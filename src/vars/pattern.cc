// SPDX-License-Identifier: BSD-2-Clause
// PCRE2 behind pattern_compile, pattern_match and pattern_library_version.
#include "vars/pattern.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <string>
#include <type_traits>

#include "base/fatal_error.h"

static_assert(std::is_same_v<pcre2_code_8, pcre2_real_code_8>);
static_assert(std::is_same_v<pcre2_match_data_8, pcre2_real_match_data_8>);
static_assert(std::is_same_v<pcre2_match_context_8, pcre2_real_match_context_8>);

namespace inipick {
namespace {

// PCRE2 cuts longer texts to fit.
constexpr std::size_t error_text_size = 256;

std::string pcre2_error_text(int code) {
  PCRE2_UCHAR8 buffer[error_text_size];
  if (pcre2_get_error_message_8(code, buffer, sizeof buffer) < 0 && buffer[0] == '\0') {
    return "unknown error " + std::to_string(code);
  }
  return reinterpret_cast<const char*>(buffer);
}

}  // namespace

void pattern_code_deleter::operator()(pcre2_real_code_8* code) const noexcept {
  pcre2_code_free_8(code);
}

void match_data_deleter::operator()(pcre2_real_match_data_8* data) const noexcept {
  pcre2_match_data_free_8(data);
}

void match_context_deleter::operator()(pcre2_real_match_context_8* context) const noexcept {
  pcre2_match_context_free_8(context);
}

pcre2_real_match_context_8* match_data_cache::context() {
  if (!context_) {
    context_.reset(pcre2_match_context_create_8(nullptr));
    if (!context_) fail_out_of_memory("Could not allocate memory");
    pcre2_set_heap_limit_8(context_.get(), match_heap_limit_kib);
  }
  return context_.get();
}

pcre2_real_match_data_8* match_data_cache::get() {
  if (!data_) {
    data_.reset(pcre2_match_data_create_8(1, nullptr));
    if (!data_) fail_out_of_memory("Could not allocate memory");
  }
  return data_.get();
}

void pattern_compile(const char* text, compiled_pattern& slot, const char* label, bool utf) {
  int error_code = 0;
  PCRE2_SIZE error_offset = 0;
  pcre2_code_8* code = pcre2_compile_8(reinterpret_cast<PCRE2_SPTR8>(text), PCRE2_ZERO_TERMINATED,
                                       utf ? PCRE2_UTF : 0, &error_code, &error_offset, nullptr);
  if (code == nullptr) {
    fail(std::string("Invalid match ") + label + ": " + pcre2_error_text(error_code));
  }
  slot.reset(code);
}

bool pattern_match(match_data_cache& cache, const compiled_pattern& pattern,
                   std::string_view subject, const char* pattern_text) {
  const int result = pcre2_match_8(pattern.get(), reinterpret_cast<PCRE2_SPTR8>(subject.data()),
                                   subject.size(), 0, 0, cache.get(), cache.context());
  // 0 is a match whose groups did not fit the block, which wants none.
  if (result >= 0) return true;
  if (result == PCRE2_ERROR_NOMATCH) return false;
  fail("Could not match '" + std::string(subject) + "' against the '" + pattern_text +
       "' pattern: " + pcre2_error_text(result));
}

std::string pattern_library_version() {
  // The library's own text, e.g. "10.42 2022-12-11": the version, then the date.
  const int size = pcre2_config_8(PCRE2_CONFIG_VERSION, nullptr);
  std::string text(size > 0 ? static_cast<std::size_t>(size) : 1, '\0');
  pcre2_config_8(PCRE2_CONFIG_VERSION, text.data());
  return text.substr(0, text.find_first_of(std::string_view(" \0", 2)));
}

}  // namespace inipick
