// SPDX-License-Identifier: BSD-2-Clause
// Reading locale names: the UTF-8 code set test of the POSIX systems, and
// the rule by which Windows is told its locale from the environment.
#include "port/locale.h"

#include <gtest/gtest.h>

#include <string>

namespace inipick::port {
namespace {

TEST(Locale, CodesetIsUtf8OnlyForFourSpellings) {
  const std::pair<const char*, bool> cases[] = {
      {"UTF-8", true},           {"UTF8", true},        {"utf-8", true},   {"utf8", true},
      {"Utf-8", false},          {"uTF-8", false},      {"UTF-8 ", false}, {"UTF-", false},
      {"UTF-16", false},         {"utf_8", false},      {"utf8x", false},  {"", false},
      {"ANSI_X3.4-1968", false}, {"ISO-8859-1", false},
  };
  for (const auto& [codeset, expected] : cases) {
    EXPECT_EQ(codeset_is_utf8(codeset), expected) << '"' << codeset << '"';
  }
}

struct choice_case {
  const char* lc_all;
  const char* lc_ctype;
  const char* lang;
  locale_choice expected;
};

TEST(Locale, FirstVariableSetAndNotEmptyDecides) {
  using enum locale_choice;
  const choice_case cases[] = {
      // None set, as under cmd and PowerShell: UTF-8, like the arguments.
      {nullptr, nullptr, nullptr, utf8},
      {"", "", "", utf8},
      {"", nullptr, "", utf8},
      // Code sets of UTF-8, in any case, with or without a modifier.
      {"en_US.UTF-8", nullptr, nullptr, utf8},
      {"de_DE.utf8", nullptr, nullptr, utf8},
      {"C.UTF-8", nullptr, nullptr, utf8},
      {"fr_FR.Utf-8@euro", nullptr, nullptr, utf8},
      {".UTF8", nullptr, nullptr, utf8},
      {"en_US.UTF-16", nullptr, nullptr, user_default},
      {"en_US.UTF-8x", nullptr, nullptr, user_default},
      {"en_US.UTF_8", nullptr, nullptr, user_default},
      {"UTF-8", nullptr, nullptr, user_default},
      {"en_US", nullptr, nullptr, user_default},
      {"en_US.ISO-8859-1", nullptr, nullptr, user_default},
      {"en_US@UTF-8", nullptr, nullptr, user_default},
      {"C", nullptr, nullptr, c},
      {"POSIX", nullptr, nullptr, c},
      {"c", nullptr, nullptr, user_default},
      {"C ", nullptr, nullptr, user_default},
      // Which variable: LC_ALL, then LC_CTYPE, then LANG, skipping empty ones.
      {"C", "en_US.UTF-8", "en_US.UTF-8", c},
      {"", "C", "en_US.UTF-8", c},
      {nullptr, "en_US.UTF-8", "C", utf8},
      {nullptr, nullptr, "en_US.UTF-8", utf8},
      {"", "", "POSIX", c},
      {"de_DE", "C", "en_US.UTF-8", user_default},
      {nullptr, "de_DE.UTF-8", "POSIX", utf8},
  };
  for (const choice_case& c : cases) {
    const auto show = [](const char* v) {
      return v == nullptr ? std::string("unset") : '"' + std::string(v) + '"';
    };
    EXPECT_EQ(choose_locale(c.lc_all, c.lc_ctype, c.lang), c.expected)
        << "LC_ALL " << show(c.lc_all) << ", LC_CTYPE " << show(c.lc_ctype) << ", LANG "
        << show(c.lang);
  }
}

}  // namespace
}  // namespace inipick::port
