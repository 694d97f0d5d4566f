// SPDX-License-Identifier: BSD-2-Clause
// Runs one case against the built binary and reports differences readably.
#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "e2e_case.h"

namespace inipick::e2e {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void throw_errno(const std::string& what) {
  throw std::system_error(errno, std::generic_category(), what);
}

// A fresh directory per case, removed afterwards whatever happened.
class temp_dir {
 public:
  temp_dir() {
    std::string pattern = (fs::temp_directory_path() / "inipick-e2e-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw_errno("mkdtemp");
    path_ = pattern;
  }
  temp_dir(const temp_dir&) = delete;
  temp_dir& operator=(const temp_dir&) = delete;
  ~temp_dir() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

class unique_fd {
 public:
  unique_fd() = default;
  explicit unique_fd(int fd) : fd_(fd) {}
  unique_fd(const unique_fd&) = delete;
  unique_fd& operator=(const unique_fd&) = delete;
  ~unique_fd() { reset(); }
  int get() const { return fd_; }
  void reset(int fd = -1) {
    if (fd_ >= 0) close(fd_);
    fd_ = fd;
  }

 private:
  int fd_ = -1;
};

int open_or_throw(const fs::path& path, int flags) {
  const int fd = open(path.c_str(), flags | O_CLOEXEC, 0600);
  if (fd < 0) throw_errno("open " + path.string());
  return fd;
}

// A pipe whose ends the child does not inherit until they are moved into
// place with dup2.
void make_pipe(unique_fd& read_end, unique_fd& write_end) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) throw_errno("pipe2");
  read_end.reset(fds[0]);
  write_end.reset(fds[1]);
}

void write_file(const fs::path& path, const input_file& f) {
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) throw_errno(path.string());
  if (f.generate != nullptr) {
    f.generate(out);
  } else {
    std::fwrite(f.content.data(), 1, f.content.size(), out);
  }
  if (std::fclose(out) != 0) throw_errno("fclose");
}

// Drains both pipes together, so that a child that fills one while we wait
// on the other cannot stall.
void drain(unique_fd& out, std::string& out_text, unique_fd& err, std::string& err_text) {
  std::vector<char> buffer(1 << 16);
  while (out.get() >= 0 || err.get() >= 0) {
    pollfd fds[2] = {{out.get(), POLLIN, 0}, {err.get(), POLLIN, 0}};
    if (poll(fds, 2, -1) < 0) {
      if (errno == EINTR) continue;
      throw_errno("poll");
    }
    for (int i = 0; i < 2; ++i) {
      if (fds[i].revents == 0) continue;
      unique_fd& fd = i == 0 ? out : err;
      std::string& text = i == 0 ? out_text : err_text;
      const ssize_t got = read(fd.get(), buffer.data(), buffer.size());
      if (got > 0) {
        text.append(buffer.data(), static_cast<std::size_t>(got));
      } else if (got == 0 || errno != EINTR) {
        fd.reset();
      }
    }
  }
}

struct outcome {
  std::string out;
  std::string err;
  int status = -1;  // exit status, or minus the signal that ended the child
};

