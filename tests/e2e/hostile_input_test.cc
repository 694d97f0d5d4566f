// Inputs that are not INI files, huge inputs, broken standard streams, and
// running out of memory.
#include <cstdio>
#include <string>
#include <vector>

#include "e2e_case.h"

namespace inipick::e2e {
namespace {

using namespace std::string_literals;

constexpr std::size_t big_line = 100u << 20;
constexpr std::size_t mebibyte = 1u << 20;

void write_big_line(std::FILE* f) {
  std::fputs("[s]\nv=", f);
  write_repeated(f, 'x', big_line);
  std::fputs("\n", f);
}
std::string big_line_out() { return std::string(big_line, 'x') + "\n"; }

constexpr int chain_lines = 1000000;

void write_continuation_chain(std::FILE* f) {
  std::fputs("[s]\nv = \\\n", f);
  for (int i = 0; i < chain_lines; ++i) std::fputs("ab\\\n", f);
  std::fputs("end\n", f);
}
std::string continuation_chain_out() {
  std::string s;
  s.reserve(2 * chain_lines + 4);
  for (int i = 0; i < chain_lines; ++i) s += "ab";
  return s + "end\n";
}

// Written in descending order: the listing must sort them.
constexpr int many_vars = 20000;

std::string var_name(int i) {
  char name[16];
  std::snprintf(name, sizeof name, "v%05d", i);
  return name;
}
void write_many_vars(std::FILE* f) {
  std::fputs("[s]\n", f);
  for (int i = many_vars; i-- > 0;) std::fprintf(f, "%s = %d\n", var_name(i).c_str(), i);
}
std::string many_vars_out() {
  std::string s;
  for (int i = 0; i < many_vars; ++i) s += var_name(i) + "=" + std::to_string(i) + "\n";
  return s;
}

void write_long_section_name(std::FILE* f) {
  std::fputs("[", f);
  write_repeated(f, 'n', mebibyte);
  std::fputs("]\n", f);
}
std::string long_section_name_out() { return std::string(mebibyte, 'n') + "\n"; }

// A hundred continuation lines of 1 MiB each: only the value grows big.
void write_big_continued_value(std::FILE* f) {
  std::fputs("[s]\nv = \\\n", f);
  for (int i = 0; i < 100; ++i) {
    write_repeated(f, 'y', mebibyte);
    std::fputs("\\\n", f);
  }
  std::fputs("end\n", f);
}

// A hundred values of 1 MiB each: the lines stay small, the kept values grow.
void write_many_big_values(std::FILE* f) {
  std::fputs("[s]\n", f);
  for (int i = 0; i < 100; ++i) {
    std::fprintf(f, "v%d = ", i);
    write_repeated(f, 'z', mebibyte);
    std::fputs("\n", f);
  }
}

// The binary needs well under 16 MB to start; none of these inputs fits in 64.
constexpr std::size_t tight_mb = 64;

const std::vector<e2e_case> not_ini_cases = {
    {.name = "DirectoryAsInput",
     .args = {"-f", "dir", "-s", "s", "a"},
     .files = {{.name = "dir", .is_directory = true}},
     .err = "inipick: Error reading input file dir: Is a directory\n",
     .status = 1},
    {.name = "ClosedStandardInput",
     .args = {"-f", "-", "-s", "s", "a"},
     .err = "inipick: Error reading input file -: Bad file descriptor\n",
     .status = 1,
     .stdin_closed = true},
    {.name = "ClosedStandardInputUnused",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {{.name = "t.ini", .content = "[s]\na = 1\n"}},
     .out = "1\n",
     .stdin_closed = true},
    {.name = "EmptyFile", .args = {"-f", "t.ini", "-l"}, .files = {{.name = "t.ini"}}},
    {.name = "EmptyFileCheck",
     .args = {"-c", "-f", "t.ini", "a"},
     .files = {{.name = "t.ini"}},
     .status = 1},
    {.name = "BlankAndCommentLinesOnly",
     .args = {"-f", "t.ini", "-l"},
     .files = {{.name = "t.ini", .content = "\n  \n\t\n# a = 1\n; [s]\n\r\n"}}},
    {.name = "BinaryFile",
     .args = {"-f", "t.ini", "-l"},
     .files = {{.name = "t.ini",
                .content = "\x7f"
                           "ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x02\0>\0\x01\0\0\0\n"
                           "\xff\xfe[=]\n"s}},
     .err = "inipick: No value on line: \x7f"
            "ELF\x02\x01\x01\n",
     .status = 1},
    {.name = "NulBytesOnly",
     .args = {"-f", "t.ini", "-q", "sections"},
     .files = {{.name = "t.ini", .content = "\0\0\0\n\0\n\0"s}}},
    {.name = "NulBytesOnStandardInput",
     .args = {"-f", "-", "-l"},
     .stdin_text = "a = 1\0 = 2\n\0\nb\0 = 3\n"s,
     .err = "inipick: No value on line: b\n",
     .status = 1},
    {.name = "CarriageReturnsOnlyMakeOneHeaderLine",
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {{.name = "t.ini", .content = "[s]\ra=1\rb=2\r"}},
     .err = "inipick: Invalid group line: [s]\ra=1\rb=2\n",
     .status = 1},
    {.name = "CarriageReturnsOnlyMakeOneValue",
     .args = {"-f", "t.ini", "a"},
     .files = {{.name = "t.ini", .content = "a=1\rb=2\r\r"}},
     .out = "1\rb=2\n"},
};
INIPICK_E2E_CASES(NotIni, not_ini_cases);

const std::vector<e2e_case> big_input_cases = {
    {.name = "HundredMegabyteLine",
     .args = {"-f", "big.ini", "-s", "s", "v"},
     .files = {{.name = "big.ini", .generate = write_big_line}},
     .make_out = big_line_out},
    {.name = "MillionLineContinuation",
     .args = {"-f", "chain.ini", "-s", "s", "v"},
     .files = {{.name = "chain.ini", .generate = write_continuation_chain}},
     .make_out = continuation_chain_out},
    {.name = "TwentyThousandVariablesSorted",
     .args = {"-f", "many.ini", "-s", "s", "-l"},
     .files = {{.name = "many.ini", .generate = write_many_vars}},
     .make_out = many_vars_out},
    {.name = "MegabyteSectionName",
     .args = {"-f", "long.ini", "-q", "sections"},
     .files = {{.name = "long.ini", .generate = write_long_section_name}},
     .make_out = long_section_name_out},
};
INIPICK_E2E_CASES(BigInput, big_input_cases);

const std::vector<e2e_case> out_of_memory_cases = {
    {.name = "LineBufferCannotGrow",
     .args = {"-f", "big.ini", "-s", "s", "v"},
     .files = {{.name = "big.ini", .generate = write_big_line}},
     .err = "inipick: Error reading input file big.ini: Cannot allocate memory\n",
     .status = 1,
     .address_space_mb = tight_mb},
    {.name = "ContinuedValueCannotGrow",
     .args = {"-f", "value.ini", "-s", "s", "v"},
     .files = {{.name = "value.ini", .generate = write_big_continued_value}},
     .err = "inipick: Out of memory for the variable value: Cannot allocate memory\n",
     .status = 1,
     .address_space_mb = tight_mb},
    {.name = "KeptValuesCannotBeCopied",
     .args = {"-f", "values.ini", "-s", "s", "-l"},
     .files = {{.name = "values.ini", .generate = write_many_big_values}},
     .err =
         "inipick: Could not allocate memory for the variables' values: Cannot allocate memory\n",
     .status = 1,
     .address_space_mb = tight_mb},
    {.name = "SmallRunFitsUnderTheLimit",  // the limit itself is no failure
     .args = {"-f", "t.ini", "-s", "s", "a"},
     .files = {{.name = "t.ini", .content = "[s]\na = 1\n"}},
     .out = "1\n",
     .address_space_mb = tight_mb},
};
INIPICK_E2E_CASES(OutOfMemory, out_of_memory_cases);

}  // namespace
}  // namespace inipick::e2e
