// SPDX-License-Identifier: BSD-2-Clause
// -x: PCRE2 searches for names and values, compile errors before any input
// is opened, and UTF-8 mode under a UTF-8 locale.
#include "e2e_case.h"

namespace inipick::e2e {
namespace {

const std::vector<input_file> rx_ini = {
    {.name = "rx.ini", .content = "[s]\nabc = 1\nb = 2\na.c = 3\nXb = 4\nempty =\nab = (a)\n"}};

// inipick -x -f rx.ini -s s <args>.
e2e_case rx(const std::string& name, const words& args, const std::string& out) {
  return prints(name, "-x -f rx.ini -s s" + args, out, rx_ini);
}

INIPICK_E2E_CASES(RegexSearch) = {
    rx("NameSearchIsUnanchored", "-L b", "Xb=4\nab=(a)\nabc=1\nb=2\n"),
    rx("AnchorsMakeWholeNameMatch", "-L ^b$", "b=2\n"),
    rx("EmptyExpressionSelectsEveryName", {"-L", ""}, "Xb=4\na.c=3\nab=(a)\nabc=1\nb=2\nempty=\n"),
    rx("EmptyValueExpressionPassesEmptyValue", {"-m", "", "empty"}, "\n"),
    rx("AnchoredEmptyValue", "-m ^$ -l", "empty=\n"),
    rx("ValueSearch", "-m [0-9] -l", "Xb=4\na.c=3\nabc=1\nb=2\n"),
    rx("ExpressionIsCaseSensitive", "-L ^x", ""),
    rx("NamesWithoutPatternFlagCompareExactly", "a.c", "3\n"),
    rx("ListAllNeedsNoPatterns", "-m \\( -l", "ab=(a)\n"),
    rx("CapturingGroupsInNamePatterns", "-L (a)(b) (X)", "Xb=4\nab=(a)\nabc=1\n"),
    rx("GroupThatIsNotSetInValuePattern", "-m (1)|(2) -l", "abc=1\nb=2\n"),
};

const std::string bad_value = "Invalid match value: ";
const std::string bad_pattern = "Invalid match pattern: ";
const std::string no_paren = bad_pattern + "missing closing parenthesis";

INIPICK_E2E_CASES(RegexCompile) = {
    fails("ValueExpressionError", "-x -m [ -f nope.ini a",
          bad_value + "missing terminating ] for character class"),
    fails("PatternExpressionError", "-x -f nope.ini -L (", no_paren),
    fails("ValueErrorReportedFirst", "-x -m * -f nope.ini -L (",
          bad_value + "quantifier does not follow a repeatable item"),
    fails("LaterPatternError", "-x -f nope.ini -L ok a{2,1}",
          bad_pattern + "numbers out of order in {} quantifier"),
    fails("PlainNamesAreCompiledToo", "-x -f nope.ini a(", no_paren),
    fails("TrailingBackslash", "-x -m a\\ -f nope.ini a", bad_value + "\\ at end of pattern"),
    fails("CompiledBeforeFileNameIsMissed", "-x a)", bad_pattern + "unmatched closing parenthesis"),
    fails("NameFlagsCheckedBeforeCompiling", "-x -N -n a(",
          "The -N and -n flags may not be used together"),
    prints("SameNameFineWithoutRegexMode", "-f rx.ini -s s a(", "", rx_ini),
};

const std::vector<input_file> bad_utf8_ini = {
    {.name = "u.ini",
     .content = "[s]\nok = fine\nbad = \xff\xfe\ncut = caf\xc3\n\xc3( = name\nacute = \xc3\xa9\n"}};

// inipick -x -f u.ini -s s <args>, printing out or failing with message.
e2e_case on_u(const std::string& name, const words& args, const std::string& out) {
  return prints(name, "-x -f u.ini -s s" + args, out, bad_utf8_ini);
}
e2e_case fails_on_u(const std::string& name, const words& args, const std::string& message) {
  return fails(name, "-x -f u.ini -s s" + args, message, bad_utf8_ini);
}
const std::string illegal_byte = "UTF-8 error: illegal byte (0xfe or 0xff)";
std::string cannot_match(const std::string& subject, const std::string& pattern,
                         const std::string& why) {
  return "Could not match '" + subject + "' against the '" + pattern + "' pattern: " + why;
}

INIPICK_E2E_CASES(RegexUtf8) = {
    in_utf8(fails_on_u("InvalidValueIsMatchError", "-m . bad",
                       cannot_match("\xff\xfe", ".", illegal_byte))),
    in_utf8(fails_on_u("TruncatedValueIsMatchError", "-m z|. ok cut",
                       cannot_match("caf\xc3", "z|.", "UTF-8 error: 1 byte missing at end"))),
    in_utf8(fails_on_u("InvalidNameIsMatchError", "-L ^c",
                       cannot_match("\xc3(", "^c", "UTF-8 error: byte 2 top bits not 0x80"))),
    on_u("InvalidBytesMatchInCLocale", "-m . -l",
         "acute=\xc3\xa9\nbad=\xff\xfe\ncut=caf\xc3\nok=fine\n\xc3(=name\n"),
    in_utf8(on_u("DotIsOneCharacterInUtf8Locale", "-m ^.$ acute", "\xc3\xa9\n")),
    on_u("DotIsOneByteInCLocale", "-m ^.$ acute", ""),
    with_env({"LANG=C.UTF-8"}, on_u("LocaleFromLang", "-m ^.$ acute", "\xc3\xa9\n")),
    with_env({"LC_CTYPE=C.UTF-8"}, on_u("LocaleFromCtype", "-m ^.$ acute", "\xc3\xa9\n")),
    with_env({"LANG=C.UTF-8", "LC_ALL=C"}, on_u("LcAllOverridesLang", "-m ^.$ acute", "")),
    unknown_locale({}, "\xc3\xa9\n", on_u("NoLocaleNamed", "-m ^.$ acute", "")),
    unknown_locale({"LC_ALL=C.UFT-8"}, "\xc3\xa9\n", on_u("MisspeltLocale", "-m ^.$ acute", "")),
    unknown_locale({"LANG=xx_YY"}, "\xc3\xa9\n", on_u("UnknownLocale", "-m ^.$ acute", "")),
    in_utf8(on_u("ExactNamesNeverMatchedAgainstExpressions", "ok acute",
                 "acute=\xc3\xa9\nok=fine\n")),
    in_utf8(fails_on_u("InvalidPatternFailsCompilation", "-L \xff", bad_pattern + illegal_byte)),
    on_u("SamePatternCompilesInCLocale", "-m \xff -l", "bad=\xff\xfe\n"),
};

// The expression that would blow PCRE2's match limit is only reached when the
// patterns ahead of it do not select the name.
const std::vector<input_file> backtrack_ini = {
    {.name = "bt.ini", .content = "[s]\naaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaab = 1\n"}};

INIPICK_E2E_CASES(RegexMatchOrder) = {
    prints("FirstSelectingPatternEndsTheTrying", "-x -f bt.ini -s s -L b$ (a+)+$",
           "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaab=1\n", backtrack_ini),
    // The pattern lowers PCRE2's limit of ten million steps to a thousand:
    // the case then takes no time, however slow or busy the machine.
    fails("MatchLimitIsMatchError", "-x -f bt.ini -s s -L (*LIMIT_MATCH=1000)(a+)+$ b$",
          cannot_match("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "(*LIMIT_MATCH=1000)(a+)+$",
                       "match limit exceeded"),
          backtrack_ini),
};

// Every step of "(a|b)*" keeps a frame, and a thousand groups make each
// frame kilobytes: 20,000 bytes need more than the heap a match may take,
// whatever the width of a pointer.
const std::string heavy_pattern = [] {
  std::string p = "^(a|b)*$";
  for (int i = 0; i < 1000; ++i) p += "()";
  return p;
}();
const std::string heavy_value(20000, 'a');

INIPICK_E2E_CASES(RegexLimits) = {
    fails("HeapCapIsMatchError", {"-x", "-m", heavy_pattern, "-f", "h.ini", "-s", "s", "k"},
          cannot_match(heavy_value, heavy_pattern, "heap limit exceeded"),
          {{.name = "h.ini", .content = "[s]\nk = " + heavy_value + "\n"}}),
    prints("ShortSubjectFitsUnderTheCap",
           {"-x", "-m", heavy_pattern, "-f", "h.ini", "-s", "s", "k"}, "aaaa\n",
           {{.name = "h.ini", .content = "[s]\nk = aaaa\n"}}),
};

}  // namespace
}  // namespace inipick::e2e
