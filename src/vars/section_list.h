// The distinct section names of the input, printed by -q sections the first
// time each is read.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "vars/chunked_array.h"
#include "vars/name_index.h"
#include "vars/string_arena.h"

namespace inipick {

class section_list {
 public:
  // Records name; true when it was not recorded before. Fails with "Out of
  // memory for the section names list" or "... for the new section name".
  bool add(std::string_view name);

  // Records name and, when it is new, prints it on out followed by a line
  // feed. Names are taken in order but a few at a time, so that their
  // lookups in the index wait for memory together rather than one after the
  // other; flush() deals with the ones still pending.
  void offer(std::string_view name, std::FILE* out);
  void flush(std::FILE* out);

  [[nodiscard]] const chunked_array<std::string_view>& names() const noexcept { return names_; }

 private:
  bool add(std::string_view name, std::size_t hash);

  struct pending_name {
    std::size_t hash = 0;
    std::string text;  // a copy: the caller's string does not outlive the call
  };
  std::array<pending_name, 16> pending_;
  std::size_t pending_count_ = 0;
  chunked_array<std::string_view> names_;  // in order of first appearance
  name_index index_;
  string_arena strings_;
};

struct run;

// Called for every section header read. With -q sections, prints a name
// followed by a line feed the first time it is offered; otherwise does
// nothing.
void section_list_add(run& r, std::string_view name);

// Prints what section_list_add has taken but not printed yet. Reading calls
// it before it returns or fails.
void section_list_flush(run& r);

}  // namespace inipick
