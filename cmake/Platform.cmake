# SPDX-License-Identifier: BSD-2-Clause
# What this system's C library and compiler offer, found by trying them and
# written to port/config.h for src/port/port.h: the code never guesses from
# system macros. Included from src/, so the fuzz build finds the same.
include(CheckCXXSourceRuns)
include(CheckCXXSymbolExists)
include(CheckIncludeFileCXX)

check_cxx_symbol_exists(fwrite_unlocked "stdio.h" INIPICK_HAVE_FWRITE_UNLOCKED)
check_cxx_symbol_exists(putc_unlocked "stdio.h" INIPICK_HAVE_PUTC_UNLOCKED)
# Discarding what a stream holds: glibc, musl and Solaris, then the BSDs.
check_cxx_symbol_exists(__fpurge "stdio.h;stdio_ext.h" INIPICK_HAVE___FPURGE)
check_cxx_symbol_exists(fpurge "stdio.h" INIPICK_HAVE_FPURGE)
check_cxx_symbol_exists(ferror_unlocked "stdio.h" INIPICK_HAVE_FERROR_UNLOCKED)
# Test only: discard by the null device even where a purge call exists, so
# that the fallback of systems without one is tried here too.
option(INIPICK_TEST_NULL_DEVICE_DISCARD "Test only: discard output through the null device" OFF)
if(INIPICK_TEST_NULL_DEVICE_DISCARD)
  set(INIPICK_HAVE___FPURGE OFF)
  set(INIPICK_HAVE_FPURGE OFF)
endif()
# Globs: the C library's fnmatch, else the program's own matcher.
check_cxx_symbol_exists(fnmatch "fnmatch.h" INIPICK_HAVE_FNMATCH)
# The hash key's source: random_bytes_posix.cc is built for the first of
# these the C library has, and calls that one alone.
check_cxx_symbol_exists(getentropy "unistd.h;sys/random.h" INIPICK_HAVE_GETENTROPY)
check_cxx_symbol_exists(getrandom "sys/random.h" INIPICK_HAVE_GETRANDOM)
check_cxx_symbol_exists(arc4random_buf "stdlib.h" INIPICK_HAVE_ARC4RANDOM_BUF)
# CPUID and XGETBV, on x86 only, for what the processor runs: the
# compiler's __builtin_cpu_supports needs its runtime library's __cpu_model,
# which Zig's, for one, lacks.
check_include_file_cxx(cpuid.h INIPICK_HAVE_CPUID_H)

# A getopt that reads "-x-help" otherwise than as option 'x', then option
# '-' with "help" (mingw-w64's refuses "-" after other letters), or "--help"
# otherwise than as option '-' with "help", is replaced by the program's
# own, src/port/getopt.cc.
if(INIPICK_TEST_BSD_GETOPT)
  set(INIPICK_OWN_GETOPT OFF)
elseif(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR AND NOT DEFINED INIPICK_OWN_GETOPT)
  # mingw-w64's is the one known to differ.
  if(WIN32)
    set(own ON)
  else()
    set(own OFF)
  endif()
  message(STATUS "Cannot run target programs: INIPICK_OWN_GETOPT=${own}, the answer for this "
                 "system's usual C library")
  set(INIPICK_OWN_GETOPT ${own} CACHE BOOL "Whether the program's own getopt replaces the C library's")
elseif(NOT DEFINED INIPICK_OWN_GETOPT)
  check_cxx_source_runs([=[
    #include <string.h>
    #include <unistd.h>
    int main() {
      char program[] = "x", grouped[] = "-x-help", alone[] = "--help";
      char* argv[] = {program, grouped, alone, nullptr};
      opterr = 0;
      if (getopt(3, argv, "x-:") != 'x') return 1;
      for (int i = 0; i < 2; ++i) {
        if (getopt(3, argv, "x-:") != '-' || strcmp(optarg, "help") != 0) return 1;
      }
      return getopt(3, argv, "x-:") == -1 && optind == 3 ? 0 : 1;
    }]=] INIPICK_LIBC_GETOPT_READS_GROUPED_HYPHEN)
  if(INIPICK_LIBC_GETOPT_READS_GROUPED_HYPHEN)
    set(INIPICK_OWN_GETOPT OFF CACHE BOOL "Whether the program's own getopt replaces the C library's")
  else()
    set(INIPICK_OWN_GETOPT ON CACHE BOOL "Whether the program's own getopt replaces the C library's")
  endif()
endif()

if(INIPICK_TEST_BSD_GETOPT)
  # The getopt linked in for the tests is the BSD one, as on FreeBSD and
  # macOS: it has optreset and does not permute.
  set(INIPICK_HAVE_OPTRESET ON)
  set(INIPICK_GETOPT_PERMUTES OFF)
elseif(INIPICK_OWN_GETOPT)
  # The own getopt resets at optind = 0 and never permutes.
  set(INIPICK_HAVE_OPTRESET OFF)
  set(INIPICK_GETOPT_PERMUTES OFF)
else()
  check_cxx_symbol_exists(optreset "unistd.h;getopt.h" INIPICK_HAVE_OPTRESET)
  # A getopt that moves options found after operands to the front (GNU's)
  # must be told not to with a leading "+"; any other takes "+" as a letter.
  if(CMAKE_CROSSCOMPILING AND NOT CMAKE_CROSSCOMPILING_EMULATOR AND NOT DEFINED INIPICK_GETOPT_PERMUTES)
    message(STATUS "Cannot run target programs: assuming a permuting getopt "
                   "(set INIPICK_GETOPT_PERMUTES=OFF for a BSD C library)")
    set(INIPICK_GETOPT_PERMUTES ON CACHE BOOL "Whether getopt permutes the command line")
  elseif(NOT DEFINED INIPICK_GETOPT_PERMUTES)
    check_cxx_source_runs([=[
      #include <stdlib.h>
      #include <unistd.h>
      int main() {
        unsetenv("POSIXLY_CORRECT");
        char program[] = "x", operand[] = "operand", option[] = "-a";
        char* argv[] = {program, operand, option, nullptr};
        opterr = 0;
        return getopt(3, argv, "a") == 'a' ? 0 : 1;
      }]=] INIPICK_GETOPT_PERMUTES)
  endif()
endif()

# Windows' file names: paths separated by "\" too, programs named "*.exe".
if(WIN32)
  set(INIPICK_WINDOWS_FILE_NAMES_01 1)
else()
  set(INIPICK_WINDOWS_FILE_NAMES_01 0)
endif()

foreach(flag INIPICK_HAVE_FWRITE_UNLOCKED INIPICK_HAVE_PUTC_UNLOCKED INIPICK_HAVE_FERROR_UNLOCKED
             INIPICK_HAVE___FPURGE INIPICK_HAVE_FPURGE INIPICK_HAVE_FNMATCH
             INIPICK_HAVE_OPTRESET INIPICK_GETOPT_PERMUTES INIPICK_OWN_GETOPT
             INIPICK_HAVE_GETENTROPY INIPICK_HAVE_GETRANDOM INIPICK_HAVE_ARC4RANDOM_BUF
             INIPICK_HAVE_CPUID_H)
  if(${flag})
    set(${flag}_01 1)
  else()
    set(${flag}_01 0)
  endif()
endforeach()
