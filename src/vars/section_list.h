// SPDX-License-Identifier: BSD-2-Clause
// The distinct section names of the input, printed by -q sections the first
// time each is read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "base/text_output.h"
#include "vars/name_index.h"
#include "vars/string_table.h"

namespace inipick {

class section_list {
 public:
  // Records name and, when it is new, writes it to out followed by a line
  // feed. Names are taken in batches, whose lookups are made in the order
  // of the index slots they start at: the index is then read front to back
  // rather than at random, which matters once it outgrows the caches. The
  // names of a batch are printed in the order they were offered. flush()
  // deals with the names still pending. Fails with "Out of memory for the
  // section names list" or "Out of memory for the new section name".
  void offer(std::string_view name, text_output& out);
  void flush(text_output& out);

  // The number of distinct names recorded.
  [[nodiscard]] std::size_t size() const noexcept { return names_.size(); }

 private:
  struct pending_name {
    std::size_t hash;
    std::uint32_t start;  // in text_
    std::uint32_t size;
    std::uint32_t order;  // in pending_
  };
  [[nodiscard]] std::size_t batch_limit() const noexcept;
  void sort_pending();
  bool add(std::string_view name, std::size_t hash);

  std::vector<pending_name> pending_;
  std::unique_ptr<char[]> text_;  // copies: the caller's strings do not outlive the call
  std::size_t text_size_ = 0;
  std::vector<char> printed_;  // a batch's output, written at once
  std::vector<pending_name> sorted_;
  std::vector<std::uint32_t> bucket_starts_;
  std::vector<unsigned char> is_new_;
  name_index index_;  // positions are numbers in names_
  string_table names_;
};

// Called for every section header read under -q sections: writes name
// followed by a line feed to out the first time it is offered.
void section_list_add(section_list& list, std::string_view name, text_output& out);

// Writes what section_list_add has taken but not written yet. Reading calls
// it before it returns or fails.
void section_list_flush(section_list& list, text_output& out);

}  // namespace inipick
