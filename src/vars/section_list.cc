// SPDX-License-Identifier: BSD-2-Clause
// Remembering and printing section names for -q sections.
// Reference: each name looked up and printed on its own, as one of 1 MiB is.
// Tested by: tests/vars/section_list_test.cc, against a set of the names seen.
#include "vars/section_list.h"

#include <algorithm>
#include <bit>
#include <new>

#include "base/fatal_error.h"
#include "vars/short_copy.h"

namespace inipick {
namespace {

// A batch grows with the index, up to 4096 names or 1 MiB of them: enough
// that its lookups, sorted, move through the index in one direction; few
// enough that the batch itself stays in the cache and its names are not
// held back long before they are printed.
constexpr std::size_t slots_per_lookup = 64;
constexpr std::size_t smallest_batch = 16;
constexpr std::size_t largest_batch = 4096;
constexpr std::size_t largest_batch_text = std::size_t{1} << 20;
constexpr unsigned bucket_bits = 12;
constexpr std::size_t prefetch_distance = 8;

}  // namespace

void section_list::offer(std::string_view name, text_output& out) {
  if (name.size() >= largest_batch_text) {
    // Not worth a copy: looked up on its own, after the names before it.
    flush(out);
    if (add(name, index_.hash_of(name))) {
      out.write(name);
      out.write("\n");
    }
    return;
  }
  if (text_size_ + name.size() > largest_batch_text) flush(out);
  try {
    // Left uninitialised, as std::make_unique_for_overwrite would (libc++ 14
    // lacks it).
    if (!text_) text_.reset(new char[largest_batch_text]);
    pending_.push_back({index_.hash_of(name), static_cast<std::uint32_t>(text_size_),
                        static_cast<std::uint32_t>(name.size()),
                        static_cast<std::uint32_t>(pending_.size())});
  } catch (const std::bad_alloc&) {
    fail_out_of_memory("Out of memory for the new section name");
  }
  short_copy(text_.get() + text_size_, name.data(), name.size());
  text_size_ += name.size();
  if (pending_.size() >= batch_limit()) flush(out);
}

std::size_t section_list::batch_limit() const noexcept {
  return std::clamp(index_.slot_count() / slots_per_lookup, smallest_batch, largest_batch);
}

void section_list::flush(text_output& out) {
  const std::size_t count = pending_.size();
  if (count == 0) return;
  try {
    index_.reserve(names_.size() + count);
    sorted_.resize(count);
    is_new_.assign(count, 0);
    printed_.resize(text_size_ + count);
    sort_pending();
  } catch (const std::bad_alloc&) {
    fail_out_of_memory("Out of memory for the section names list");
  }
  for (std::size_t k = 0; k < count; ++k) {
    if (k + prefetch_distance < count) index_.prefetch(sorted_[k + prefetch_distance].hash);
    const pending_name& p = sorted_[k];
    is_new_[p.order] = add({text_.get() + p.start, p.size}, p.hash) ? 1 : 0;
  }
  char* end = printed_.data();
  for (const pending_name& p : pending_) {
    if (is_new_[p.order] == 0) continue;
    short_copy(end, text_.get() + p.start, p.size);
    end += p.size;
    *end++ = '\n';
  }
  out.write({printed_.data(), static_cast<std::size_t>(end - printed_.data())});
  pending_.clear();
  text_size_ = 0;
}

// A stable counting sort on the leading bits of each name's first slot:
// equal names keep the order they were offered in, so the first of them is
// the one found new.
void section_list::sort_pending() {
  const std::size_t slots = index_.slot_count();
  const auto slot_bits = static_cast<unsigned>(std::countr_zero(slots));
  const unsigned shift = slot_bits > bucket_bits ? slot_bits - bucket_bits : 0;
  const auto bucket_of = [this, shift](const pending_name& p) {
    return index_.first_slot(p.hash) >> shift;
  };
  bucket_starts_.assign((slots >> shift) + 1, 0);
  for (const pending_name& p : pending_) ++bucket_starts_[bucket_of(p) + 1];
  for (std::size_t b = 1; b < bucket_starts_.size(); ++b)
    bucket_starts_[b] += bucket_starts_[b - 1];
  for (const pending_name& p : pending_) sorted_[bucket_starts_[bucket_of(p)]++] = p;
}

bool section_list::add(std::string_view name, std::size_t hash) {
  const auto name_at = [this](std::size_t i) { return names_[i]; };
  if (index_.find(name, hash, name_at) != name_index::npos) return false;
  try {
    names_.push_back(name);
  } catch (const std::bad_alloc&) {
    fail_out_of_memory("Out of memory for the new section name");
  }
  try {
    index_.insert(hash, names_.size() - 1);
  } catch (const std::bad_alloc&) {
    fail_out_of_memory("Out of memory for the section names list");
  }
  return true;
}

void section_list_add(section_list& list, std::string_view name, text_output& out) {
  list.offer(name, out);
}

void section_list_flush(section_list& list, text_output& out) { list.flush(out); }

}  // namespace inipick
