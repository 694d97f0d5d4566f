// SPDX-License-Identifier: BSD-2-Clause
// The process's hash key.
#include "vars/keyed_hash.h"

#include <unistd.h>

#include <chrono>

#include "port/random_bytes.h"

namespace inipick {
namespace {

// Where the system has no random source at all, a key that differs from
// run to run and between processes is still far better than a fixed one.
hash_key fallback_key() noexcept {
  const auto now =
      static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
  const auto here = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(&now));
  const hash_key mixer{now, static_cast<std::uint64_t>(::getpid())};
  const std::string_view where(reinterpret_cast<const char*>(&here), sizeof here);
  return {siphash<2, 4>(mixer, where), siphash<2, 4>(mixer, "inipick")};
}

}  // namespace

hash_key detail::take_process_key() noexcept {
  unsigned char bytes[16];
  if (!port::random_bytes(bytes, sizeof bytes)) return fallback_key();
  return {load_le64(bytes), load_le64(bytes + 8)};
}

}  // namespace inipick
