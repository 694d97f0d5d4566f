// SPDX-License-Identifier: BSD-2-Clause
// CPUID says what the processor has; XGETBV says whether the operating
// system saves the wider registers on a context switch, without which AVX
// instructions would corrupt them.
#include "port/cpu_features.h"

#include <cstdint>

#include "port/config.h"

#if INIPICK_HAVE_CPUID_H
#include <cpuid.h>
#endif

namespace inipick::port {
namespace {

#if INIPICK_HAVE_CPUID_H
// XCR0, the register states the operating system saves. Only to be read
// when CPUID reports OSXSAVE.
std::uint64_t saved_register_states() noexcept {
  std::uint32_t low = 0;
  std::uint32_t high = 0;
  __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(0));
  return (std::uint64_t{high} << 32) | low;
}

bool detect_avx2() noexcept {
  unsigned eax = 0;
  unsigned ebx = 0;
  unsigned ecx = 0;
  unsigned edx = 0;
  if (__get_cpuid(1, &eax, &ebx, &ecx, &edx) == 0) return false;
  constexpr unsigned osxsave = 1U << 27;
  constexpr unsigned avx = 1U << 28;
  if ((ecx & osxsave) == 0 || (ecx & avx) == 0) return false;
  constexpr std::uint64_t xmm_and_ymm = 0x6;
  if ((saved_register_states() & xmm_and_ymm) != xmm_and_ymm) return false;
  if (__get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx) == 0) return false;
  constexpr unsigned avx2 = 1U << 5;
  return (ebx & avx2) != 0;
}
#endif

}  // namespace

bool cpu_runs_avx2() noexcept {
#if INIPICK_HAVE_CPUID_H
  static const bool runs = detect_avx2();
  return runs;
#else
  return false;
#endif
}

}  // namespace inipick::port
