// SPDX-License-Identifier: BSD-2-Clause
#include "vars/string_table.h"

#include "vars/short_copy.h"

namespace inipick {

void string_table::push_back(std::string_view text) {
  record r{};
  if (text.size() <= sizeof r.text) {
    r.size = static_cast<unsigned char>(text.size());
    short_copy(r.text, text.data(), text.size());
  } else {
    const std::size_t k = long_.size();
    long_.push_back(long_text_.copy(text));
    r.size = long_string;
    std::memcpy(r.text + long_index_at, &k, sizeof k);
  }
  records_.push_back(r);
}

}  // namespace inipick
