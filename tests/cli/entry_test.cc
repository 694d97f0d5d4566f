// SPDX-License-Identifier: BSD-2-Clause
// Start-up pieces of the front end: the program name, the UTF-8 code set
// test, backend selection, the internal errors of a backend that lacks an
// operation, and memory running out before anything else catches it.
#include "cli/entry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "cli/backend_table.h"
#include "cli/run_sequence.h"
#include "port/getopt_reset.h"
#include "support/failing_allocation.h"
#include "support/test_support.h"

namespace inipick {
namespace {

using test::fails_with;
using test::test_run;

TEST(Entry, ProgramNameIsThePartAfterTheLastSlash) {
  const std::pair<const char*, const char*> cases[] = {
      {"inipick", "inipick"},
      {"/usr/bin/inipick", "inipick"},
      {"./a/b", "b"},
      {"/x", "x"},
      {"a//b", "b"},
      {"dir/", ""},
      {"no slash here", "no slash here"},
  };
  for (const auto& [argv0, expected] : cases) {
    EXPECT_STREQ(program_name(argv0), expected) << argv0;
  }
}

// In a child process: the entry point closes standard output.
TEST(EntryDeathTest, AllocationFailureReachingTheEntryPointIsStatusOne) {
  std::string program = "/usr/bin/inipick";
  std::string option = "-V";
  char* argv[] = {program.data(), option.data(), nullptr};
  EXPECT_EXIT(
      {
        const test::allocation_failure failure(1);
        std::exit(entry(2, argv));
      },
      ::testing::ExitedWithCode(1),
      "^inipick: Could not allocate memory: Cannot allocate memory\n$");
}

TEST(Entry, CodesetIsUtf8OnlyForFourSpellings) {
  const std::pair<const char*, bool> cases[] = {
      {"UTF-8", true},           {"UTF8", true},        {"utf-8", true},   {"utf8", true},
      {"Utf-8", false},          {"uTF-8", false},      {"UTF-8 ", false}, {"UTF-", false},
      {"UTF-16", false},         {"utf_8", false},      {"utf8x", false},  {"", false},
      {"ANSI_X3.4-1968", false}, {"ISO-8859-1", false},
  };
  for (const auto& [codeset, expected] : cases) {
    EXPECT_EQ(codeset_is_utf8(codeset), expected) << '"' << codeset << '"';
  }
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
