// The INI format as the program reads it: headers, variable lines,
// comments, continuations, line ends, and which variables a run offers.
#include <string>
#include <vector>

#include "e2e_case.h"

namespace inipick::e2e {
namespace {

using namespace std::string_literals;

input_file ini(std::string content) { return {.name = "t.ini", .content = std::move(content)}; }

const std::string continuation_at_end =
    "inipick: Invalid input file - continuation at the last line\n";

// The header line is the third line of a file whose first section is fine.
e2e_case bad_header(std::string name, const std::string& line) {
  return {.name = std::move(name),
          .args = {"-f", "t.ini", "-s", "ok", "k"},
          .files = {ini("[ok]\nk = v\n" + line + "\nz = 1\n")},
          .err = "inipick: Invalid group line: " + line + "\n",
          .status = 1};
}

e2e_case bad_variable(std::string name, const std::string& line) {
  return {.name = std::move(name),
          .args = {"-f", "t.ini", "-s", "ok", "k"},
          .files = {ini("[ok]\nk = v\n" + line + "\nz = 1\n")},
          .err = "inipick: No value on line: " + line + "\n",
          .status = 1};
}

const std::vector<e2e_case> header_cases = {
    {.name = "HeaderForms",
     .args = {"-f", "t.ini", "-q", "sections"},
     .files = {ini("[a]\n  [b]\n[ c ]\n[d]  \n[e f]\n[]]\n[]x]\n[\tg\t]\n[\v h \f]\n")},
     .out = "a\nb\nc\nd\ne f\n]\n]x\ng\nh\n"},
    {.name = "InnerWhitespaceBelongsToName",
     .args = {"-f", "t.ini", "-s", "e  f", "k"},
     .files = {ini("[e f]\nk = 1\n[ e  f ]\nk = 2\n")},
     .out = "2\n"},
    {.name = "SectionNamesMatchExactly",
     .args = {"-f", "t.ini", "-s", "main", "a"},
     .files = {ini("[Main]\na = 1\n[main ]\nb = 2\n")},
     .out = ""},
    {.name = "TrimmedNameIsSelected",
     .args = {"-f", "t.ini", "-s", "Main", "a"},
     .files = {ini("[ Main ]\na = 1\n")},
     .out = "1\n"},
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
INIPICK_E2E_CASES(Headers, header_cases);

const std::vector<e2e_case> variable_line_cases = {
    {.name = "NamesAndValues",
     .args = {"-f", "t.ini", "-s", "s", "-l"},
     .files = {ini("[s]\n"
                   "a1=b\n"
                   "a2 = b\n"
                   "\ta3\t=\tb\t\n"
                   "   a4 = b   \n"
                   "a5 =\n"
                   "a6 = b # c\n"
                   "a7==b\n"
                   "a8 = x = y ; z\n"
                   "\v\fa9 = b\n"
                   "a0 = x\\y\n")},
     .out = "a0=x\\y\na1=b\na2=b\na3=b\na4=b\na5=\na6=b # c\na7==b\na8=x = y ; z\na9=b\n"},
    {.name = "EqualsSignAsName",
     .args = {"-f", "t.ini", "-l"},
     .files = {ini("==x\n")},
     .out = "==x\n"},
    {.name = "EqualsSignAsNameWithBlanks",
     .args = {"-f", "t.ini", "-l"},
     .files = {ini("= = x\n")},
     .out = "==x\n"},
    {.name = "HighBytesAreNeverWhitespace",
     .args = {"-f", "t.ini", "-s", "\xa0s\xa0", "-l"},
     .files = {ini("[\xa0s\xa0]\n\xa0n = \xa0v\xa0\n")},
     .env = {"LC_ALL=C.UTF-8"},
     .out = "\xa0n=\xa0v\xa0\n"},
    {.name = "CommentsIgnoredOnlyAtLineStart",
     .args = {"-f", "t.ini", "-s", "s", "-l"},
     .files = {ini("# c\n; c\n  # indented\n\t; tab\n[s]\n# a = 0\na = 1 ; kept\nb = 2 # kept\n")},
     .out = "a=1 ; kept\nb=2 # kept\n"},
    bad_variable("NameAlone", "a"),
    bad_variable("NameWithBlank", "a b = c"),
    bad_variable("TwoWords", "a b"),
    bad_variable("ValueWithoutName", "=x"),
    bad_variable("ColonInsteadOfEquals", "name: value"),
    bad_variable("IndentedLineQuotedWhole", "   bad line  "),
};
INIPICK_E2E_CASES(VariableLines, variable_line_cases);

const std::vector<e2e_case> continuation_cases = {
    {.name = "WhitespaceAroundJoinStays",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("[s]\na = b \\\n  c\n")},
     .out = "b   c\n"},
    {.name = "TrailingWhitespaceOfJoinedValueGoes",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("[s]\na = x\\\n\t y \t\n")},
     .out = "x\t y\n"},
    {.name = "BlankLineEndsContinuedValue",
     .args = {"-f", "t.ini", "-s", "s", "-l"},
     .files = {ini("[s]\na = x  \\\n\nb = 2\n")},
     .out = "a=x\nb=2\n"},
    {.name = "HeaderLineIsValueText",
     .args = {"-f", "t.ini", "-s", "s", "-l"},
     .files = {ini("[s]\na = x\\\n[t]\nb = 2\n")},
     .out = "a=x[t]\nb=2\n"},
    {.name = "CommentLineIsValueText",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("[s]\na = x\\\n# y\n")},
     .out = "x# y\n"},
    {.name = "VariableLineIsValueText",
     .args = {"-f", "t.ini", "-s", "s", "-l"},
     .files = {ini("[s]\na = 1\\\nb = 2\n")},
     .out = "a=1b = 2\n"},
    {.name = "BackslashBeforeBlankDoesNotContinue",
     .args = {"-f", "t.ini", "-s", "s", "-l"},
     .files = {ini("[s]\na = b\\ \nc = 1\n")},
     .out = "a=b\\\nc=1\n"},
    {.name = "JoinedValueDecidesContinuation",
     .args = {"-f", "t.ini", "-s", "s", "-l"},
     .files = {ini("[s]\na = x\\\\\n\ny\nb = 2\n")},
     .out = "a=xy\nb=2\n"},
    {.name = "WhitespaceOnlyContinuedValueIsEmpty",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("[s]\na = \\\n   \n")},
     .out = "\n"},
    {.name = "ContinuationAcrossCrLf",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("[s]\r\na = x\\\r\n y\r\n")},
     .out = "x y\n"},
    {.name = "ContinuationAtLastLine",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("[s]\na = b\\")},
     .err = continuation_at_end,
     .status = 1},
    {.name = "ContinuationAtLastLineWithLineFeed",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("[s]\na = b\\\n")},
     .err = continuation_at_end,
     .status = 1},
    {.name = "ContinuationAtLastLineOutsideSelection",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("[s]\na = 1\n[t]\nb = x\\\n")},
     .err = continuation_at_end,
     .status = 1},
    {.name = "ContinuationSwallowsEverythingToTheEnd",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("[s]\na = 1\\\n\\\n\\\n")},
     .err = continuation_at_end,
     .status = 1},
};
INIPICK_E2E_CASES(Continuation, continuation_cases);

