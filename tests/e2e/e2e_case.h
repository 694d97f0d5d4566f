// SPDX-License-Identifier: BSD-2-Clause
// One end-to-end case: how to run the built binary and what it must print,
// and builders for the case tables, which include only this header.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <ostream>
#include <sstream>
#include <string>
#include <type_traits>
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

// What a case prints under a C library that answers otherwise than glibc,
// whose answer the case itself states.
struct libc_answer {
  std::string libc{};  // as INIPICK_TEST_LIBC names it
  std::string why{};   // printed whenever this answer is expected
  std::string out{};
  std::string err{};
  int status = 0;
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
  void (*generate_stdin)(std::FILE*) = nullptr;  // instead of stdin_text
  bool stdin_closed = false;
  stdout_target stdout_to = stdout_target::captured;
  std::size_t address_space_mb = 0;  // RLIMIT_AS of the child; 0: unlimited
  std::vector<libc_answer> elsewhere{};
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

// Builders for the recurring shapes of a case. The words of a command line
// are a braced list, or one string cut at whitespace when no word is empty or
// holds whitespace: "-f app.ini -s db host".
struct words {
  std::vector<std::string> list;
  words(std::initializer_list<std::string> l) : list(l) {}
  words(const char* line) {
    std::istringstream in(line);
    for (std::string word; in >> word;) list.push_back(word);
  }
};
inline words operator+(words head, const words& tail) {
  head.list.insert(head.list.end(), tail.list.begin(), tail.list.end());
  return head;
}

// Succeeds and prints out, nothing on stderr.
inline e2e_case prints(const std::string& name, const words& args, const std::string& out,
                       const std::vector<input_file>& files = {}) {
  return {.name = name, .args = args.list, .files = files, .out = out};
}
// Status 1, nothing on stdout, "inipick: <message>" on stderr.
inline e2e_case fails(const std::string& name, const words& args, const std::string& message,
                      const std::vector<input_file>& files = {}) {
  return {.name = name,
          .args = args.list,
          .files = files,
          .err = "inipick: " + message + "\n",
          .status = 1};
}
// The case where libc answers it otherwise: what it prints there, with
// from replaced by to, and why.
inline e2e_case on_libc(const std::string& libc, const std::string& why, const std::string& from,
                        const std::string& to, e2e_case c) {
  libc_answer a{.libc = libc, .why = why, .out = c.out, .err = c.err, .status = c.status};
  for (std::string* text : {&a.out, &a.err}) {
    for (std::size_t at = 0; (at = text->find(from, at)) != std::string::npos; at += to.size()) {
      text->replace(at, from.size(), to);
    }
  }
  c.elsewhere.push_back(a);
  return c;
}

// getopt's complaint about an option letter, in the words of each C library
// (on Windows, the program's own getopt, in glibc's).
struct getopt_complaint {
  std::string glibc;
  std::string musl;
};
inline getopt_complaint unknown_letter(char letter) {
  return {std::string("invalid option -- '") + letter + "'",
          std::string("unrecognized option: ") + letter};
}
inline getopt_complaint missing_argument(char letter) {
  return {std::string("option requires an argument -- '") + letter + "'",
          std::string("option requires an argument: ") + letter};
}

// A bad option: fails with getopt's complaint followed by the usage text.
inline e2e_case rejected(const std::string& name, const words& args,
                         const getopt_complaint& complaint,
                         const std::vector<input_file>& files = {}) {
  e2e_case c = fails(name, args, complaint.glibc, files);
  c.err += usage_text;
  return on_libc("musl", "musl's getopt words its complaints otherwise", complaint.glibc,
                 complaint.musl, c);
}

// t.ini holding content, and inipick -f t.ini <args> run on it.
inline input_file ini(const std::string& content) { return {.name = "t.ini", .content = content}; }
inline e2e_case reads(const std::string& name, const words& args, const std::string& content,
                      const std::string& out) {
  return prints(name, "-f t.ini" + args, out, {ini(content)});
}
inline e2e_case rejects(const std::string& name, const words& args, const std::string& content,
                        const std::string& message) {
  return fails(name, "-f t.ini" + args, message, {ini(content)});
}

// The small file most option and output cases read.
inline const input_file app_ini{
    .name = "app.ini",
    .content = "top = level\n[db]\nhost = alpha\nport = 5432\n[web]\nport = 80\n"};
inline e2e_case on_app(const std::string& name, const words& args, const std::string& out) {
  return prints(name, args, out, {app_ini});
}
inline e2e_case fails_on_app(const std::string& name, const words& args,
                             const std::string& message) {
  return fails(name, args, message, {app_ini});
}

// The case with one field changed: with(&e2e_case::status, 1, c).
template <class T>
e2e_case with(T e2e_case::*field, const std::type_identity_t<T>& value, e2e_case c) {
  c.*field = value;
  return c;
}
// The whole environment instead of LC_ALL=C.
inline e2e_case with_env(const std::vector<std::string>& env, const e2e_case& c) {
  return with(&e2e_case::env, env, c);
}
inline e2e_case in_utf8(const e2e_case& c) { return with_env({"LC_ALL=C.UTF-8"}, c); }
// With no locale named, or one it does not have, glibc stays in "C"; musl
// takes C.UTF-8 for any name but C and POSIX, and for none, printing out;
// Windows takes UTF-8 for none.
inline e2e_case unknown_locale(const std::vector<std::string>& env, const std::string& out,
                               const e2e_case& c) {
  e2e_case u = with_env(env, c);
  u.elsewhere.push_back({.libc = "musl",
                         .why = "musl's setlocale takes any name, and none, for C.UTF-8",
                         .out = out});
  if (env.empty()) {
    u.elsewhere.push_back(
        {.libc = "windows", .why = "Windows takes UTF-8 where no locale is named", .out = out});
  }
  return u;
}
inline e2e_case with_stdin(const std::string& text, const e2e_case& c) {
  return with(&e2e_case::stdin_text, text, c);
}

inline const std::string single_query = "Only a single query at a time, please!";

}  // namespace inipick::e2e

// Heads a table whose cases become the tests Group/E2e.Run/<name>:
//   INIPICK_E2E_CASES(Group) = {prints(...), fails(...)};
// gtest reads the table in InitGoogleTest, once every table is built.
#define INIPICK_E2E_CASES(group)                                                       \
  extern const std::vector<e2e_case> group##_cases;                                    \
  INSTANTIATE_TEST_SUITE_P(group, E2e, ::testing::ValuesIn(group##_cases), case_name); \
  const std::vector<e2e_case> group##_cases
