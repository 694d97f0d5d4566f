// Which variables a run keeps: exact names, name globs, value globs, -O,
// repeated definitions and the check mode.
#include <string>
#include <vector>

#include "e2e_case.h"

namespace inipick::e2e {
namespace {

const input_file sel_ini{.name = "sel.ini",
                         .content =
                             "[s]\n"
                             "Host = upper\n"
                             "host = lower\n"
                             "hosts = many\n"
                             ".hidden = dot\n"
                             "a/b = slash\n"
                             "a*b = star\n"
                             "ab = plain\n"
                             "port = 5432\n"
                             "empty =\n"};

// The same arguments against sel.ini, section s.
e2e_case sel(std::string name, std::vector<std::string> args, std::string out, int status = 0) {
  std::vector<std::string> all{"-f", "sel.ini", "-s", "s"};
  all.insert(all.end(), args.begin(), args.end());
  return {.name = std::move(name),
          .args = std::move(all),
          .files = {sel_ini},
          .out = std::move(out),
          .status = status};
}

const input_file utf8_ini{.name = "u.ini", .content = "[s]\n\xc3\xa9 = \xc3\xa9\nx = 1\n"};

const std::vector<e2e_case> name_cases = {
    sel("ExactNameIsCaseSensitive", {"host"}, "lower\n"),
    sel("ExactNameIsNotAGlob", {"a*b"}, "star\n"),
    sel("StarSelectsEveryName", {"-L", "*"},
        ".hidden=dot\nHost=upper\na*b=star\na/b=slash\nab=plain\nempty=\nhost=lower\n"
        "hosts=many\nport=5432\n"),
    sel("StarMatchesSlash", {"-L", "a*b"}, "a*b=star\na/b=slash\nab=plain\n"),
    sel("BackslashQuotesWildcard", {"-L", "a\\*b"}, "a*b=star\n"),
    sel("QuestionMarkIsOneCharacter", {"-L", "h?st"}, "host=lower\n"),
    sel("BracketExpression", {"-L", "[Hp]*"}, "Host=upper\nport=5432\n"),
    sel("GlobIsCaseSensitive", {"-L", "H*"}, "Host=upper\n"),
    sel("GlobMatchesWholeName", {"-L", "os"}, ""),
    sel("NameMatchedByTwoPatternsOnce", {"-L", "h*", "ho*"}, "host=lower\nhosts=many\n"),
    {.name = "QuestionMarkIsOneByteInCLocale",
     .args = {"-f", "u.ini", "-s", "s", "-L", "?"},
     .files = {utf8_ini},
     .out = "x=1\n"},
    {.name = "QuestionMarkIsOneCharacterInUtf8Locale",
     .args = {"-f", "u.ini", "-s", "s", "-L", "?"},
     .files = {utf8_ini},
     .env = {"LC_ALL=C.UTF-8"},
     .out = "x=1\n\xc3\xa9=\xc3\xa9\n"},
};
INIPICK_E2E_CASES(Names, name_cases);

const std::vector<e2e_case> value_cases = {
    sel("ValueGlobFiltersList", {"-m", "5*", "-l"}, "port=5432\n"),
    sel("EmptyValueGlobMatchesEmptyValue", {"-m", "", "-l"}, "empty=\n"),
    sel("ValueGlobMatchesWholeValue", {"-m", "low", "host"}, ""),
    sel("ValueGlobWithNamePatterns", {"-m", "*er", "-L", "*ost"}, "Host=upper\nhost=lower\n"),
    sel("ValueGlobWithExactName", {"-m", "l*", "host"}, "lower\n"),
    {.name = "ValueGlobQuestionMarkInUtf8Locale",
     .args = {"-f", "u.ini", "-s", "s", "-m", "?", "-l"},
     .files = {utf8_ini},
     .env = {"LC_ALL=C.UTF-8"},
     .out = "x=1\n\xc3\xa9=\xc3\xa9\n"},
    {.name = "ValueGlobQuestionMarkInCLocale",
     .args = {"-f", "u.ini", "-s", "s", "-m", "?", "-l"},
     .files = {utf8_ini},
     .out = "x=1\n"},
};
INIPICK_E2E_CASES(Values, value_cases);

const std::vector<e2e_case> check_cases = {
    sel("CheckFound", {"-c", "host"}, "", 0),
    sel("CheckMissing", {"-c", "user"}, "", 1),
    sel("CheckOneOfTwoFound", {"-c", "user", "port"}, "", 0),
    sel("CheckValueFiltered", {"-c", "-m", "x*", "host"}, "", 1),
    sel("CheckEmptyValueCounts", {"-c", "empty"}, "", 0),
};
INIPICK_E2E_CASES(Check, check_cases);

input_file rep(std::string content) { return {.name = "r.ini", .content = std::move(content)}; }

e2e_case repeated(std::string name, std::vector<std::string> args, std::string content,
                  std::string out, int status = 0) {
  std::vector<std::string> all{"-f", "r.ini", "-s", "s"};
  all.insert(all.end(), args.begin(), args.end());
  return {.name = std::move(name),
          .args = std::move(all),
          .files = {rep(std::move(content))},
          .out = std::move(out),
          .status = status};
}

const std::vector<e2e_case> repeated_cases = {
    repeated("LaterDefinitionReplaces", {"a"}, "[s]\na = 1\na = 2\n", "2\n"),
    repeated("FailingLaterDefinitionIgnored", {"-m", "1", "a"}, "[s]\na = 1\na = 2\n", "1\n"),
    repeated("PassingLaterDefinitionReplaces", {"-m", "1*", "a"}, "[s]\na = 1\na = 12\n", "12\n"),
    repeated("FailingFirstDefinitionNotStored", {"-m", "2", "a"}, "[s]\na = 1\na = 2\n", "2\n"),
    repeated("OverrideFailingLaterDefinitionHides", {"-O", "-m", "1", "a"}, "[s]\na = 1\na = 2\n",
             ""),
    repeated("OverrideHiddenCountsAsMissing", {"-c", "-O", "-m", "1", "a"}, "[s]\na = 1\na = 2\n",
             "", 1),
    repeated("OverridePassingLaterDefinitionShows", {"-O", "-m", "1", "a"}, "[s]\na = 2\na = 1\n",
             "1\n"),
    repeated("SectionOverridesValueAheadOfHeaders", {"-O", "a"}, "a = 1\n[s]\na = 2\n", "2\n"),
    repeated("WithoutOverrideValueAheadOfHeadersUnseen", {"a"}, "a = 1\n[s]\nb = 2\n", ""),
    repeated("OverrideFilterJudgesSectionValue", {"-O", "-m", "1", "a"}, "a = 1\n[s]\na = 2\n", ""),
    repeated("OverrideKeepsValueOnlyAheadOfHeaders", {"-O", "b"}, "a = 1\nb = 5\n[s]\na = 2\n",
             "5\n"),
    repeated("OverrideListHidesFailingValues", {"-O", "-m", "1", "-l"},
             "c = 1\n[s]\na = 1\nb = 2\n[t]\nd = 1\n", "a=1\nc=1\n"),
    repeated("RepeatedSectionLastWins", {"-l"}, "[s]\na = 1\n[t]\na = 9\n[s]\na = 2\n", "a=2\n"),
};
INIPICK_E2E_CASES(RepeatedDefinitions, repeated_cases);

}  // namespace
}  // namespace inipick::e2e
