// -x: PCRE2 searches for names and values, compile errors before any input
// is opened, and UTF-8 mode under a UTF-8 locale.
#include <string>
#include <vector>

#include "e2e_case.h"

namespace inipick::e2e {
namespace {

const input_file rx_ini{.name = "rx.ini",
                        .content =
                            "[s]\n"
                            "abc = 1\n"
                            "b = 2\n"
                            "a.c = 3\n"
                            "Xb = 4\n"
                            "empty =\n"
                            "ab = (a)\n"};

e2e_case rx(std::string name, std::vector<std::string> args, std::string out) {
  std::vector<std::string> all{"-x", "-f", "rx.ini", "-s", "s"};
  all.insert(all.end(), args.begin(), args.end());
  return {
      .name = std::move(name), .args = std::move(all), .files = {rx_ini}, .out = std::move(out)};
}

e2e_case rx_error(std::string name, std::vector<std::string> args, std::string err) {
  return {.name = std::move(name),
          .args = std::move(args),
          .err = "inipick: " + err + "\n",
          .status = 1};
}

const std::vector<e2e_case> search_cases = {
    rx("NameSearchIsUnanchored", {"-L", "b"}, "Xb=4\nab=(a)\nabc=1\nb=2\n"),
    rx("AnchorsMakeWholeNameMatch", {"-L", "^b$"}, "b=2\n"),
    rx("EmptyExpressionSelectsEveryName", {"-L", ""}, "Xb=4\na.c=3\nab=(a)\nabc=1\nb=2\nempty=\n"),
    rx("EmptyValueExpressionPassesEmptyValue", {"-m", "", "empty"}, "\n"),
    rx("AnchoredEmptyValue", {"-m", "^$", "-l"}, "empty=\n"),
    rx("ValueSearch", {"-m", "[0-9]", "-l"}, "Xb=4\na.c=3\nabc=1\nb=2\n"),
    rx("ExpressionIsCaseSensitive", {"-L", "^x"}, ""),
    rx("NamesWithoutPatternFlagCompareExactly", {"a.c"}, "3\n"),
    rx("ListAllNeedsNoPatterns", {"-m", "\\(", "-l"}, "ab=(a)\n"),
    rx("CapturingGroupsInNamePatterns", {"-L", "(a)(b)", "(X)"}, "Xb=4\nab=(a)\nabc=1\n"),
    rx("GroupThatIsNotSetInValuePattern", {"-m", "(1)|(2)", "-l"}, "abc=1\nb=2\n"),
};
INIPICK_E2E_CASES(RegexSearch, search_cases);

const std::vector<e2e_case> compile_cases = {
    rx_error("ValueExpressionError", {"-x", "-m", "[", "-f", "nope.ini", "a"},
             "Invalid match value: missing terminating ] for character class"),
    rx_error("PatternExpressionError", {"-x", "-f", "nope.ini", "-L", "("},
             "Invalid match pattern: missing closing parenthesis"),
    rx_error("ValueErrorReportedFirst", {"-x", "-m", "*", "-f", "nope.ini", "-L", "("},
             "Invalid match value: quantifier does not follow a repeatable item"),
    rx_error("LaterPatternError", {"-x", "-f", "nope.ini", "-L", "ok", "a{2,1}"},
             "Invalid match pattern: numbers out of order in {} quantifier"),
    rx_error("PlainNamesAreCompiledToo", {"-x", "-f", "nope.ini", "a("},
             "Invalid match pattern: missing closing parenthesis"),
    rx_error("TrailingBackslash", {"-x", "-m", "a\\", "-f", "nope.ini", "a"},
             "Invalid match value: \\ at end of pattern"),
    rx_error("CompiledBeforeFileNameIsMissed", {"-x", "a)"},
             "Invalid match pattern: unmatched closing parenthesis"),
    rx_error("NameFlagsCheckedBeforeCompiling", {"-x", "-N", "-n", "a("},
             "The -N and -n flags may not be used together"),
    {.name = "SameNameFineWithoutRegexMode",
     .args = {"-f", "rx.ini", "-s", "s", "a("},
     .files = {rx_ini}},
};
INIPICK_E2E_CASES(RegexCompile, compile_cases);

const input_file bad_utf8_ini{.name = "u.ini",
                              .content =
                                  "[s]\n"
                                  "ok = fine\n"
                                  "bad = \xff\xfe\n"
                                  "cut = caf\xc3\n"
                                  "\xc3( = name\n"
                                  "acute = \xc3\xa9\n"};

const std::vector<std::string> utf8_env = {"LC_ALL=C.UTF-8"};

const std::vector<e2e_case> utf8_cases = {
    {.name = "InvalidValueIsMatchError",
     .args = {"-x", "-f", "u.ini", "-s", "s", "-m", ".", "bad"},
     .files = {bad_utf8_ini},
     .env = utf8_env,
     .err = "inipick: Could not match '\xff\xfe' against the '.' pattern: "
            "UTF-8 error: illegal byte (0xfe or 0xff)\n",
     .status = 1},
    {.name = "TruncatedValueIsMatchError",
     .args = {"-x", "-f", "u.ini", "-s", "s", "-m", "z|.", "ok", "cut"},
     .files = {bad_utf8_ini},
     .env = utf8_env,
     .err = "inipick: Could not match 'caf\xc3' against the 'z|.' pattern: "
            "UTF-8 error: 1 byte missing at end\n",
     .status = 1},
    {.name = "InvalidNameIsMatchError",
     .args = {"-x", "-f", "u.ini", "-s", "s", "-L", "^c"},
     .files = {bad_utf8_ini},
     .env = utf8_env,
     .err = "inipick: Could not match '\xc3(' against the '^c' pattern: "
            "UTF-8 error: byte 2 top bits not 0x80\n",
     .status = 1},
    {.name = "InvalidBytesMatchInCLocale",
     .args = {"-x", "-f", "u.ini", "-s", "s", "-m", ".", "-l"},
     .files = {bad_utf8_ini},
     .out = "acute=\xc3\xa9\nbad=\xff\xfe\ncut=caf\xc3\nok=fine\n\xc3(=name\n"},
    {.name = "DotIsOneCharacterInUtf8Locale",
     .args = {"-x", "-f", "u.ini", "-s", "s", "-m", "^.$", "acute"},
     .files = {bad_utf8_ini},
     .env = utf8_env,
     .out = "\xc3\xa9\n"},
    {.name = "DotIsOneByteInCLocale",
     .args = {"-x", "-f", "u.ini", "-s", "s", "-m", "^.$", "acute"},
     .files = {bad_utf8_ini}},
    {.name = "LocaleFromLang",
     .args = {"-x", "-f", "u.ini", "-s", "s", "-m", "^.$", "acute"},
     .files = {bad_utf8_ini},
     .env = {"LANG=C.UTF-8"},
     .out = "\xc3\xa9\n"},
    {.name = "LocaleFromCtype",
     .args = {"-x", "-f", "u.ini", "-s", "s", "-m", "^.$", "acute"},
     .files = {bad_utf8_ini},
     .env = {"LC_CTYPE=C.UTF-8"},
     .out = "\xc3\xa9\n"},
    {.name = "LcAllOverridesLang",
     .args = {"-x", "-f", "u.ini", "-s", "s", "-m", "^.$", "acute"},
     .files = {bad_utf8_ini},
     .env = {"LANG=C.UTF-8", "LC_ALL=C"}},
    {.name = "ExactNamesNeverMatchedAgainstExpressions",
     .args = {"-x", "-f", "u.ini", "-s", "s", "ok", "acute"},
     .files = {bad_utf8_ini},
     .env = utf8_env,
     .out = "acute=\xc3\xa9\nok=fine\n"},
    {.name = "InvalidPatternFailsCompilation",
     .args = {"-x", "-f", "u.ini", "-s", "s", "-L", "\xff"},
     .files = {bad_utf8_ini},
     .env = utf8_env,
     .err = "inipick: Invalid match pattern: UTF-8 error: illegal byte (0xfe or 0xff)\n",
     .status = 1},
    {.name = "SamePatternCompilesInCLocale",
     .args = {"-x", "-f", "u.ini", "-s", "s", "-m", "\xff", "-l"},
     .files = {bad_utf8_ini},
     .out = "bad=\xff\xfe\n"},
};
INIPICK_E2E_CASES(RegexUtf8, utf8_cases);

// The expression that would blow PCRE2's match limit is only reached when the
// patterns ahead of it do not select the name.
const input_file backtrack_ini{.name = "bt.ini",
                               .content = "[s]\naaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaab = 1\n"};

const std::vector<e2e_case> match_order_cases = {
    {.name = "FirstSelectingPatternEndsTheTrying",
     .args = {"-x", "-f", "bt.ini", "-s", "s", "-L", "b$", "(a+)+$"},
     .files = {backtrack_ini},
     .out = "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaab=1\n"},
    {.name = "MatchLimitIsMatchError",
     .args = {"-x", "-f", "bt.ini", "-s", "s", "-L", "(a+)+$", "b$"},
     .files = {backtrack_ini},
     .err = "inipick: Could not match 'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaab' against the '(a+)+$' "
            "pattern: match limit exceeded\n",
     .status = 1},
};
INIPICK_E2E_CASES(RegexMatchOrder, match_order_cases);

}  // namespace
}  // namespace inipick::e2e
