// SPDX-License-Identifier: BSD-2-Clause
// What the processor runs beyond the baseline the build targets, read from
// the processor itself: the compiler's own check needs a symbol of its
// runtime library (__cpu_model) that not every toolchain links.
#pragma once

namespace inipick::port {

// Whether the processor runs AVX2 and the operating system saves the
// registers it uses. Asked once; false off x86.
[[nodiscard]] bool cpu_runs_avx2() noexcept;

}  // namespace inipick::port
