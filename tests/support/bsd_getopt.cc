// SPDX-License-Identifier: BSD-2-Clause
// A getopt with the traditional BSD semantics (those of FreeBSD's and
// macOS's C library), linked in place of the system's by a build with
// INIPICK_TEST_BSD_GETOPT, so that option reading is tested as it runs
// there:
// - optind = 0 is taken literally, so reading starts at argv[0]; a reset
//   is optreset = 1 with optind = 1;
// - a leading "+" in the option string is an option letter like any other;
// - a lone "-" is option '-' when the option string holds one, and ends the
//   options otherwise;
// - no permuting: the first operand ends the options.
// Its diagnostics read like glibc's, so that the same expected output
// serves both runs. No system header declares these here on purpose: the
// definitions must not meet the C library's declarations.
#include <cstdio>
#include <cstring>

extern "C" {

char* optarg = nullptr;
int optind = 1;
int opterr = 1;
int optopt = 0;
int optreset = 0;

int getopt(int argc, char* const argv[], const char* options) {
  static const char* place = "";  // the rest of the word being read
  if (optreset != 0 || *place == '\0') {
    optreset = 0;
    if (optind >= argc || argv[optind][0] != '-') {
      place = "";
      return -1;
    }
    place = argv[optind] + 1;
    optopt = *place++;
    if (optopt == '-' && *place == '\0') {  // "--"
      ++optind;
      place = "";
      return -1;
    }
    if (optopt == '\0') {  // a lone "-"
      place = "";
      if (std::strchr(options, '-') == nullptr) return -1;
      optopt = '-';
    }
  } else {
    optopt = *place++;
  }

  const char* entry = optopt == ':' ? nullptr : std::strchr(options, optopt);
  if (entry == nullptr) {
    if (*place == '\0') ++optind;
    if (opterr != 0 && options[0] != ':') {
      std::fprintf(stderr, "%s: invalid option -- '%c'\n", argv[0], optopt);
    }
    return '?';
  }
  if (entry[1] != ':') {
    optarg = nullptr;
    if (*place == '\0') ++optind;
    return optopt;
  }
  if (*place != '\0') {
    optarg = const_cast<char*>(place);
  } else if (++optind < argc) {
    optarg = argv[optind];
  } else {
    place = "";
    if (options[0] == ':') return ':';
    if (opterr != 0) {
      std::fprintf(stderr, "%s: option requires an argument -- '%c'\n", argv[0], optopt);
    }
    return '?';
  }
  place = "";
  ++optind;
  return optopt;
}

}  // extern "C"
