// SPDX-License-Identifier: BSD-2-Clause
// Helpers shared by the unit tests: inputs held in memory, captured output
// and checks of the fatal errors a unit throws.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "base/fatal_error.h"
#include "cli/run.h"
#include "vars/var_table.h"

namespace inipick::test {

// A file descriptor that closes itself.
class unique_fd {
 public:
  explicit unique_fd(int fd = -1) noexcept : fd_(fd) {}
  unique_fd(unique_fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  unique_fd& operator=(unique_fd&& other) noexcept {
    std::swap(fd_, other.fd_);
    return *this;
  }
  ~unique_fd() {
    if (fd_ >= 0) ::close(fd_);
  }
  [[nodiscard]] int get() const noexcept { return fd_; }

 private:
  int fd_;
};

// An anonymous file holding bytes, positioned at its start: a temporary
// file, which every system has (Windows has no memfd_create).
inline unique_fd memory_file(std::string_view bytes) {
  std::FILE* file = std::tmpfile();
  if (file == nullptr) throw std::system_error(errno, std::generic_category(), "tmpfile");
  unique_fd fd(::dup(fileno(file)));
  std::fclose(file);
  if (fd.get() < 0) throw std::system_error(errno, std::generic_category(), "dup");
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
    if (n < 0) throw std::system_error(errno, std::generic_category(), "write");
    done += static_cast<std::size_t>(n);
  }
  ::lseek(fd.get(), 0, SEEK_SET);
  return fd;
}

// A stream whose bytes the test reads back: a temporary file, binary on
// every system (Windows has no open_memstream).
class captured_stream {
 public:
  captured_stream() : file_(std::tmpfile()) {
    if (file_ == nullptr) throw std::runtime_error("tmpfile failed");
  }
  captured_stream(const captured_stream&) = delete;
  captured_stream& operator=(const captured_stream&) = delete;
  ~captured_stream() { std::fclose(file_); }
  [[nodiscard]] std::FILE* get() const noexcept { return file_; }
  std::string str() {
    std::fflush(file_);
    const long end = std::ftell(file_);
    std::string bytes(end > 0 ? static_cast<std::size_t>(end) : 0, '\0');
    std::rewind(file_);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file_));
    std::fseek(file_, 0, SEEK_END);
    return bytes;
  }

 private:
  std::FILE* file_;
};

// A run whose output and messages are captured.
struct test_run {
  captured_stream out;
  captured_stream err;
  run r{out.get(), err.get()};
};

// Whether fn throws a fatal_error with exactly this status and message.
template <typename F>
::testing::AssertionResult fails_with(F&& fn, int status, std::string_view message) {
  try {
    std::forward<F>(fn)();
  } catch (const fatal_error& e) {
    if (e.status() == status && e.what() == message) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "failed with status " << e.status() << " and "
           << ::testing::PrintToString(std::string(e.what())) << ", expected status " << status
           << " and " << ::testing::PrintToString(std::string(message));
  }
  return ::testing::AssertionFailure() << "did not fail";
}

// The table's entries in stored order, one "name=value" each; " (hidden)"
// marks display off.
inline std::vector<std::string> entry_lines(const var_table& table) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < table.size(); ++i) {
    std::string line(table.name(i));
    line.append("=").append(table.value(i));
    if (!table.display(i)) line += " (hidden)";
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace inipick::test
