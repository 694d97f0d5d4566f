// The distinct section names of the input, printed by -q sections the first
// time each is read.
#pragma once

#include <array>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "vars/name_index.h"
#include "vars/record_arena.h"

namespace inipick {

class section_list {
 public:
  // Records name; true when it was not recorded before. Fails with "Out of
  // memory for the section names list" or "... for the new section name".
  bool add(std::string_view name);

  // Records name and, when it is new, prints it on out followed by a line
  // feed. Names are taken in order but in groups: while one group fills,
  // the index slots of the one before it load, so that lookups rarely wait
  // for memory. flush() deals with every name still pending.
  void offer(std::string_view name, std::FILE* out);
  void flush(std::FILE* out);

  // In order of first appearance.
  [[nodiscard]] std::vector<std::string_view> names() const { return names_.strings(); }

 private:
  bool add(std::string_view name, std::size_t hash);

  struct pending_name {
    std::size_t hash = 0;
    std::size_t end = 0;  // in text, where the previous one's end starts it
  };
  struct group {
    std::array<pending_name, 16> names;
    std::size_t count = 0;
    std::string text;  // copies: the caller's strings do not outlive the call
  };
  void settle(group& g, std::FILE* out);

  std::array<group, 2> groups_;
  std::size_t filling_ = 0;  // the other group is older
  name_index index_;         // positions are numbers in names_
  record_arena names_;
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
