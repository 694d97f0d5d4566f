// SPDX-License-Identifier: BSD-2-Clause
// The line reader's contract, a byte at a time: what its block scans are
// held to by the unit tests and the fuzzer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace inipick::test {

// Split at line feeds, cut at the first NUL or else stripped of trailing
// CRs, a byte-order mark skipped at the start.
inline std::vector<std::string> reference_lines(std::string_view text) {
  std::vector<std::string> lines;
  for (bool first = true; !text.empty(); first = false) {
    const std::size_t lf = text.find('\n');
    std::string_view line = text.substr(0, lf);
    text.remove_prefix(lf == std::string_view::npos ? text.size() : lf + 1);
    const std::size_t nul = line.find('\0');
    if (nul != std::string_view::npos) {
      line = line.substr(0, nul);
    } else {
      while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    }
    if (first && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
    lines.emplace_back(line);
  }
  return lines;
}

}  // namespace inipick::test
