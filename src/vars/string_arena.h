// SPDX-License-Identifier: BSD-2-Clause
// Copies of strings kept for the whole run, in large blocks: one allocation
// serves thousands of names and values, and nothing is freed one by one.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "vars/zeroed_memory.h"

namespace inipick {

class string_arena {
 public:
  // Room for size bytes, valid as long as the arena. May throw
  // std::bad_alloc.
  char* allocate(std::size_t size);

  std::string_view copy(std::string_view text);

 private:
  std::vector<zeroed_memory> blocks_;                // shared by small strings
  std::vector<std::unique_ptr<char[]>> own_blocks_;  // one a large string
  std::size_t block_size_ = 0;
  char* next_ = nullptr;
  std::size_t left_ = 0;
};

}  // namespace inipick
