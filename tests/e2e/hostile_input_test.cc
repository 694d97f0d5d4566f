// SPDX-License-Identifier: BSD-2-Clause
// Inputs that are not INI files, huge inputs, broken standard streams, and
// running out of memory.
#include <algorithm>
#include <string_view>

#include "e2e_case.h"

namespace inipick::e2e {
namespace {

using namespace std::string_literals;
using namespace std::string_view_literals;

constexpr std::size_t mebibyte = 1u << 20;

std::string repeated(std::string_view piece, std::size_t times) {
  std::string s;
  s.reserve(piece.size() * times);
  for (; times > 0; --times) s += piece;
  return s;
}

// Writes head, piece times over, then tail: in blocks, for the big inputs.
void write_framed(std::FILE* f, std::string_view head, std::string_view piece, std::size_t times,
                  std::string_view tail) {
  const std::size_t per_block = std::max<std::size_t>(1, mebibyte / piece.size());
  const std::string block = repeated(piece, per_block);
  std::fwrite(head.data(), 1, head.size(), f);
  for (std::size_t done = 0; done < times; done += per_block)
    std::fwrite(block.data(), 1, piece.size() * std::min(per_block, times - done), f);
  std::fwrite(tail.data(), 1, tail.size(), f);
}

constexpr std::size_t big_line = 100 * mebibyte;
void write_big_line(std::FILE* f) { write_framed(f, "[s]\nv=", "x", big_line, "\n"); }
std::string big_line_out() { return std::string(big_line, 'x') + "\n"; }

constexpr std::size_t chain_lines = 1000000;
void write_continuation_chain(std::FILE* f) {
  write_framed(f, "[s]\nv = \\\n", "ab\\\n", chain_lines, "end\n");
}
std::string continuation_chain_out() { return repeated("ab", chain_lines) + "end\n"; }

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

void write_long_section_name(std::FILE* f) { write_framed(f, "[", "n", mebibyte, "]\n"); }
std::string long_section_name_out() { return std::string(mebibyte, 'n') + "\n"; }

// A hundred continuation lines of 1 MiB each: only the value grows big.
void write_big_continued_value(std::FILE* f) {
  write_framed(f, "[s]\nv = \\\n", repeated("y", mebibyte) + "\\\n", 100, "end\n");
}

// A hundred values of 1 MiB each: the lines stay small, the kept values grow.
void write_many_big_values(std::FILE* f) {
  std::fputs("[s]\n", f);
  for (int i = 0; i < 100; ++i)
    write_framed(f, "v" + std::to_string(i) + " = ", "z", mebibyte, "\n");
}

const input_file big_line_ini{.name = "big.ini", .generate = write_big_line};

// The expected stdout is too big to keep: make_out builds it at run time.
e2e_case prints_made(const std::string& name, const words& args, std::string (*make_out)(),
                     const input_file& file) {
  return with(&e2e_case::make_out, make_out, prints(name, args, "", {file}));
}
e2e_case without_stdin(const e2e_case& c) { return with(&e2e_case::stdin_closed, true, c); }
// The binary needs well under 16 MB to start; none of these inputs fits in 64.
e2e_case in_64_mb(const e2e_case& c) { return with(&e2e_case::address_space_mb, 64, c); }

const std::string no_value = "No value on line: ";

INIPICK_E2E_CASES(NotIni) = {
    on_libc("windows", "Windows refuses to open a directory as a file",
            "Error reading input file dir: Is a directory",
            "Opening the input file dir: Permission denied",
            fails("DirectoryAsInput", "-f dir -s s a",
                  "Error reading input file dir: Is a directory",
                  {{.name = "dir", .is_directory = true}})),
    without_stdin(fails("ClosedStandardInput", "-f - -s s a",
                        "Error reading input file -: Bad file descriptor")),
    without_stdin(reads("ClosedStandardInputUnused", "-s s a", "[s]\na = 1\n", "1\n")),
    reads("EmptyFile", "-l", "", ""),
    {.name = "EmptyFileCheck", .args = {"-c", "-f", "t.ini", "a"}, .files = {ini("")}, .status = 1},
    reads("BlankAndCommentLinesOnly", "-l", "\n  \n\t\n# a = 1\n; [s]\n\r\n", ""),
    rejects("BinaryFile", "-l",
            "\177ELF\x02\x01\x01\0\0\0\0\0\0\0\0\0\x02\0>\0\x01\0\0\0\n\xff\xfe[=]\n"s,
            no_value + "\177ELF\x02\x01\x01"),  // an ELF header
    reads("NulBytesOnly", "-q sections", "\0\0\0\n\0\n\0"s, ""),
    with_stdin("a = 1\0 = 2\n\0\nb\0 = 3\n"s,
               fails("NulBytesOnStandardInput", "-f - -l", no_value + "b")),
    rejects("CarriageReturnsOnlyMakeOneHeaderLine", "-s s a", "[s]\ra=1\rb=2\r",
            "Invalid group line: [s]\ra=1\rb=2"),
    reads("CarriageReturnsOnlyMakeOneValue", "a", "a=1\rb=2\r\r", "1\rb=2\n"),
};

INIPICK_E2E_CASES(BigInput) = {
    prints_made("HundredMegabyteLine", "-f big.ini -s s v", big_line_out, big_line_ini),
    prints_made("MillionLineContinuation", "-f chain.ini -s s v", continuation_chain_out,
                {.name = "chain.ini", .generate = write_continuation_chain}),
    prints_made("TwentyThousandVariablesSorted", "-f many.ini -s s -l", many_vars_out,
                {.name = "many.ini", .generate = write_many_vars}),
    prints_made("MegabyteSectionName", "-f long.ini -q sections", long_section_name_out,
                {.name = "long.ini", .generate = write_long_section_name}),
};

// head, then a tail with no line feed: a mebibyte of bytes that would end a
// name, a header or a value if they were kept, then 100 MB of NUL bytes
// (a hole in the file); then rest.
void write_nul_tail(std::FILE* f, std::string_view head, std::string_view rest) {
  write_framed(f, head, "x= [y]\r\\", mebibyte / 8, "");
  std::fseek(f, 100 * static_cast<long>(mebibyte) - 1, SEEK_CUR);
  std::fputc('\0', f);
  std::fwrite(rest.data(), 1, rest.size(), f);
}
// Writes head, the tail, then rest, into t.ini.
#define NUL_TAIL_INI(head, rest)                                                     \
  input_file {                                                                       \
    .name = "t.ini", .generate = [](std::FILE* f) { write_nul_tail(f, head, rest); } \
  }

// 300 MB of NUL bytes, written as a hole.
void write_nul_stream(std::FILE* f) {
  std::fseek(f, 300 * static_cast<long>(mebibyte) - 1, SEEK_SET);
  std::fputc('\0', f);
}

const std::string no_memory = "Cannot allocate memory";
// The case failing for want of memory, in the words of each C library.
e2e_case starved(const e2e_case& c) {
  return on_libc("musl", "musl's strerror words ENOMEM otherwise", no_memory, "Out of memory", c);
}

INIPICK_E2E_CASES(OutOfMemory) = {
    in_64_mb(starved(fails("LineBufferCannotGrow", "-f big.ini -s s v",
                           "Error reading input file big.ini: " + no_memory, {big_line_ini}))),
    in_64_mb(starved(fails("ContinuedValueCannotGrow", "-f value.ini -s s v",
                           "Out of memory for the variable value: " + no_memory,
                           {{.name = "value.ini", .generate = write_big_continued_value}}))),
    in_64_mb(starved(fails("KeptValuesCannotBeCopied", "-f values.ini -s s -l",
                           "Could not allocate memory for the variables' values: " + no_memory,
                           {{.name = "values.ini", .generate = write_many_big_values}}))),
    // What follows a line's first NUL is never kept: not even a line of
    // hundreds of megabytes fills the memory, and the result is the same.
    in_64_mb(with(&e2e_case::generate_stdin, write_nul_stream,
                  prints("NulStreamOnStandardInput", "-f - -s a b", ""))),
    in_64_mb(with(&e2e_case::generate_stdin, write_nul_stream,
                  prints("NulStreamSectionList", "-f - -q sections", ""))),
    in_64_mb(fails("NulTailOnHeaderLine", "-f t.ini -s s a", "Invalid group line: [s",
                   {NUL_TAIL_INI("[s\0"sv, "\n[s]\na=1\n"sv)})),
    in_64_mb(prints("NulTailAfterHeader", "-f t.ini -s s a", "1\n",
                    {NUL_TAIL_INI("[s]\0"sv, "\na=1\n"sv)})),
    in_64_mb(fails("NulTailOnNameLine", "-f t.ini -s s a", no_value + "ab",
                   {NUL_TAIL_INI("[s]\nab\0"sv, "\nb=2\n"sv)})),
    in_64_mb(prints("NulTailOnValueLine", "-f t.ini -s s -l", "a=1\nb=2\n",
                    {NUL_TAIL_INI("[s]\na=1\0"sv, "\nb=2\n"sv)})),
    in_64_mb(prints("NulTailAfterBackslashContinues", "-f t.ini -s s -l", "a=1b=2\n",
                    {NUL_TAIL_INI("[s]\na=1\\\0"sv, "\nb=2\n"sv)})),
    in_64_mb(prints("NulTailOnContinuedValue", "-f t.ini -s s -l", "a=12\nb=2\n",
                    {NUL_TAIL_INI("[s]\na=1\\\n2\0"sv, "\nb=2\n"sv)})),
    in_64_mb(prints("NulTailBeforeCrLf", "-f t.ini -s s -l", "a=1\nb=2\n",
                    {NUL_TAIL_INI("[s]\na=1\0"sv, "\r\nb=2\r\n"sv)})),
    // The CR before the NUL stays in the line: the backslash is not last.
    in_64_mb(fails("NulTailAfterBackslashAndCr", "-f t.ini -s s a", no_value + "x",
                   {NUL_TAIL_INI("[s]\na=1\\\r\0"sv, "\r\nx\n"sv)})),
    in_64_mb(prints("NulTailOnLastLine", "-f t.ini -s s a", "1\n",
                    {NUL_TAIL_INI("[s]\na=1\0"sv, ""sv)})),
    in_64_mb(fails("NulTailOnLastLineAfterBackslash", "-f t.ini -s s a",
                   "Invalid input file - continuation at the last line",
                   {NUL_TAIL_INI("[s]\na=1\\\0"sv, ""sv)})),
    // glibc's fnmatch copies a subject as wide characters in a UTF-8
    // locale: 80 MB for this value, which it cannot have. No match is no
    // answer: the value must not pass the filter.
    in_64_mb(with(&e2e_case::elsewhere,
                  {{.libc = "musl",
                    .why = "musl's fnmatch needs no memory: the value fails the filter"}},
                  in_utf8(fails("GlobFilterOutOfMemory", "-m /* -f v.ini -s s -l",
                                "Could not allocate memory for matching: " + no_memory,
                                {{.name = "v.ini",
                                  .generate =
                                      [](std::FILE* f) {
                                        write_framed(f, "[s]\nv = ", "a", 20 * mebibyte, "\n");
                                      }}})))),
    // The limit itself is no failure.
    in_64_mb(reads("SmallRunFitsUnderTheLimit", "-s s a", "[s]\na = 1\n", "1\n")),
};

}  // namespace
}  // namespace inipick::e2e
