// SPDX-License-Identifier: BSD-2-Clause
// Input as Windows shapes it: CR LF line ends, a Ctrl-Z byte, a program
// path with backslashes and ".EXE", names outside ASCII. They hold on every
// system; on Windows they show that the program moves bytes, not text.
#include "e2e_case.h"

namespace inipick::e2e {
namespace {

// Ctrl-Z (0x1A) ends a stream read in text mode; CR LF would become LF on
// the way in and every LF CR LF on the way out.
const std::string crlf_ini = "[s]\r\na = x\x1A" "y\r\nb = 2\r\n";
const std::string lf_listing = "a=x\x1A" "y\nb=2\n";

e2e_case named(const std::string& argv0, const std::string& windows_name) {
  const e2e_case c{.name = "ProgramNameFromWindowsPath",
                   .err = argv0 + ": No matching criteria specified\n",
                   .status = 1,
                   .argv0 = argv0};
  return on_libc("windows", "Windows' program name drops the folders before a backslash and .exe",
                 argv0 + ":", windows_name + ":", c);
}

INIPICK_E2E_CASES(WindowsShapes) = {
    reads("CrLfAndCtrlZFromFile", "-s s -l", crlf_ini, lf_listing),
    with_stdin(crlf_ini, prints("CrLfAndCtrlZFromStdin", "-f - -s s -l", lf_listing)),
    reads("CtrlZValueQuoted", "-S -N -s s a", crlf_ini, "a='x\x1A" "y'\n"),
    named("C:\\Tools\\IPK.EXE", "IPK"),
    // UTF-8 arguments and file names, whatever the system's code page.
    in_utf8(prints("NonAsciiFileAndName", {"-f", "caf\u00e9.ini", "-s", "s", "\u00f1ame"},
                   "cr\u00e8me\n",
                   {{.name = "caf\u00e9.ini", .content = "[s]\n\u00f1ame = cr\u00e8me\n"}})),
};

}  // namespace
}  // namespace inipick::e2e
