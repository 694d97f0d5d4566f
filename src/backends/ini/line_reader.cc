// Block reads split with memchr: about twice the speed of getline, and the
// same lines.
#include "backends/ini/line_reader.h"

#include <unistd.h>

#include <cerrno>

namespace inipick {
namespace {

constexpr std::size_t block_size = std::size_t{128} * 1024;

}  // namespace

line_reader::line_reader(int fd) : fd_(fd) {}

std::optional<text_line> line_reader::read_more() {
  for (;;) {
    if (at_eof_) {
      if (begin_ == end_) return std::nullopt;
      return take(end_, end_);  // a last line without a line feed
    }
    if (!fill() && error_ != 0) return std::nullopt;
    char* base = buffer_.get();
    if (auto* lf = static_cast<char*>(std::memchr(base + scanned_, '\n', end_ - scanned_))) {
      const auto end = static_cast<std::size_t>(lf - base);
      return take(end, end + 1);
    }
    scanned_ = end_;
  }
}

text_line line_reader::skip_byte_order_mark(text_line line) {
  at_start_ = false;
  if (line.size >= 3 && std::memcmp(line.text, "\xEF\xBB\xBF", 3) == 0) {
    line.text += 3;
    line.size -= 3;
  }
  return line;
}

void line_reader::find_nul(std::size_t from) {
  const void* nul = std::memchr(buffer_.get() + from, '\0', end_ - from);
  nul_ = nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - buffer_.get())
                        : none;
}

bool line_reader::fill() {
  if (begin_ > 0) {  // keep only the unfinished line, at the front
    std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
    end_ -= begin_;
    scanned_ -= begin_;
    if (nul_ != none) nul_ -= begin_;
    begin_ = 0;
  }
  // One byte stays free for the NUL that ends the last line.
  if (capacity_ - end_ < 2) {
    const std::size_t bigger = capacity_ == 0 ? block_size + 1 : 2 * capacity_;
    void* grown = std::realloc(buffer_.get(), bigger);
    if (grown == nullptr) {
      error_ = ENOMEM;
      return false;
    }
    (void)buffer_.release();
    buffer_.reset(static_cast<char*>(grown));
    capacity_ = bigger;
  }
  std::size_t room = capacity_ - end_ - 1;
  if (room > block_size) room = block_size;
  for (;;) {
    const ssize_t got = ::read(fd_, buffer_.get() + end_, room);
    if (got > 0) {
      const std::size_t old_end = end_;
      end_ += static_cast<std::size_t>(got);
      if (nul_ == none) find_nul(old_end);
      return true;
    }
    if (got == 0) {
      at_eof_ = true;
      return false;
    }
    if (errno != EINTR) {
      error_ = errno;
      return false;
    }
  }
}

}  // namespace inipick
