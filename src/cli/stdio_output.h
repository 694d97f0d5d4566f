// SPDX-License-Identifier: BSD-2-Clause
// The one way standard output is written: results, section names and the
// answers to queries all go through it.
#pragma once

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

  void write(std::string_view text) override {
    if (port::write_unlocked(text.data(), text.size(), out_) != text.size()) stop();
  }

  void put(char c) {
    if (port::put_unlocked(c, out_) == EOF) stop();
  }

  // Hands what is held to the system; fails as a write does.
  void flush();

 private:
  [[noreturn]] void stop();

  std::FILE* out_;
};

}  // namespace inipick
