// SPDX-License-Identifier: BSD-2-Clause
// The one way standard output is written: results, section names and the
// answers to queries all go through it.
#pragma once

#include <cerrno>
#include <cstdio>
#include <string_view>

#include "base/text_output.h"
#include "port/port.h"

namespace inipick {

// Every write is checked. At the first that fails the run stops, so the
// reader is left with a prefix of the output, never bytes from beyond a
// gap. What the stream still holds is thrown away: glibc and musl drop what
// failed, but the BSDs keep it for a later flush, which exit would make
// after the message.
class stdio_output final : public text_output {
 public:
  explicit stdio_output(std::FILE* out) noexcept : out_(out) {}

  // errno is cleared first: a stream may fail without setting it, and an
  // old value would name the wrong error.
  void write(std::string_view text) override {
    errno = 0;
    if (port::write_unlocked(text.data(), text.size(), out_) != text.size() ||
        port::stream_failed(out_)) {
      stop();
    }
  }

  void put(char c) {
    errno = 0;
    if (port::put_unlocked(c, out_) == EOF || port::stream_failed(out_)) stop();
  }

  // Hands what is held to the system; fails as a write does.
  void flush();

 private:
  [[noreturn]] void stop();

  std::FILE* out_;
  int error_ = 0;  // the first failure's
};

}  // namespace inipick