const std::vector<e2e_case> line_end_cases = {
    {.name = "CrLfLikeLineFeed",
     .args = {"-f", "t.ini", "-s", "s", "-l"},
     .files = {ini("[s]\r\na = 1\r\nb = 2\r\n")},
     .out = "a=1\nb=2\n"},
    {.name = "CarriageReturnOnlyLinesAreBlank",
     .args = {"-f", "t.ini", "-s", "s", "-l"},
     .files = {ini("[s]\r\n\r\n\r\r\na = 1\r\r\r\n")},
     .out = "a=1\n"},
    {.name = "CarriageReturnInsideValueStays",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("[s]\na = x\ry\n")},
     .out = "x\ry\n"},
    {.name = "CarriageReturnBeforeBlankIsTrimmedAsWhitespace",
     .args = {"-f", "t.ini", "-s", "s", "-l"},
     .files = {ini("[s]\na = 1\r \nb = 2 \r\n")},
     .out = "a=1\nb=2\n"},
    {.name = "CarriageReturnInsideHeaderLine",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("[s]\r[t]\na = 1\n")},
     .err = "inipick: Invalid group line: [s]\r[t]\n",
     .status = 1},
    {.name = "ErrorQuotesLineWithoutItsLineEnd",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("[s]\r\n  bad line \r\n")},
     .err = "inipick: No value on line:   bad line \n",
     .status = 1},
    {.name = "NulEndsValue",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("[s]\na=b\0c\n"s)},
     .out = "b\n"},
    {.name = "NulAtLineStartMakesBlankLine",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("\0garbage\n[s]\na = 1\n"s)},
     .out = "1\n"},
    {.name = "NulAfterHeader",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("[s]\0junk\na = 1\n"s)},
     .out = "1\n"},
    {.name = "NulInsideHeader",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("[s\0]\na = 1\n"s)},
     .err = "inipick: Invalid group line: [s\n",
     .status = 1},
    {.name = "NulInsideName",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("[s]\nab\0= c\n"s)},
     .err = "inipick: No value on line: ab\n",
     .status = 1},
    {.name = "NulInContinuationLine",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("[s]\na = x\\\0ignored\ny\0z\n"s)},
     .out = "xy\n"},
};
INIPICK_E2E_CASES(LineEnds, line_end_cases);

