// SPDX-License-Identifier: BSD-2-Clause
// What a stream holds when it is discarded never reaches its file, not even
// at a later flush. The build switch INIPICK_TEST_NULL_DEVICE_DISCARD tries
// the null-device way of systems without a purge call.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "port/port.h"
#include "support/test_support.h"

namespace inipick {
namespace {

TEST(DiscardOutput, HeldBytesNeverReachTheFile) {
  std::FILE* out = std::tmpfile();
  ASSERT_NE(out, nullptr);
  char buffer[256];
  std::setvbuf(out, buffer, _IOFBF, sizeof buffer);
  std::fputs("sent\n", out);
  std::fflush(out);
  // The file itself, whatever becomes of the stream's descriptor.
  const test::unique_fd file(::dup(fileno(out)));
  ASSERT_GE(file.get(), 0);
  std::fputs("held back\n", out);
  port::discard_pending_output(out);
  std::fflush(out);
  std::fclose(out);
  std::string bytes(64, '\0');
  ASSERT_EQ(::lseek(file.get(), 0, SEEK_SET), 0);
  const ssize_t n = ::read(file.get(), bytes.data(), bytes.size());
  ASSERT_GE(n, 0);
  bytes.resize(static_cast<std::size_t>(n));
  EXPECT_EQ(bytes, "sent\n");
}

}  // namespace
}  // namespace inipick