outcome run_case(const e2e_case& c, const fs::path& root) {
  const fs::path cwd = root / "cwd";
  fs::create_directory(cwd);
  for (const input_file& f : c.files) {
    if (f.is_directory) {
      fs::create_directories(cwd / f.name);
    } else {
      write_file(cwd / f.name, f);
    }
  }
  write_file(root / "stdin", {.content = c.stdin_text, .generate = c.generate_stdin});

  std::vector<std::string> words{c.argv0};
  std::string started = INIPICK_BINARY;
#ifdef INIPICK_LAUNCHER
  // The launcher (Wine) gives the program the path that started it as
  // argv[0]: a link named as argv0's last part stands in for argv0.
  const std::size_t slash = c.argv0.find_last_of("/\\");
  const fs::path link = root / c.argv0.substr(slash == std::string::npos ? 0 : slash + 1);
  fs::create_symlink(fs::absolute(INIPICK_BINARY), link);
  started = INIPICK_LAUNCHER;
  words = {started, link.string()};
#endif
  words.insert(words.end(), c.args.begin(), c.args.end());
  std::vector<char*> argv;
  for (std::string& w : words) argv.push_back(w.data());
  argv.push_back(nullptr);
  std::vector<std::string> env_words = c.env;
  // Under emulation the target's locales may live elsewhere: a big-endian
  // program cannot read this machine's.
  const char* locpath = std::getenv("LOCPATH");
  if (std::getenv("INIPICK_TEST_EMULATED") != nullptr && locpath != nullptr) {
    env_words.push_back(std::string("LOCPATH=") + locpath);
  }
  std::vector<char*> envp;
  for (std::string& w : env_words) envp.push_back(w.data());
  envp.push_back(nullptr);

  // Made before the fork, above descriptor 2, so that the child only has to
  // move them into place.
  unique_fd in(open_or_throw(root / "stdin", O_RDONLY));
  unique_fd out_read;
  unique_fd out_write;
  if (c.stdout_to == stdout_target::captured) {
    make_pipe(out_read, out_write);
  } else {
    out_write.reset(open_or_throw("/dev/full", O_WRONLY));
  }
  unique_fd err_read;
  unique_fd err_write;
  make_pipe(err_read, err_write);
  const std::string dir = cwd.string();
  const rlim_t address_space = static_cast<rlim_t>(c.address_space_mb) << 20;

  const pid_t pid = fork();
  if (pid < 0) throw_errno("fork");
  if (pid == 0) {
    // Only async-signal-safe calls from here to execve.
    if (chdir(dir.c_str()) != 0) _exit(126);
    if (dup2(in.get(), 0) < 0 || dup2(out_write.get(), 1) < 0 || dup2(err_write.get(), 2) < 0) {
      _exit(126);
    }
    syscall(SYS_close_range, 3U, ~0U, 0U);  // musl has no close_range()
    if (c.stdin_closed) close(0);
    if (c.stdout_to == stdout_target::closed) close(1);
    const rlimit cpu{30, 30};  // a hang fails the case instead of the suite
    const rlimit no_core{0, 0};
    setrlimit(RLIMIT_CPU, &cpu);
    setrlimit(RLIMIT_CORE, &no_core);
    if (address_space != 0) {
      const rlimit as{address_space, address_space};
      if (setrlimit(RLIMIT_AS, &as) != 0) _exit(126);
    }
    execve(started.c_str(), argv.data(), envp.data());
    _exit(127);
  }
  out_write.reset();
  err_write.reset();
  outcome o;
  drain(out_read, o.out, err_read, o.err);
  int wait_status = 0;
  while (waitpid(pid, &wait_status, 0) < 0) {
    if (errno != EINTR) throw_errno("waitpid");
  }
  o.status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -WTERMSIG(wait_status);
  return o;
}

// Bytes as C escapes, so that CR, NUL, tabs and high bytes are visible.
std::string escaped(std::string_view text) {
  std::string s;
  for (const char ch : text) {
    const auto b = static_cast<unsigned char>(ch);
    switch (b) {
      case '\t': s += "\\t"; break;
      case '\r': s += "\\r"; break;
      case '\n': s += "\\n"; break;
      case '\\': s += "\\\\"; break;
      default:
        if (b < 0x20 || b >= 0x7f) {
          char hex[8];
          std::snprintf(hex, sizeof hex, "\\x%02x", b);
          s += hex;
        } else {
          s += ch;
        }
    }
  }
  return s;
}

std::string command_line(const e2e_case& c) {
  std::string s = c.argv0;
  for (const std::string& a : c.args) s += " '" + escaped(a) + "'";
  return s;
}

std::vector<std::string_view> split_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const std::size_t lf = text.find('\n');
    const std::size_t end = lf == std::string_view::npos ? text.size() : lf + 1;
    lines.push_back(text.substr(0, end));
    text.remove_prefix(end);
  }
  return lines;
}

// A line diff (longest common subsequence) with three lines of context:
// "-" only expected, "+" only actual.
std::string line_diff(std::string_view expected, std::string_view actual) {
  const auto a = split_lines(expected);
  const auto b = split_lines(actual);
  const std::size_t n = a.size();
  const std::size_t m = b.size();
  std::vector<std::vector<std::size_t>> lcs(n + 1, std::vector<std::size_t>(m + 1));
  for (std::size_t i = n; i-- > 0;) {
    for (std::size_t j = m; j-- > 0;) {
      lcs[i][j] = a[i] == b[j] ? lcs[i + 1][j + 1] + 1 : std::max(lcs[i + 1][j], lcs[i][j + 1]);
    }
  }
  std::vector<std::pair<char, std::string_view>> ops;
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < n || j < m) {
    if (i < n && j < m && a[i] == b[j]) {
      ops.emplace_back(' ', a[i++]);
      ++j;
    } else if (i < n && (j == m || lcs[i + 1][j] >= lcs[i][j + 1])) {
      ops.emplace_back('-', a[i++]);
    } else {
      ops.emplace_back('+', b[j++]);
    }
  }
  constexpr std::size_t context = 3;
  std::vector<bool> shown(ops.size());
  for (std::size_t k = 0; k < ops.size(); ++k) {
    if (ops[k].first == ' ') continue;
    const std::size_t from = k > context ? k - context : 0;
    for (std::size_t l = from; l < std::min(ops.size(), k + context + 1); ++l) shown[l] = true;
  }
  std::string s = "  (- expected, + actual)\n";
  for (std::size_t k = 0; k < ops.size(); ++k) {
    if (shown[k]) {
      s += "  " + std::string(1, ops[k].first) + " " + escaped(ops[k].second) + "\n";
    } else if (k == 0 || shown[k - 1]) {
      s += "    ...\n";
    }
  }
  return s;
}

