// SPDX-License-Identifier: BSD-2-Clause
// Classifies a block of input, just read, in one pass: where its line feeds
// are, as one 64-bit mask for every 64 bytes, and where its first NUL byte
// is. Lines are then taken with a few bit operations each, and the block is
// never searched again.
//
// The pass runs with AVX2 where the processor has it (src/port asks it
// once, at run time), with SSE2 on other x86-64 processors, with NEON on 64-bit ARM, and
// a byte at a time elsewhere. The byte-at-a-time scan is the reference: a
// unit test holds every other scan the build has to it, byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace inipick {

// Sets masks[j] for j < (n + 63) / 64: bit i when p[64 j + i] is a line
// feed; bits past n stay clear. Reads no byte outside p[0, n). Returns the
// offset of the first NUL byte, or n when there is none.
using block_scanner = std::size_t (*)(const char* p, std::size_t n, std::uint64_t* masks) noexcept;

struct named_block_scanner {
  const char* name;
  block_scanner scan;
};

// The fastest scan this processor runs.
[[nodiscard]] block_scanner best_block_scanner() noexcept;

// Every scan this build holds that this processor runs, the reference
// ("bytewise") first.
[[nodiscard]] std::span<const named_block_scanner> block_scanners() noexcept;

}  // namespace inipick