const std::vector<e2e_case> offered_cases = {
    {.name = "NamedSectionOnly",
     .args = {"-f", "t.ini", "-s", "s", "-l"},
     .files = {ini("a = 1\n[s]\nb = 2\n[t]\nc = 3\n")},
     .out = "b=2\n"},
    {.name = "EveryOccurrenceOfTheHeaderCounts",
     .args = {"-f", "t.ini", "-s", "s", "-l"},
     .files = {ini("[s]\na = 1\n[t]\na = 9\nb = 9\n[s]\nb = 2\n")},
     .out = "a=1\nb=2\n"},
    {.name = "OverrideOffersVariablesAheadOfHeaders",
     .args = {"-O", "-f", "t.ini", "-s", "s", "-l"},
     .files = {ini("a = 1\nc = 0\n[s]\na = 2\n[t]\nc = 9\n")},
     .out = "a=2\nc=0\n"},
    {.name = "EmptySectionOffersOnlyVariablesAheadOfHeaders",
     .args = {"-f", "t.ini", "-s", "", "-l"},
     .files = {ini("a = 1\n[s]\nb = 2\n")},
     .out = "a=1\n"},
    {.name = "EmptySectionStillValidatesEverything",
     .args = {"-f", "t.ini", "-s", "", "-l"},
     .files = {ini("a = 1\n[s]\nb = 2\nbad line\n")},
     .err = "inipick: No value on line: bad line\n",
     .status = 1},
    {.name = "SyntaxErrorInUnselectedSection",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("[s]\na = 1\n[t]\nbad line\n")},
     .err = "inipick: No value on line: bad line\n",
     .status = 1},
    {.name = "NoSectionStopsAtFirstHeader",
     .args = {"-f", "t.ini", "-l"},
     .files = {ini("a = 1\nb = 2\n[s]\na = 3\nc = 4\n")},
     .out = "a=1\nb=2\n"},
    {.name = "LinesAfterEarlyStopAreNotRead",
     .args = {"-f", "t.ini", "a"},
     .files = {ini("a = 1\n[s]\nbad line\n[t\nb = x\\\n")},
     .out = "1\n"},
    {.name = "InvalidFirstHeaderReportedBeforeEarlyStop",
     .args = {"-f", "t.ini", "a"},
     .files = {ini("a = 1\n[s\n")},
     .err = "inipick: Invalid group line: [s\n",
     .status = 1},
    {.name = "UnselectedVariableAheadOfHeaderStillStopsEarly",  // offered, though not kept
     .args = {"-f", "t.ini", "b"},
     .files = {ini("a = 1\n[s]\nb = 2\n")}},
    {.name = "NoSectionSelectsFirstHeader",
     .args = {"-f", "t.ini", "-l"},
     .files = {ini("# c\n\n[s]\na = 1\n[t]\na = 2\nb = 3\n[s]\na = 4\n")},
     .out = "a=4\n"},
    {.name = "DashReadsStandardInput",
     .args = {"-f", "-", "-s", "s", "a"},
     .stdin_text = "[s]\na = 1\n",
     .out = "1\n"},
    {.name = "EmptyStandardInput", .args = {"-f", "-", "-s", "s", "a"}},
};
INIPICK_E2E_CASES(Offered, offered_cases);

const std::vector<e2e_case> byte_order_mark_cases = {
    {.name = "BomBeforeHeader",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("\xEF\xBB\xBF[s]\na = 1\n")},
     .out = "1\n"},
    {.name = "BomBeforeVariable",
     .args = {"-f", "t.ini", "-l"},
     .files = {ini("\xEF\xBB\xBF"
                   "a = 1\n")},
     .out = "a=1\n"},
    {.name = "BomOnStandardInput",
     .args = {"-f", "-", "-s", "s", "a"},
     .stdin_text = "\xEF\xBB\xBF[s]\na = 1\n",
     .out = "1\n"},
    {.name = "BomThenCrLf",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("\xEF\xBB\xBF\r\n[s]\r\na = 1\r\n")},
     .out = "1\n"},
    {.name = "BomAlone", .args = {"-f", "t.ini", "-q", "sections"}, .files = {ini("\xEF\xBB\xBF")}},
    {.name = "BomNotPartOfErrorLine",
     .args = {"-f", "t.ini", "a"},
     .files = {ini("\xEF\xBB\xBF"
                   "bad line\n")},
     .err = "inipick: No value on line: bad line\n",
     .status = 1},
    {.name = "OnlyOneBomSkipped",
     .args = {"-f", "t.ini", "-l"},
     .files = {ini("\xEF\xBB\xBF\xEF\xBB\xBF"
                   "a = 1\n")},
     .out = "\xEF\xBB\xBF"
            "a=1\n"},
    {.name = "BomOnLaterLineIsNameText",
     .args = {"-f", "t.ini", "-s", "s", "-l"},
     .files = {ini("[s]\n\xEF\xBB\xBF"
                   "a = 1\n")},
     .out = "\xEF\xBB\xBF"
            "a=1\n"},
    {.name = "BomBeforeLaterHeaderIsError",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("\n\xEF\xBB\xBF[s]\na = 1\n")},
     .err = "inipick: No value on line: \xEF\xBB\xBF[s]\n",
     .status = 1},
    {.name = "PartialBomIsText",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {ini("\xEF\xBB[s]\na = 1\n")},
     .err = "inipick: No value on line: \xEF\xBB[s]\n",
     .status = 1},
};
INIPICK_E2E_CASES(ByteOrderMark, byte_order_mark_cases);

}  // namespace
}  // namespace inipick::e2e
