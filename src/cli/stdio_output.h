// SPDX-License-Identifier: BSD-2-Clause
// Printed text on a stdio stream, for the floors that print through a
// text_output.
#pragma once

#include <cstdio>
#include <string_view>

#include "base/fatal_error.h"
#include "base/text_output.h"
#include "port/port.h"

namespace inipick {

class stdio_output final : public text_output {
 public:
  explicit stdio_output(std::FILE* out) noexcept : out_(out) {}

  void write(std::string_view text) override {
    port::write_unlocked(text.data(), text.size(), out_);
    stop_if_write_failed(out_);
  }

 private:
  std::FILE* out_;
};

}  // namespace inipick
