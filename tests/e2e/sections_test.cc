// -q sections: distinct names in order of first appearance, printed while
// the input is read.
#include <string>
#include <vector>

#include "e2e_case.h"

namespace inipick::e2e {
namespace {

input_file ini(std::string content) { return {.name = "t.ini", .content = std::move(content)}; }

e2e_case sections(std::string name, std::string content, std::string out, std::string err = "",
                  int status = 0) {
  return {.name = std::move(name),
          .args = {"-f", "t.ini", "-q", "sections"},
          .files = {ini(std::move(content))},
          .out = std::move(out),
          .err = std::move(err),
          .status = status};
}

// Enough names to outgrow any small initial list, each header given twice.
std::string many_headers() {
  std::string s;
  for (int round = 0; round < 2; ++round) {
    for (int i = 0; i < 300; ++i)
      s += "[n" + std::to_string(i) + "]\nv = " + std::to_string(i) + "\n";
  }
  return s;
}

std::string many_names() {
  std::string s;
  for (int i = 0; i < 300; ++i) s += "n" + std::to_string(i) + "\n";
  return s;
}

const std::vector<e2e_case> section_cases = {
    sections("FirstAppearanceOrder", "[b]\n[a]\n[b]\n[c]\n[a]\n", "b\na\nc\n"),
    sections("CaseMatters", "[A]\n[a]\n", "A\na\n"),
    sections("TrimmedRepeatPrintedOnce", "[a]\n[ a ]\n[a\t]\n", "a\n"),
    sections("NoHeadersNoOutput", "x = 1\n# [c]\n", ""),
    sections("VariablesAheadOfHeadersDoNotStopReading", "x = 1\n[a]\ny = 2\n[b]\n", "a\nb\n"),
    sections("ContinuedValueSwallowsHeader", "[a]\nv = x\\\n[b]\n[c]\n", "a\nc\n"),
    sections("NamesBeforeSyntaxErrorStayPrinted", "[a]\n[b]\n[a]\nbad line\n[c]\n", "a\nb\n",
             "inipick: No value on line: bad line\n", 1),
    sections("NamesBeforeInvalidHeaderStayPrinted", "[a]\n[b\n", "a\n",
             "inipick: Invalid group line: [b\n", 1),
    sections("ManyNames", many_headers(), many_names()),
    {.name = "CheckModeListsAndFails",
     .args = {"-c", "-f", "t.ini", "-q", "sections"},
     .files = {ini("[a]\nx = 1\n[b]\n")},
     .out = "a\nb\n",
     .status = 1},
    {.name = "SectionOptionDoesNotLimitList",
     .args = {"-s", "b", "-f", "t.ini", "-q", "sections"},
     .files = {ini("[a]\n[b]\n[c]\n")},
     .out = "a\nb\nc\n"},
    {.name = "OverrideWithSectionAllowed",
     .args = {"-O", "-s", "b", "-f", "t.ini", "-q", "sections"},
     .files = {ini("x = 1\n[a]\n[b]\n")},
     .out = "a\nb\n"},
    {.name = "ListingOptionsDoNotShapeNames",
     .args = {"-S", "-N", "-p", "X_", "-P", "_Y", "-f", "t.ini", "-q", "sections"},
     .files = {ini("[it's]\n[$(x)]\n")},
     .out = "it's\n$(x)\n"},
    {.name = "SectionsFromStandardInput",
     .args = {"-f", "-", "-q", "sections"},
     .stdin_text = "[a]\n[b]\n",
     .out = "a\nb\n"},
    {.name = "SectionsOfMissingFile",
     .args = {"-f", "nope.ini", "-q", "sections"},
     .err = "inipick: Opening the input file nope.ini: No such file or directory\n",
     .status = 1},
    {.name = "SectionsWithPatternFlag",
     .args = {"-f", "t.ini", "-q", "sections", "-L"},
     .files = {ini("[a]\n")},
     .err = "inipick: Only a single query at a time, please!\n",
     .status = 1},
    {.name = "SectionsWithBadValueExpression",
     .args = {"-x", "-m", "(", "-f", "t.ini", "-q", "sections"},
     .files = {ini("[a]\n")},
     .err = "inipick: Invalid match value: missing closing parenthesis\n",
     .status = 1},
};
INIPICK_E2E_CASES(Sections, section_cases);

}  // namespace
}  // namespace inipick::e2e
