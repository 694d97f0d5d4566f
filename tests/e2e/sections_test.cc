// SPDX-License-Identifier: BSD-2-Clause
// -q sections: distinct names in order of first appearance, printed while
// the input is read.
#include "e2e_case.h"

namespace inipick::e2e {
namespace {

// inipick -f t.ini -q sections, with t.ini holding content: prints out, then
// fails with message if one is given.
e2e_case sections(const std::string& name, const std::string& content, const std::string& out,
                  const std::string& message = "") {
  return with(&e2e_case::out, out,
              message.empty() ? reads(name, "-q sections", content, out)
                              : rejects(name, "-q sections", content, message));
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

INIPICK_E2E_CASES(Sections) = {
    sections("FirstAppearanceOrder", "[b]\n[a]\n[b]\n[c]\n[a]\n", "b\na\nc\n"),
    sections("CaseMatters", "[A]\n[a]\n", "A\na\n"),
    sections("TrimmedRepeatPrintedOnce", "[a]\n[ a ]\n[a\t]\n", "a\n"),
    sections("NoHeadersNoOutput", "x = 1\n# [c]\n", ""),
    sections("VariablesAheadOfHeadersDoNotStopReading", "x = 1\n[a]\ny = 2\n[b]\n", "a\nb\n"),
    sections("ContinuedValueSwallowsHeader", "[a]\nv = x\\\n[b]\n[c]\n", "a\nc\n"),
    sections("NamesBeforeSyntaxErrorStayPrinted", "[a]\n[b]\n[a]\nbad line\n[c]\n", "a\nb\n",
             "No value on line: bad line"),
    sections("NamesBeforeInvalidHeaderStayPrinted", "[a]\n[b\n", "a\n", "Invalid group line: [b"),
    sections("ManyNames", many_headers(), many_names()),
    with(&e2e_case::status, 1,
         prints("CheckModeListsAndFails", "-c -f t.ini -q sections", "a\nb\n",
                {ini("[a]\nx = 1\n[b]\n")})),
    prints("SectionOptionDoesNotLimitList", "-s b -f t.ini -q sections", "a\nb\nc\n",
           {ini("[a]\n[b]\n[c]\n")}),
    prints("OverrideWithSectionAllowed", "-O -s b -f t.ini -q sections", "a\nb\n",
           {ini("x = 1\n[a]\n[b]\n")}),
    prints("ListingOptionsDoNotShapeNames", "-S -N -p X_ -P _Y -f t.ini -q sections",
           "it's\n$(x)\n", {ini("[it's]\n[$(x)]\n")}),
    with_stdin("[a]\n[b]\n", prints("SectionsFromStandardInput", "-f - -q sections", "a\nb\n")),
    fails("SectionsOfMissingFile", "-f nope.ini -q sections",
          "Opening the input file nope.ini: No such file or directory"),
    fails("SectionsWithPatternFlag", "-f t.ini -q sections -L", single_query, {ini("[a]\n")}),
    fails("SectionsWithBadValueExpression", "-x -m ( -f t.ini -q sections",
          "Invalid match value: missing closing parenthesis", {ini("[a]\n")}),
};

}  // namespace
}  // namespace inipick::e2e
