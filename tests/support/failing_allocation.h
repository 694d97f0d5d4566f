// SPDX-License-Identifier: BSD-2-Clause
// A seam in front of operator new, for the unit tests alone: it makes one
// chosen allocation fail, so that a test can see what the code does when
// memory runs out exactly there.
#pragma once

namespace inipick::test {

// While it lives, the count-th call of operator new from now on throws
// std::bad_alloc; every other call allocates as usual.
class allocation_failure {
 public:
  explicit allocation_failure(long count) noexcept;
  allocation_failure(const allocation_failure&) = delete;
  allocation_failure& operator=(const allocation_failure&) = delete;
  ~allocation_failure();

  // Whether that call has come and failed.
  [[nodiscard]] bool happened() const noexcept;
};

}  // namespace inipick::test
