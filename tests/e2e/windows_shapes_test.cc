// SPDX-License-Identifier: BSD-2-Clause
// Input as Windows shapes it: a program path with backslashes and ".EXE",
// a Ctrl-Z byte quoted for the shell, a path longer than MAX_PATH, a long
// option after letters, which one getopt refused (the plain cases of CR
// LF, Ctrl-Z and names outside ASCII are in ini_format_test.cc and
// options_test.cc).
#include "e2e_case.h"

namespace inipick::e2e {
namespace {

// Ctrl-Z (0x1A) ends a stream read in text mode; CR LF would become LF on
// the way in and every LF CR LF on the way out.
const std::string crlf_ini =
    "[s]\r\na = x\x1A"
    "y\r\nb = 2\r\n";

e2e_case named(const std::string& argv0, const std::string& windows_name) {
  const e2e_case c{.name = "ProgramNameFromWindowsPath",
                   .err = argv0 + ": No matching criteria specified\n",
                   .status = 1,
                   .argv0 = argv0};
  return on_libc("windows", "Windows' program name drops the folders before a backslash and .exe",
                 argv0 + ":", windows_name + ":", c);
}

// Three folders of 100 characters: 300 and more, relative, with "/".
const std::string deep =
    std::string(100, 'd') + '/' + std::string(100, 'e') + '/' + std::string(100, 'f');

INIPICK_E2E_CASES(WindowsShapes) = {
    prints("FileAtAPathOfMoreThan260Characters", {"-f", deep + "/t.ini", "-s", "s", "a"}, "x\n",
           {{.name = deep, .is_directory = true},
            {.name = deep + "/t.ini", .content = "[s]\na=x\n"}}),
    prints("LongOptionAfterLettersInOneWord", "-x-help", usage_text),
    reads("CtrlZValueQuoted", "-S -N -s s a", crlf_ini,
          "a='x\x1A"
          "y'\n"),
    with_stdin(crlf_ini, prints("CtrlZValueQuotedFromStdin", "-S -N -f - -s s a b",
                                "a='x\x1A"
                                "y'\nb='2'\n")),
    named("C:\\Tools\\IPK.EXE", "IPK"),
};

}  // namespace
}  // namespace inipick::e2e
