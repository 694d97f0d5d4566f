// SPDX-License-Identifier: BSD-2-Clause
// Which variables a run keeps: exact names, name globs, value globs, -O,
// repeated definitions and the check mode.
#include <cstdio>

#include "e2e_case.h"

namespace inipick::e2e {
namespace {

const input_file sel_ini{.name = "sel.ini",
                         .content =
                             "[s]\nHost = upper\nhost = lower\nhosts = many\n.hidden = dot\n"
                             "a/b = slash\na*b = star\nab = plain\nport = 5432\nempty =\n"};

// inipick -f sel.ini -s s <args>.
e2e_case sel(const std::string& name, const words& args, const std::string& out, int status = 0) {
  return with(&e2e_case::status, status, prints(name, "-f sel.ini -s s" + args, out, {sel_ini}));
}

const std::vector<input_file> utf8_ini = {
    {.name = "u.ini", .content = "[s]\n\xc3\xa9 = \xc3\xa9\nx = 1\n"}};

// form, a printf format of one number (given twice), for i = first,
// first + step, ... below 4000; "%04d" makes name order number order.
std::string numbered(int first, int step, const char* form) {
  std::string text;
  for (int i = first; i < 4000; i += step) {
    char line[32];
    std::snprintf(line, sizeof line, form, i, i);
    text += line;
  }
  return text;
}

INIPICK_E2E_CASES(Names) = {
    sel("ExactNameIsCaseSensitive", "host", "lower\n"),
    sel("ExactNameIsNotAGlob", "a*b", "star\n"),
    sel("StarSelectsEveryName", "-L *",
        ".hidden=dot\nHost=upper\na*b=star\na/b=slash\nab=plain\nempty=\nhost=lower\n"
        "hosts=many\nport=5432\n"),
    sel("StarMatchesSlash", "-L a*b", "a*b=star\na/b=slash\nab=plain\n"),
    sel("BackslashQuotesWildcard", "-L a\\*b", "a*b=star\n"),
    sel("QuestionMarkIsOneCharacter", "-L h?st", "host=lower\n"),
    sel("BracketExpression", "-L [Hp]*", "Host=upper\nport=5432\n"),
    sel("GlobIsCaseSensitive", "-L H*", "Host=upper\n"),
    sel("GlobMatchesWholeName", "-L os", ""),
    sel("NameMatchedByTwoPatternsOnce", "-L h* ho*", "host=lower\nhosts=many\n"),
    // Names given twice, a value, names not there: each stored name once.
    sel("ManyExactNames", "port host upper .hidden nosuch host Host port =",
        ".hidden=dot\nHost=upper\nhost=lower\nport=5432\n"),
    // Two thousand names asked for, every other one in the file, which
    // also holds names that none asks for.
    prints("ThousandsOfExactNames", "-f n.ini -s s" + words(numbered(0, 2, "v%04d ").c_str()),
           numbered(0, 4, "v%04d=v%04d\n"),
           {{.name = "n.ini",
             .content = "[s]\n" + numbered(0, 4, "v%04d = v%04d\n") +
                        numbered(1, 2, "v%04d = x\n")}}),
    prints("QuestionMarkIsOneByteInCLocale", "-f u.ini -s s -L ?", "x=1\n", utf8_ini),
    in_utf8(prints("QuestionMarkIsOneCharacterInUtf8Locale", "-f u.ini -s s -L ?",
                   "x=1\n\xc3\xa9=\xc3\xa9\n", utf8_ini)),
    unknown_locale({}, "x=1\n\xc3\xa9=\xc3\xa9\n",
                   prints("QuestionMarkWithNoLocaleNamed", "-f u.ini -s s -L ?", "x=1\n",
                          utf8_ini)),
};

INIPICK_E2E_CASES(Values) = {
    sel("ValueGlobFiltersList", "-m 5* -l", "port=5432\n"),
    sel("EmptyValueGlobMatchesEmptyValue", {"-m", "", "-l"}, "empty=\n"),
    sel("ValueGlobMatchesWholeValue", "-m low host", ""),
    reads("ValueGlobSeesNoTrailingBlanks", "-s s -m abc a", "[s]\na = abc \t \n", "abc\n"),
    sel("ValueGlobWithNamePatterns", "-m *er -L *ost", "Host=upper\nhost=lower\n"),
    sel("ValueGlobWithExactName", "-m l* host", "lower\n"),
    in_utf8(prints("ValueGlobQuestionMarkInUtf8Locale", "-f u.ini -s s -m ? -l",
                   "x=1\n\xc3\xa9=\xc3\xa9\n", utf8_ini)),
    prints("ValueGlobQuestionMarkInCLocale", "-f u.ini -s s -m ? -l", "x=1\n", utf8_ini),
};

INIPICK_E2E_CASES(Check) = {
    sel("CheckFound", "-c host", "", 0),
    sel("CheckMissing", "-c user", "", 1),
    sel("CheckOneOfTwoFound", "-c user port", "", 0),
    sel("CheckValueFiltered", "-c -m x* host", "", 1),
    sel("CheckEmptyValueCounts", "-c empty", "", 0),
};

// inipick -f r.ini -s s <args>, with r.ini holding content.
e2e_case repeated(const std::string& name, const words& args, const std::string& content,
                  const std::string& out, int status = 0) {
  const input_file r_ini{.name = "r.ini", .content = content};
  return with(&e2e_case::status, status, prints(name, "-f r.ini -s s" + args, out, {r_ini}));
}

INIPICK_E2E_CASES(RepeatedDefinitions) = {
    repeated("LaterDefinitionReplaces", "a", "[s]\na = 1\na = 2\n", "2\n"),
    repeated("FailingLaterDefinitionIgnored", "-m 1 a", "[s]\na = 1\na = 2\n", "1\n"),
    repeated("PassingLaterDefinitionReplaces", "-m 1* a", "[s]\na = 1\na = 12\n", "12\n"),
    repeated("FailingFirstDefinitionNotStored", "-m 2 a", "[s]\na = 1\na = 2\n", "2\n"),
    repeated("OverrideFailingLaterDefinitionHides", "-O -m 1 a", "[s]\na = 1\na = 2\n", ""),
    repeated("OverrideHiddenCountsAsMissing", "-c -O -m 1 a", "[s]\na = 1\na = 2\n", "", 1),
    repeated("OverridePassingLaterDefinitionShows", "-O -m 1 a", "[s]\na = 2\na = 1\n", "1\n"),
    repeated("SectionOverridesValueAheadOfHeaders", "-O a", "a = 1\n[s]\na = 2\n", "2\n"),
    repeated("WithoutOverrideValueAheadOfHeadersUnseen", "a", "a = 1\n[s]\nb = 2\n", ""),
    repeated("OverrideFilterJudgesSectionValue", "-O -m 1 a", "a = 1\n[s]\na = 2\n", ""),
    repeated("OverrideKeepsValueOnlyAheadOfHeaders", "-O b", "a = 1\nb = 5\n[s]\na = 2\n", "5\n"),
    repeated("OverrideListHidesFailingValues", "-O -m 1 -l",
             "c = 1\n[s]\na = 1\nb = 2\n[t]\nd = 1\n", "a=1\nc=1\n"),
    repeated("RepeatedSectionLastWins", "-l", "[s]\na = 1\n[t]\na = 9\n[s]\na = 2\n", "a=2\n"),
};

}  // namespace
}  // namespace inipick::e2e
