// SPDX-License-Identifier: BSD-2-Clause
// BCryptGenRandom with the system's preferred generator: no algorithm
// handle to open, and available on every Windows the C runtime runs on.
#include <windows.h>
// windows.h first: bcrypt.h needs its types.
#include <bcrypt.h>

#include "port/random_bytes.h"

namespace inipick::port {

bool random_bytes(void* data, std::size_t size) noexcept {
  return BCRYPT_SUCCESS(::BCryptGenRandom(nullptr, static_cast<PUCHAR>(data),
                                          static_cast<ULONG>(size),
                                          BCRYPT_USE_SYSTEM_PREFERRED_RNG));
}

}  // namespace inipick::port
