// Sorting and printing the variable table.
#include "cli/listing.h"

#include <algorithm>
#include <cstdio>
#include <new>
#include <string_view>
#include <vector>

#include "cli/fatal_error.h"
#include "cli/run.h"
#include "cli/shell_quote.h"

namespace inipick {
namespace {

void put(std::FILE* out, std::string_view text) { std::fwrite(text.data(), 1, text.size(), out); }

void print_entry(run& r, const var_entry& e) {
  const settings& s = r.settings;
  if (s.show_name) {
    put(r.out, s.prefix);
    // A name comes from the file: under -S it must not reach the shell raw.
    if (s.shell_quote && !shell_safe_name(e.name)) {
      shell_quote(r.out, e.name);
    } else {
      put(r.out, e.name);
    }
    put(r.out, s.postfix);
    std::putc('=', r.out);
  }
  if (s.shell_quote) {
    shell_quote(r.out, e.value);
  } else {
    put(r.out, e.value);
  }
  std::putc('\n', r.out);
}

}  // namespace

int print_listing(run& r) {
  const std::vector<var_entry>& entries = r.vars.entries();
  if (r.settings.check_only) {
    const bool found =
        std::any_of(entries.begin(), entries.end(), [](const var_entry& e) { return e.display; });
    return found ? 0 : 1;
  }
  std::vector<const var_entry*> sorted;
  try {
    sorted.reserve(entries.size());
  } catch (const std::bad_alloc&) {
    fail_out_of_memory("Could not allocate memory");
  }
  for (const var_entry& e : entries) sorted.push_back(&e);
  // std::string compares bytes as unsigned, as strcmp does.
  std::sort(sorted.begin(), sorted.end(),
            [](const var_entry* a, const var_entry* b) { return a->name < b->name; });
  for (const var_entry* e : sorted) {
    if (e->display) print_entry(r, *e);
  }
  return 0;
}

}  // namespace inipick
