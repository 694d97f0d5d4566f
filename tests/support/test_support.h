// SPDX-License-Identifier: BSD-2-Clause
// Helpers shared by the unit tests: inputs held in memory, captured output
// and checks of the fatal errors a unit throws.
#pragma once

#include <gtest/gtest.h>
#include <sys/mman.h>
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

// An anonymous in-memory file holding bytes, positioned at its start.
inline unique_fd memory_file(std::string_view bytes) {
  unique_fd fd(::memfd_create("input", MFD_CLOEXEC));
  if (fd.get() < 0) throw std::system_error(errno, std::generic_category(), "memfd_create");
  for (std::size_t done = 0; done < bytes.size();) {
    const ssize_t n = ::write(fd.get(), bytes.data() + done, bytes.size() - done);
    if (n < 0) throw std::system_error(errno, std::generic_category(), "write");
    done += static_cast<std::size_t>(n);
  }
  ::lseek(fd.get(), 0, SEEK_SET);
  return fd;
}

// A stream whose bytes the test reads back.
class captured_stream {
 public:
  captured_stream() : file_(::open_memstream(&data_, &size_)) {
    if (file_ == nullptr) throw std::runtime_error("open_memstream failed");
  }
  captured_stream(const captured_stream&) = delete;
  captured_stream& operator=(const captured_stream&) = delete;
  ~captured_stream() {
    std::fclose(file_);
    std::free(data_);
  }
  [[nodiscard]] std::FILE* get() const noexcept { return file_; }
  std::string str() {
    std::fflush(file_);
    return {data_, size_};
  }

 private:
  char* data_ = nullptr;
  std::size_t size_ = 0;
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
