// SPDX-License-Identifier: BSD-2-Clause
// Replaces the global operator new and delete of the unit tests' binary.
#include "support/failing_allocation.h"

#include <cstdlib>
#include <new>

namespace {

// Calls left before the one that fails; zero when disarmed. The tests run
// on one thread.
long calls_left = 0;
bool failed = false;

void* allocate(std::size_t size) {
  if (calls_left > 0 && --calls_left == 0) {
    failed = true;
    throw std::bad_alloc();
  }
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}

}  // namespace

// Every form, the nothrow ones too: a form left to the runtime would hand
// its block to the delete below, which a sanitizer rejects as a mismatch.
void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  try {
    return allocate(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept {
  return operator new(size, tag);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace inipick::test {

allocation_failure::allocation_failure(long count) noexcept {
  calls_left = count;
  failed = false;
}

allocation_failure::~allocation_failure() { calls_left = 0; }

bool allocation_failure::happened() const noexcept { return failed; }

}  // namespace inipick::test
