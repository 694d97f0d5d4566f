// SPDX-License-Identifier: BSD-2-Clause
// Start-up pieces of the front end: the program name, backend selection,
// the internal errors of a backend that lacks an operation, and memory
// running out before anything else catches it.
#include "cli/entry.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "cli/backend_table.h"
#include "cli/run_sequence.h"
#include "port/file_names.h"
#include "port/getopt_reset.h"
#include "support/failing_allocation.h"
#include "support/test_support.h"

namespace inipick {
namespace {

using test::fails_with;
using test::test_run;

struct program_name_case {
  const char* argv0;
  const char* posix;
  const char* windows;
};

// Both rules are checked everywhere; program_name() follows this system's.
TEST(Entry, ProgramNameIsThePartAfterTheLastSeparator) {
  const program_name_case cases[] = {
      {"inipick", "inipick", "inipick"},
      {"/usr/bin/inipick", "inipick", "inipick"},
      {"./a/b", "b", "b"},
      {"/x", "x", "x"},
      {"a//b", "b", "b"},
      {"dir/", "", ""},
      {"no slash here", "no slash here", "no slash here"},
      {"Z:\\bin\\inipick.exe", "Z:\\bin\\inipick.exe", "inipick"},
      {"C:\\Tools\\INIPICK.EXE", "C:\\Tools\\INIPICK.EXE", "INIPICK"},
      {"a\\b/c.Exe", "c.Exe", "c"},
      {"a/b\\c", "b\\c", "c"},
      {"dir\\", "dir\\", ""},
      {"inipick.exe.exe", "inipick.exe.exe", "inipick.exe"},
      {"x.exe/inipick", "inipick", "inipick"},
      {"inipick.ex", "inipick.ex", "inipick.ex"},
      {"inipickexe", "inipickexe", "inipickexe"},
      {".exe", ".exe", ""},
  };
  for (const auto& [argv0, posix, windows] : cases) {
    EXPECT_EQ(port::program_file_name(argv0, false), posix) << argv0;
    EXPECT_EQ(port::program_file_name(argv0, true), windows) << argv0;
    EXPECT_EQ(program_name(argv0), port::windows_file_names ? windows : posix) << argv0;
  }
  EXPECT_EQ(program_name(nullptr), "inipick");
  EXPECT_EQ(program_name(""), "inipick");
}

// In a child process: the entry point closes standard output.
TEST(EntryDeathTest, AllocationFailureReachingTheEntryPointIsStatusOne) {
  std::string program = "/usr/bin/inipick";
  std::string option = "-V";
  char* argv[] = {program.data(), option.data(), nullptr};
  const std::string message =
      "^inipick: Could not allocate memory: " + std::string(std::strerror(ENOMEM)) + "\n$";
  EXPECT_EXIT(
      {
        const test::allocation_failure failure(1);
        std::exit(entry(2, argv));
      },
      ::testing::ExitedWithCode(1), message);
}

TEST(Entry, BackendSelectTakesAnyPrefixOfAName) {
  for (const char* type : {"", "i", "in", "ini"}) {
    test_run t;
    t.r.selected_backend = nullptr;
    backend_select(t.r, type);
    EXPECT_EQ(t.r.selected_backend, &backend_table[0]) << '"' << type << '"';
  }
  for (const char* type : {"INI", "inix", "n", "x", "ini "}) {
    test_run t;
    EXPECT_TRUE(fails_with([&] { backend_select(t.r, type); }, 1,
                           "Unknown backend '" + std::string(type) + "'"));
  }
}

// Records which operations of the test backend ran, in order.
std::string calls;
void record_open(backend_context&) { calls += "open "; }
void record_read(backend_context&) { calls += "read "; }
void record_close(backend_context&) { calls += "close "; }

struct internal_error_case {
  backend partial;
  const char* missing;
  const char* ran_before;
};

TEST(Entry, BackendLackingAnOperationIsAnInternalError) {
  const internal_error_case cases[] = {
      {{"half", nullptr, record_read, record_close}, "openfile", ""},
      {{"half", record_open, nullptr, record_close}, "readfile", "open "},
      {{"broken", record_open, record_read, nullptr}, "closefile", "open read "},
  };
  for (const internal_error_case& c : cases) {
    SCOPED_TRACE(c.missing);
    test_run t;
    t.r.selected_backend = &c.partial;
    calls.clear();
    std::vector<std::string> words = {"inipick", "-l"};
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    getopt_reset();
    EXPECT_TRUE(fails_with([&] { run_sequence(t.r, 2, argv.data()); }, 2,
                           "INTERNAL ERROR: backend '" + std::string(c.partial.name) +
                               "' does not define a " + c.missing + " routine\n"));
    EXPECT_EQ(calls, c.ran_before);
    EXPECT_EQ(t.out.str(), "");
  }
}

}  // namespace
}  // namespace inipick
