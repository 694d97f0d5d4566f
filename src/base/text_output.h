// SPDX-License-Identifier: BSD-2-Clause
// Where printed text goes. The front end owns the output streams; the
// floors below print through this and never see a stream.
#pragma once

#include <string_view>

namespace inipick {

class text_output {
 public:
  // Writes text as it stands. Fails the run, naming the system's error, as
  // soon as a write does not reach the system.
  virtual void write(std::string_view text) = 0;

 protected:
  text_output() = default;
  text_output(const text_output&) = default;
  text_output& operator=(const text_output&) = default;
  ~text_output() = default;
};

}  // namespace inipick
