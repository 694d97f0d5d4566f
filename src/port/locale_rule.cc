// SPDX-License-Identifier: BSD-2-Clause
// The rule by which Windows is told its locale from the environment.
#include <string_view>

#include "port/locale.h"

namespace inipick::port {
namespace {

// ASCII only: the answer must not depend on the locale being chosen.
bool same_ignoring_case(std::string_view a, std::string_view b) noexcept {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

}  // namespace

locale_choice choose_locale(const char* lc_all, const char* lc_ctype, const char* lang) noexcept {
  const char* chosen = nullptr;
  for (const char* value : {lc_all, lc_ctype, lang}) {
    if (value != nullptr && *value != '\0') {
      chosen = value;
      break;
    }
  }
  // cmd and PowerShell set none: the arguments' UTF-8, not the ANSI code page.
  if (chosen == nullptr) return locale_choice::utf8;
  const std::string_view name(chosen);
  if (name == "C" || name == "POSIX") return locale_choice::c;
  // language_TERRITORY.codeset@modifier
  const std::size_t dot = name.find('.');
  if (dot == std::string_view::npos) return locale_choice::user_default;
  std::string_view codeset = name.substr(dot + 1);
  codeset = codeset.substr(0, codeset.find('@'));
  if (same_ignoring_case(codeset, "UTF-8") || same_ignoring_case(codeset, "UTF8")) {
    return locale_choice::utf8;
  }
  return locale_choice::user_default;
}

}  // namespace inipick::port
