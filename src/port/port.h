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

#if INIPICK_HAVE_FPENDING
#include <stdio_ext.h>
#endif

namespace inipick::port {

// One thread writes: where the C library has it, a write that skips the
// stream's lock.
inline void write_unlocked(const void* data, std::size_t size, std::FILE* out) noexcept {
#if INIPICK_HAVE_FWRITE_UNLOCKED
  fwrite_unlocked(data, 1, size, out);
#else
  std::fwrite(data, 1, size, out);
#endif
}

// The same for one byte.
inline void put_unlocked(char c, std::FILE* out) noexcept {
#if INIPICK_HAVE_PUTC_UNLOCKED
  putc_unlocked(c, out);
#else
  std::putc(c, out);
#endif
}

// Whether out holds bytes not yet handed to the system. Where the C library
// cannot tell, no: those bytes then fail in the flush that follows.
inline bool output_pending(std::FILE* out) noexcept {
#if INIPICK_HAVE_FPENDING
  return __fpending(out) != 0;
#else
  (void)out;
  return false;
#endif
}

// Whether getopt must be told, with a leading "+", to stop at the first
// operand: elsewhere "+" would be an option letter.
inline constexpr bool getopt_permutes = INIPICK_GETOPT_PERMUTES != 0;

}  // namespace inipick::port
