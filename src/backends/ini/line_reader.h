// SPDX-License-Identifier: BSD-2-Clause
// Reads an input line by line, in large blocks, with no limit on a line's length.
// Reference: ini_readfile_every_line, which passes over no line (skip_lines).
// Tested by: tests/backends/ini/pass_over_test.cc; the fuzzer, on every input.
//
// Each block is classified once, as it is read (block_scan.h): its line
// feeds as 64-bit masks, and its first NUL byte. Taking a line then costs a
// few bit operations rather than a search. Most lines of a big file lie
// outside the section asked for and only have to be valid; the caller can
// have such lines passed over where they lie in the block (skip_lines),
// without trimming or ending them, and takes whole lines only where it has
// to look closer. Lines that hold a NUL byte, and the first line of the
// input, are never passed over: the full path owns those rules.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

#include "backends/ini/block_scan.h"

namespace inipick {

// One line, valid until the next read. text[size] is a NUL byte, so the
// line is also a C string, and the 15 bytes after it may be read (scans
// that look at 16 bytes at once rely on it); the line may be edited in
// place.
struct text_line {
  char* text;
  std::size_t size;
};

class line_reader {
 public:
  explicit line_reader(int fd);

  // The next line with every trailing carriage return and line feed removed,
  // cut at its first NUL byte (what follows the NUL, up to the line feed, is
  // skipped unread into memory); a UTF-8 byte-order mark at the very start
  // of the input is skipped. None at the end of the input or when reading
  // failed: failed() tells which.
  std::optional<text_line> read_trimmed_line() {
    // Called once a line: the common case stays inline.
    const std::size_t lf = next_line_feed();
    if (lf != none) return take(lf, lf + 1);
    return read_more();
  }

  // Offers the lines held in the buffer, one after another, to
  // consume(text, size), and passes over each it consumes. The line is
  // text[0, size); text[size] is its line feed, and the 15 bytes after that
  // may be read. Stops at the first line not consumed, which the next
  // read_trimmed_line returns, and where the bytes read so far end. When
  // consume throws, the reader must not be used again.
  template <typename Predicate>
  void skip_lines(Predicate&& consume) {
    if (at_start_) return;  // the byte-order mark is the full path's
    // In locals: stores to members would have to wait for every load
    // through the char pointers.
    const char* const buffer = buffer_.get();
    const std::uint64_t* const masks = masks_.get();
    const std::size_t nul = nul_;  // none, the largest value, when no NUL lies ahead
    const std::size_t count = mask_count_;
    std::size_t next = next_mask_;
    std::size_t begin = begin_;
    std::size_t base = mask_base_;
    std::uint64_t feeds = line_feeds_;
    for (;;) {
      while (feeds == 0 && next < count) {
        feeds = masks[next];
        base = mask_origin_ + 64 * next++;
      }
      if (feeds == 0) break;
      const std::size_t lf = base + static_cast<std::size_t>(std::countr_zero(feeds));
      if (nul < lf || !consume(buffer + begin, lf - begin)) break;
      feeds &= feeds - 1;
      begin = lf + 1;
    }
    begin_ = begin;
    mask_base_ = base;
    next_mask_ = next;
    line_feeds_ = feeds;
  }

  [[nodiscard]] bool failed() const noexcept { return error_ != 0; }
  [[nodiscard]] int error() const noexcept { return error_; }  // an errno value

 private:
  static constexpr std::size_t none = static_cast<std::size_t>(-1);

  std::optional<text_line> read_more();

  // The next line feed in the bytes read so far, or none.
  std::size_t next_line_feed() {
    while (line_feeds_ == 0) {
      if (next_mask_ == mask_count_) return none;
      scan_line_feeds();
    }
    const std::size_t lf = mask_base_ + static_cast<std::size_t>(std::countr_zero(line_feeds_));
    line_feeds_ &= line_feeds_ - 1;
    return lf;
  }
  void scan_line_feeds();
  bool fill();  // reads more input; false at its end or on an error
  text_line take(std::size_t end, std::size_t next) {
    char* line = buffer_.get() + begin_;
    std::size_t size = end - begin_;
    while (size > 0 && (line[size - 1] == '\r' || line[size - 1] == '\n')) --size;
    line[size] = '\0';
    if (nul_ != none && nul_ < next) {
      if (nul_ < begin_ + size) size = nul_ - begin_;
      find_nul(next);
    }
    begin_ = next;
    if (at_start_) return skip_byte_order_mark({line, size});
    return {line, size};
  }
  text_line skip_byte_order_mark(text_line line);
  void find_nul(std::size_t from);

  struct free_delete {
    void operator()(char* p) const noexcept { std::free(p); }
  };
  // Grown with realloc, never zero-filled: a long line makes resident only
  // the pages it fills.
  std::unique_ptr<char, free_delete> buffer_;
  std::size_t capacity_ = 0;
  // The line feeds of the bytes from mask_origin_ on (those of the last
  // read), a mask for every 64 bytes; the next to take.
  std::unique_ptr<std::uint64_t[]> masks_;
  std::size_t mask_origin_ = 0;
  std::size_t mask_count_ = 0;
  std::size_t next_mask_ = 0;
  block_scanner scan_ = best_block_scanner();
  std::size_t begin_ = 0;      // start of the unread part
  std::size_t mask_base_ = 0;  // bit i of line_feeds_ is the byte at mask_base_ + i
  std::uint64_t line_feeds_ = 0;
  std::size_t end_ = 0;  // end of the bytes read
  // The first NUL byte at or after begin_, or none: each block is searched
  // once, not each line.
  std::size_t nul_ = none;
  int fd_;
  int error_ = 0;
  bool at_eof_ = false;
  bool at_start_ = true;
};

}  // namespace inipick
