// SPDX-License-Identifier: BSD-2-Clause
// The program's own getopt (getopt.h), for where the C library's differs.
#include "port/getopt.h"

#include <cstdio>
#include <cstring>

namespace inipick::port::own {

char* optarg = nullptr;
int optind = 1;
int opterr = 1;
int optopt = 0;

namespace {

const char* place = "";  // the letters of the current word not yet read

void complain(const char* program, const char* what) {
  if (opterr != 0) std::fprintf(stderr, "%s: %s -- '%c'\n", program, what, optopt);
}

}  // namespace

int getopt(int argc, char* const argv[], const char* options) noexcept {
  if (optind == 0) {
    optind = 1;
    place = "";
  }
  optarg = nullptr;
  if (*place == '\0') {
    const char* word = optind < argc ? argv[optind] : nullptr;
    if (word == nullptr || word[0] != '-' || word[1] == '\0') return -1;
    if (word[1] == '-' && word[2] == '\0') {
      ++optind;
      return -1;
    }
    place = word + 1;
  }
  optopt = static_cast<unsigned char>(*place++);
  // ':' only marks arguments in the option string.
  const char* entry = optopt == ':' ? nullptr : std::strchr(options, optopt);
  if (entry == nullptr) {
    if (*place == '\0') ++optind;
    complain(argv[0], "invalid option");
    return '?';
  }
  if (entry[1] != ':') {
    if (*place == '\0') ++optind;
    return optopt;
  }
  if (*place != '\0') {
    optarg = const_cast<char*>(place);
    ++optind;
  } else if (optind + 1 < argc) {
    optarg = argv[optind + 1];
    optind += 2;
  } else {
    ++optind;
    place = "";
    complain(argv[0], "option requires an argument");
    return '?';
  }
  place = "";
  return optopt;
}

}  // namespace inipick::port::own
