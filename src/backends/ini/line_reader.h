// Reads an input line by line, in large blocks, with no limit on a line's
// length.
#pragma once

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>

namespace inipick {

// One line, valid until the next read. text[size] is a NUL byte, so the
// line is also a C string; the line may be edited in place.
struct text_line {
  char* text;
  std::size_t size;
};

class line_reader {
 public:
  explicit line_reader(int fd);

  // The next line with every trailing carriage return and line feed removed,
  // cut at its first NUL byte; a UTF-8 byte-order mark at the very start of
  // the input is skipped. None at the end of the input or when reading
  // failed: failed() tells which.
  std::optional<text_line> read_trimmed_line() {
    // Called once a line: the common case stays inline.
    if (scanned_ < end_) {
      char* base = buffer_.get();
      if (auto* lf = static_cast<char*>(std::memchr(base + scanned_, '\n', end_ - scanned_))) {
        const auto end = static_cast<std::size_t>(lf - base);
        return take(end, end + 1);
      }
      scanned_ = end_;
    }
    return read_more();
  }

  [[nodiscard]] bool failed() const noexcept { return error_ != 0; }
  [[nodiscard]] int error() const noexcept { return error_; }  // an errno value

 private:
  static constexpr std::size_t none = static_cast<std::size_t>(-1);

  std::optional<text_line> read_more();
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
    begin_ = scanned_ = next;
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
  std::size_t begin_ = 0;    // start of the unread part
  std::size_t scanned_ = 0;  // no line feed in [begin_, scanned_)
  std::size_t end_ = 0;      // end of the bytes read
  // The first NUL byte at or after begin_, or none: each block is searched
  // once, not each line.
  std::size_t nul_ = none;
  int fd_;
  int error_ = 0;
  bool at_eof_ = false;
  bool at_start_ = true;
};

}  // namespace inipick
