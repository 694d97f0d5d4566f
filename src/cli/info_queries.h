// SPDX-License-Identifier: BSD-2-Clause
// The answers that need no configuration file: version, usage, backends,
// features.
#pragma once

#include <cstdio>
#include <string_view>

namespace inipick {

struct run;

// What -V/--version, -h/--help and -T asked for.
struct info_requests {
  bool version = false;
  bool usage = false;
  bool backends = false;

  [[nodiscard]] bool any() const noexcept { return version || usage || backends; }
};

// Prints whatever was asked, once each, in the order version line, usage
// text, backend list.
void answer_info_requests(run& r, const info_requests& asked);

// -q features and -q feature NAME; returns the exit status.
int answer_feature_query(run& r);

}  // namespace inipick
