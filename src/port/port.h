// SPDX-License-Identifier: BSD-2-Clause
// What differs between the C libraries and systems inipick builds on,
// behind plain functions and constants found at configure time. Three
// things are asked where their speed-ups use them instead: the processor
// (the SIMD scans of backends/ini/block_scan.cc, AVX2 picked at run time,
// and of backends/ini/whitespace.h), the compiler (the GCC and Clang
// prefetch builtins of vars/name_index.h and vars/var_table.h) and the
// kernel (huge pages and populating in vars/zeroed_memory.cc).
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
