// SPDX-License-Identifier: BSD-2-Clause
// What differs between the C libraries, systems and processors inipick
// runs on, behind plain functions and constants: found at configure time
// (port/config.h), or asked of the processor once, at run time
// (cpu_features.h). No other code asks where the program runs. The
// speed-ups ask only what the build targets, at compile time: the
// instruction set of the SIMD scans (backends/ini/block_scan.cc and
// whitespace.h), the prefetch builtins of GCC and Clang (vars/name_index.h,
// vars/var_table.h) and the madvise hints the headers define
// (zeroed_pages_posix.cc). Where whole files differ, a file per system sits
// beside the header: name_posix.cc, name_win32.cc.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "port/config.h"

#if INIPICK_HAVE___FPURGE
#include <stdio_ext.h>
#endif

namespace inipick::port {

// One thread writes: where the C library has them, calls that skip the
// stream's lock. Each returns what its stdio counterpart returns.
inline std::size_t write_unlocked(const void* data, std::size_t size, std::FILE* out) noexcept {
#if INIPICK_HAVE_FWRITE_UNLOCKED
  return fwrite_unlocked(data, 1, size, out);
#else
  return std::fwrite(data, 1, size, out);
#endif
}

inline int put_unlocked(char c, std::FILE* out) noexcept {
#if INIPICK_HAVE_PUTC_UNLOCKED
  return putc_unlocked(c, out);
#else
  return std::putc(c, out);
#endif
}

// Whether out's error indicator is set. A line-buffered stream takes the
// whole text and fails only in the flush it makes after it: fwrite still
// returns the full count.
inline bool stream_failed(std::FILE* out) noexcept {
#if INIPICK_HAVE_FERROR_UNLOCKED
  return ferror_unlocked(out) != 0;
#else
  return std::ferror(out) != 0;
#endif
}

// Throws away what out holds and has not handed to the system, so that no
// later flush, not even the one at exit, writes it.
void discard_pending_output(std::FILE* out) noexcept;

// Whether getopt must be told, with a leading "+", to stop at the first
// operand: elsewhere "+" would be an option letter.
inline constexpr bool getopt_permutes = INIPICK_GETOPT_PERMUTES != 0;

}  // namespace inipick::port
