// SPDX-License-Identifier: BSD-2-Clause
// Every system the suite runs on has a random source that answers: the
// fallback key is for the systems that refuse.
#include "port/random_bytes.h"

#include <gtest/gtest.h>

#include <cstring>

namespace inipick {
namespace {

TEST(RandomBytes, TheSystemAnswersAndTwoDrawsDiffer) {
  unsigned char a[16] = {};
  unsigned char b[16] = {};
  ASSERT_TRUE(port::random_bytes(a, sizeof a));
  ASSERT_TRUE(port::random_bytes(b, sizeof b));
  EXPECT_NE(std::memcmp(a, b, sizeof a), 0);
}

}  // namespace
}  // namespace inipick
