// SPDX-License-Identifier: BSD-2-Clause
// The INI format as the program reads it: headers, variable lines,
// comments, continuations, line ends, and which variables a run offers.
#include "e2e_case.h"

namespace inipick::e2e {
namespace {

using namespace std::string_literals;

// The bad line is the third line of a file whose first section is fine.
e2e_case bad_header(const std::string& name, const std::string& line) {
  return rejects(name, "-s ok k", "[ok]\nk = v\n" + line + "\nz = 1\n",
                 "Invalid group line: " + line);
}
e2e_case bad_variable(const std::string& name, const std::string& line) {
  return rejects(name, "-s ok k", "[ok]\nk = v\n" + line + "\nz = 1\n",
                 "No value on line: " + line);
}

INIPICK_E2E_CASES(Headers) = {
    reads("HeaderForms", "-q sections",
          "[a]\n  [b]\n[ c ]\n[d]  \n[e f]\n[]]\n[]x]\n[\tg\t]\n[\v h \f]\n",
          "a\nb\nc\nd\ne f\n]\n]x\ng\nh\n"),
    reads("InnerWhitespaceBelongsToName", {"-s", "e  f", "k"}, "[e f]\nk = 1\n[ e  f ]\nk = 2\n",
          "2\n"),
    reads("SectionNamesMatchExactly", "-s main a", "[Main]\na = 1\n[main ]\nb = 2\n", ""),
    reads("TrimmedNameIsSelected", "-s Main a", "[ Main ]\na = 1\n", "1\n"),
    bad_header("LoneBracket", "["),
    bad_header("BracketThenBlanks", "[   "),
    bad_header("UnclosedName", "[a"),
    bad_header("EmptyBrackets", "[]"),
    bad_header("BlankBrackets", "[ ]"),
    bad_header("CommentAfterHeader", "[a] ; note"),
    bad_header("HashAfterHeader", "[a]#"),
    bad_header("TextAfterHeader", "[a]x"),
    bad_header("SecondClosingBracket", "[a]]"),
    bad_header("BracketAfterBlankAfterHeader", "[a]\t]"),
    bad_header("IndentedInvalidHeaderQuotedWhole", "  [a"),
};

INIPICK_E2E_CASES(VariableLines) = {
    reads("NamesAndValues", "-s s -l",
          "[s]\na1=b\na2 = b\n\ta3\t=\tb\t\n   a4 = b   \na5 =\na6 = b # c\na7==b\n"
          "a8 = x = y ; z\n\v\fa9 = b\na0 = x\\y\n",
          "a0=x\\y\na1=b\na2=b\na3=b\na4=b\na5=\na6=b # c\na7==b\na8=x = y ; z\na9=b\n"),
    reads("EqualsSignAsName", "-l", "==x\n", "==x\n"),
    reads("EqualsSignAsNameWithBlanks", "-l", "= = x\n", "==x\n"),
    in_utf8(reads("HighBytesAreNeverWhitespace", "-s \xa0s\xa0 -l",
                  "[\xa0s\xa0]\n\xa0n = \xa0v\xa0\n", "\xa0n=\xa0v\xa0\n")),
    reads("CommentsIgnoredOnlyAtLineStart", "-s s -l",
          "# c\n; c\n  # indented\n\t; tab\n[s]\n# a = 0\na = 1 ; kept\nb = 2 # kept\n",
          "a=1 ; kept\nb=2 # kept\n"),
    bad_variable("NameAlone", "a"),
    bad_variable("NameWithBlank", "a b = c"),
    bad_variable("TwoWords", "a b"),
    bad_variable("ValueWithoutName", "=x"),
    bad_variable("ColonInsteadOfEquals", "name: value"),
    bad_variable("IndentedLineQuotedWhole", "   bad line  "),
};

const std::string continuation_at_end = "Invalid input file - continuation at the last line";

INIPICK_E2E_CASES(Continuation) = {
    reads("WhitespaceAroundJoinStays", "-s s a", "[s]\na = b \\\n  c\n", "b   c\n"),
    reads("TrailingWhitespaceOfJoinedValueGoes", "-s s a", "[s]\na = x\\\n\t y \t\n", "x\t y\n"),
    reads("BlankLineEndsContinuedValue", "-s s -l", "[s]\na = x  \\\n\nb = 2\n", "a=x\nb=2\n"),
    reads("HeaderLineIsValueText", "-s s -l", "[s]\na = x\\\n[t]\nb = 2\n", "a=x[t]\nb=2\n"),
    reads("CommentLineIsValueText", "-s s a", "[s]\na = x\\\n# y\n", "x# y\n"),
    reads("VariableLineIsValueText", "-s s -l", "[s]\na = 1\\\nb = 2\n", "a=1b = 2\n"),
    reads("BackslashBeforeBlankDoesNotContinue", "-s s -l", "[s]\na = b\\ \nc = 1\n",
          "a=b\\\nc=1\n"),
    reads("JoinedValueDecidesContinuation", "-s s -l", "[s]\na = x\\\\\n\ny\nb = 2\n",
          "a=xy\nb=2\n"),
    reads("WhitespaceOnlyContinuedValueIsEmpty", "-s s a", "[s]\na = \\\n   \n", "\n"),
    reads("ContinuationAcrossCrLf", "-s s a", "[s]\r\na = x\\\r\n y\r\n", "x y\n"),
    rejects("ContinuationAtLastLine", "-s s a", "[s]\na = b\\", continuation_at_end),
    rejects("ContinuationAtLastLineWithLineFeed", "-s s a", "[s]\na = b\\\n", continuation_at_end),
    rejects("ContinuationAtLastLineOutsideSelection", "-s s a", "[s]\na = 1\n[t]\nb = x\\\n",
            continuation_at_end),
    rejects("ContinuationSwallowsEverythingToTheEnd", "-s s a", "[s]\na = 1\\\n\\\n\\\n",
            continuation_at_end),
};

INIPICK_E2E_CASES(LineEnds) = {
    reads("CrLfLikeLineFeed", "-s s -l", "[s]\r\na = 1\r\nb = 2\r\n", "a=1\nb=2\n"),
    reads("CarriageReturnOnlyLinesAreBlank", "-s s -l", "[s]\r\n\r\n\r\r\na = 1\r\r\r\n", "a=1\n"),
    reads("CarriageReturnInsideValueStays", "-s s a", "[s]\na = x\ry\n", "x\ry\n"),
    reads("CarriageReturnBeforeBlankIsTrimmedAsWhitespace", "-s s -l", "[s]\na = 1\r \nb = 2 \r\n",
          "a=1\nb=2\n"),
    rejects("CarriageReturnInsideHeaderLine", "-s s a", "[s]\r[t]\na = 1\n",
            "Invalid group line: [s]\r[t]"),
    rejects("ErrorQuotesLineWithoutItsLineEnd", "-s s a", "[s]\r\n  bad line \r\n",
            "No value on line:   bad line "),
    reads("NulEndsValue", "-s s a", "[s]\na=b\0c\n"s, "b\n"),
    // Bytes as they are, also where a C runtime has a text mode (Windows'
    // would end the input at the Ctrl-Z and write a CR before each line feed).
    reads("CtrlZIsAnOrdinaryByte", "-s s -l", "[s]\r\na = x\x1Ay\r\nb = 2\r\n", "a=x\x1Ay\nb=2\n"),
    with_stdin("[s]\r\na = x\x1Ay\r\nb = 2\r\n",
               prints("CtrlZAndCrLfOnStandardInput", "-f - -s s -l", "a=x\x1Ay\nb=2\n")),
    reads("NulAtLineStartMakesBlankLine", "-s s a", "\0garbage\n[s]\na = 1\n"s, "1\n"),
    reads("NulAfterHeader", "-s s a", "[s]\0junk\na = 1\n"s, "1\n"),
    rejects("NulInsideHeader", "-s s a", "[s\0]\na = 1\n"s, "Invalid group line: [s"),
    rejects("NulInsideName", "-s s a", "[s]\nab\0= c\n"s, "No value on line: ab"),
    reads("NulInContinuationLine", "-s s a", "[s]\na = x\\\0ignored\ny\0z\n"s, "xy\n"),
};

INIPICK_E2E_CASES(Offered) = {
    reads("NamedSectionOnly", "-s s -l", "a = 1\n[s]\nb = 2\n[t]\nc = 3\n", "b=2\n"),
    reads("EveryOccurrenceOfTheHeaderCounts", "-s s -l",
          "[s]\na = 1\n[t]\na = 9\nb = 9\n[s]\nb = 2\n", "a=1\nb=2\n"),
    prints("OverrideOffersVariablesAheadOfHeaders", "-O -f t.ini -s s -l", "a=2\nc=0\n",
           {ini("a = 1\nc = 0\n[s]\na = 2\n[t]\nc = 9\n")}),
    reads("EmptySectionOffersOnlyVariablesAheadOfHeaders", {"-s", "", "-l"}, "a = 1\n[s]\nb = 2\n",
          "a=1\n"),
    rejects("EmptySectionStillValidatesEverything", {"-s", "", "-l"},
            "a = 1\n[s]\nb = 2\nbad line\n", "No value on line: bad line"),
    rejects("SyntaxErrorInUnselectedSection", "-s s a", "[s]\na = 1\n[t]\nbad line\n",
            "No value on line: bad line"),
    reads("NoSectionStopsAtFirstHeader", "-l", "a = 1\nb = 2\n[s]\na = 3\nc = 4\n", "a=1\nb=2\n"),
    reads("LinesAfterEarlyStopAreNotRead", "a", "a = 1\n[s]\nbad line\n[t\nb = x\\\n", "1\n"),
    rejects("InvalidFirstHeaderReportedBeforeEarlyStop", "a", "a = 1\n[s\n",
            "Invalid group line: [s"),
    // Offered, though not kept.
    reads("UnselectedVariableAheadOfHeaderStillStopsEarly", "b", "a = 1\n[s]\nb = 2\n", ""),
    reads("NoSectionSelectsFirstHeader", "-l", "# c\n\n[s]\na = 1\n[t]\na = 2\nb = 3\n[s]\na = 4\n",
          "a=4\n"),
    with_stdin("[s]\na = 1\n", prints("DashReadsStandardInput", "-f - -s s a", "1\n")),
    prints("EmptyStandardInput", "-f - -s s a", ""),
};

const std::string bom = "\xEF\xBB\xBF";

INIPICK_E2E_CASES(ByteOrderMark) = {
    reads("BomBeforeHeader", "-s s a", bom + "[s]\na = 1\n", "1\n"),
    reads("BomBeforeVariable", "-l", bom + "a = 1\n", "a=1\n"),
    with_stdin(bom + "[s]\na = 1\n", prints("BomOnStandardInput", "-f - -s s a", "1\n")),
    reads("BomThenCrLf", "-s s a", bom + "\r\n[s]\r\na = 1\r\n", "1\n"),
    reads("BomAlone", "-q sections", bom, ""),
    rejects("BomNotPartOfErrorLine", "a", bom + "bad line\n", "No value on line: bad line"),
    reads("OnlyOneBomSkipped", "-l", bom + bom + "a = 1\n", bom + "a=1\n"),
    reads("BomOnLaterLineIsNameText", "-s s -l", "[s]\n" + bom + "a = 1\n", bom + "a=1\n"),
    rejects("BomBeforeLaterHeaderIsError", "-s s a", "\n" + bom + "[s]\na = 1\n",
            "No value on line: " + bom + "[s]"),
    rejects("PartialBomIsText", "-s s a", "\xEF\xBB[s]\na = 1\n", "No value on line: \xEF\xBB[s]"),
};

}  // namespace
}  // namespace inipick::e2e