// For outputs too big for a line diff: where they part, with some context.
std::string byte_diff(std::string_view expected, std::string_view actual) {
  const auto parted = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
  const auto at = static_cast<std::size_t>(parted.first - expected.begin());
  const std::size_t from = at > 40 ? at - 40 : 0;
  std::ostringstream s;
  s << "  sizes: expected " << expected.size() << ", actual " << actual.size()
    << "; first difference at byte " << at << "\n"
    << "  expected: ..." << escaped(expected.substr(std::min(from, expected.size()), 80)) << "\n"
    << "  actual:   ..." << escaped(actual.substr(std::min(from, actual.size()), 80)) << "\n";
  return s.str();
}

std::string diff(std::string_view expected, std::string_view actual) {
  constexpr std::size_t small = 64 * 1024;
  if (expected.size() < small && actual.size() < small) return line_diff(expected, actual);
  return byte_diff(expected, actual);
}

std::string describe_status(int status) {
  if (status >= 0) return std::to_string(status);
  return "killed by signal " + std::to_string(-status) + " (" + strsignal(-status) + ")";
}

// Whether text is well-formed UTF-8 (no overlong forms, surrogates or
// values past U+10FFFF), as a Windows command line can carry it.
bool is_utf8(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto b = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (b < 0x80) {
      length = 1;
    } else if (b >= 0xC2 && b <= 0xDF) {
      length = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
      length = 3;
      if (b == 0xE0) low = 0xA0;
      if (b == 0xED) high = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
      length = 4;
      if (b == 0xF0) low = 0x90;
      if (b == 0xF4) high = 0x8F;
    } else {
      return false;
    }
    if (text.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return false;
    }
    i += length;
  }
  return true;
}

bool reads_stdin(const e2e_case& c) {
  for (std::size_t i = 0; i < c.args.size(); ++i) {
    if (c.args[i] == "-f-" || (c.args[i] == "-f" && i + 1 < c.args.size() && c.args[i + 1] == "-"))
      return true;
  }
  return false;
}

}  // namespace

void PrintTo(const e2e_case& c, std::ostream* os) { *os << c.name << ": " << command_line(c); }

std::string case_name(const ::testing::TestParamInfo<e2e_case>& info) { return info.param.name; }

TEST_P(E2e, Run) {
  const e2e_case& c = GetParam();
#ifdef INIPICK_E2E_SANITIZED
  if (c.address_space_mb != 0) GTEST_SKIP() << "address-space limits need a build without ASan";
#endif
  // Set by the CI stages that run target binaries under qemu-user or Wine.
  const char* emulated = std::getenv("INIPICK_TEST_EMULATED");
  if (emulated != nullptr && std::string_view(emulated) == "wine") {
    if (c.address_space_mb != 0) {
      GTEST_SKIP() << "Windows has no RLIMIT_AS: under Wine it would limit Wine itself";
    }
    if (c.stdout_to == stdout_target::dev_full) {
      GTEST_SKIP() << "Windows has no /dev/full: Wine reports its errors as EIO";
    }
    if (c.stdin_closed || c.stdout_to == stdout_target::closed) {
      GTEST_SKIP() << "Windows starts no program with a standard descriptor closed";
    }
    if (!std::all_of(c.args.begin(), c.args.end(), is_utf8)) {
      GTEST_SKIP() << "Windows passes arguments as UTF-16: bytes that are not UTF-8 cannot reach "
                      "the program";
    }
  } else if (emulated != nullptr) {
    if (c.address_space_mb != 0 && c.status != 0) {
      GTEST_SKIP() << "under emulation RLIMIT_AS limits the emulator, not the program's heap";
    }
    if (c.stdin_closed && reads_stdin(c)) {
      GTEST_SKIP() << "the emulator may hold descriptor 0 open, so it reads as open";
    }
  }
  // Set by the CI stage of a C library that answers some cases otherwise
  // than glibc.
  const char* libc = std::getenv("INIPICK_TEST_LIBC");
  libc_answer expected{
      .out = c.make_out != nullptr ? c.make_out() : c.out, .err = c.err, .status = c.status};
  for (const libc_answer& a : c.elsewhere) {
    if (libc == nullptr || a.libc != libc) continue;
    std::printf("expected as %s answers: %s\n", libc, a.why.c_str());
    expected = a;
  }
  temp_dir root;
  const outcome got = run_case(c, root.path());

  std::string report;
  if (got.status != expected.status) {
    report += "exit status: expected " + describe_status(expected.status) + ", actual " +
              describe_status(got.status) + "\n";
  }
  if (got.out != expected.out) report += "stdout differs:\n" + diff(expected.out, got.out);
  if (got.err != expected.err) report += "stderr differs:\n" + diff(expected.err, got.err);
  if (!report.empty())
    ADD_FAILURE() << "case " << c.name << "\n$ " << command_line(c) << "\n" << report;
}

}  // namespace inipick::e2e
