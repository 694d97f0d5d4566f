// One end-to-end case: how to run the built binary and what it must print.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

namespace inipick::e2e {

// A file or directory made in the case's working directory before the run.
struct input_file {
  std::string name{};  // relative to the working directory
  std::string content{};
  // Writes content too big to keep as a literal; used instead of content.
  void (*generate)(std::FILE*) = nullptr;
  bool is_directory = false;
};

enum class stdout_target {
  captured,
  dev_full,  // every write fails with ENOSPC
  closed,    // descriptor 1 is not open at all
};

struct e2e_case {
  std::string name{};  // CamelCase: becomes the test's name
  std::vector<std::string> args{};
  std::string stdin_text{};
  std::vector<input_file> files{};
  std::vector<std::string> env = {"LC_ALL=C"};  // the whole environment
  std::string out{};
  std::string err{};
  int status = 0;

  // Rarely needed knobs.
  std::string (*make_out)() = nullptr;  // expected stdout, built at run time
  std::string argv0 = "inipick";
  bool stdin_closed = false;
  stdout_target stdout_to = stdout_target::captured;
  std::size_t address_space_mb = 0;  // RLIMIT_AS of the child; 0: unlimited
};

void PrintTo(const e2e_case& c, std::ostream* os);

class E2e : public ::testing::TestWithParam<e2e_case> {};

std::string case_name(const ::testing::TestParamInfo<e2e_case>& info);

// The 37-line usage text, shown by -h and after a bad option. Inline, so it
// is built before the case tables of every file that includes this header.
inline const std::string usage_text =
    "Usage:\n"
    "inipick [-cOSx] [-N | -n] [-f filename] [-m pattern] [-P postfix] [-p prefix]\n"
    "        [-s section] [-t type] var...\n"
    "\n"
    "inipick [-OSx] [-N | -n] [-f filename] [-m pattern] [-P postfix] [-p prefix]\n"
    "        [-s section] [-t type] -L pattern...\n"
    "\n"
    "inipick [-OSx] [-N | -n] [-f filename] [-m pattern] [-P postfix] [-p prefix]\n"
    "        [-s section] [-t type] -l\n"
    "inipick [-f filename] -q sections [-t type]\n"
    "\n"
    "inipick -q features\n"
    "inipick -q feature NAME\n"
    "\n"
    "inipick [-hTV]\n"
    "\n"
    "\t-c\tcheck if the variable is defined in the file;\n"
    "\t-f\tspecify the configuration file to read from,\n"
    "\t\tor \"-\" for standard input;\n"
    "\t-h\tdisplay usage information and exit;\n"
    "\t-L\tspecify which variables to display;\n"
    "\t-l\tlist all variables in the specified section;\n"
    "\t-m\tonly display values that match the specified pattern;\n"
    "\t-N\talways display the variable name;\n"
    "\t-n\tnever display the variable name;\n"
    "\t-O\tallow variables in the specified section to override\n"
    "\t\tthose placed before any section definitions;\n"
    "\t-P\tdisplay this string after the variable name;\n"
    "\t-p\tdisplay this string before the variable name;\n"
    "\t-q\tquery for a specific type of information, e.g. the list of\n"
    "\t\tsections defined in the configuration file;\n"
    "\t-S\tquote the values suitably for the Bourne shell;\n"
    "\t-s\tspecify the configuration section to read;\n"
    "\t-T\tlist the available configuration file types;\n"
    "\t-t\tspecify the configuration file type;\n"
    "\t-x\ttreat the match patterns as regular expressions;\n"
    "\t-V\tdisplay program version information and exit.\n";

// Writes n bytes of c to f in large blocks.
void write_repeated(std::FILE* f, char c, std::size_t n);

}  // namespace inipick::e2e

#define INIPICK_E2E_CASES(group, table) \
  INSTANTIATE_TEST_SUITE_P(group, E2e, ::testing::ValuesIn(table), case_name)
