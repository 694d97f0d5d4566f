// SPDX-License-Identifier: BSD-2-Clause
// Writes the benchmark workloads, byte for byte the same for the same flags,
// and times commands for bench/run.sh where hyperfine is missing.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <numeric>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

constexpr const char* usage_text =
    "usage: inipick_workload big --bytes N [--seed S] FILE\n"
    "       inipick_workload wide --vars N [--seed S] FILE\n"
    "       inipick_workload sections --count N [--seed S] FILE\n"
    "       inipick_workload long-line --bytes N FILE\n"
    "       inipick_workload measure [--runs N] [--warmup N] -- COMMAND [ARG...]\n"
    "The generators print what they wrote as name=value lines; measure prints\n"
    "the median wall time and the median CPU time (user and system) in\n"
    "seconds, and the largest peak RSS in KiB.\n";

[[noreturn]] void die(const std::string& message) {
  std::fprintf(stderr, "inipick_workload: %s\n", message.c_str());
  std::exit(1);
}

// splitmix64: tiny, fast, and the same sequence on every platform.
class random_source {
 public:
  explicit random_source(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  std::uint64_t below(std::uint64_t n) { return next() % n; }

 private:
  std::uint64_t state_;
};

// Buffered writing with a byte and line count; any write error is fatal.
class output_file {
 public:
  explicit output_file(const std::string& path) : path_(path) {
    file_ = std::fopen(path.c_str(), "wb");
    if (file_ == nullptr) die("cannot create " + path + ": " + std::strerror(errno));
    buffer_.reserve(buffer_size);
  }
  output_file(const output_file&) = delete;
  output_file& operator=(const output_file&) = delete;
  ~output_file() {
    if (file_ != nullptr) std::fclose(file_);
  }

  void put(std::string_view text) {
    buffer_.append(text);
    bytes_ += text.size();
    if (buffer_.size() >= buffer_size) flush();
  }
  // Writes the pieces and a line feed.
  template <typename... Pieces>
  void line(const Pieces&... pieces) {
    (put(pieces), ...);
    put("\n");
    ++lines_;
  }
  void close() {
    flush();
    if (std::fclose(file_) != 0) die("cannot write " + path_ + ": " + std::strerror(errno));
    file_ = nullptr;
  }
  [[nodiscard]] std::uint64_t bytes() const { return bytes_; }
  [[nodiscard]] std::uint64_t lines() const { return lines_; }

 private:
  static constexpr std::size_t buffer_size = std::size_t{1} << 20;
  void flush() {
    if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) {
      die("cannot write " + path_ + ": " + std::strerror(errno));
    }
    buffer_.clear();
  }

  std::string path_;
  std::FILE* file_ = nullptr;
  std::string buffer_;
  std::uint64_t bytes_ = 0;
  std::uint64_t lines_ = 0;
};

void report(const char* name, std::uint64_t value) { std::printf("%s=%" PRIu64 "\n", name, value); }
void report(const char* name, const std::string& value) {
  std::printf("%s=%s\n", name, value.c_str());
}

std::string numbered(const char* prefix, std::uint64_t n, int width) {
  char text[48];
  std::snprintf(text, sizeof text, "%s%0*" PRIu64, prefix, width, n);
  return text;
}

// Values and names stay within what every compared tool reads alike: lower
// case, digits and "-" in names, no quote, backslash or comment character in
// values, single blanks between words.
constexpr std::array<std::string_view, 32> words = {
    "alpha", "bravo",   "cache",        "delta",        "echo",   "fetch", "gamma",  "host",
    "index", "jitter",  "kilo",         "limit",        "mirror", "node",  "offset", "port",
    "queue", "replica", "shard",        "timeout",      "user",   "vault", "worker", "xray",
    "yield", "zone",    "/var/lib/app", "0.0.0.0:8080", "true",   "false", "1024",   "eu-west-1"};

std::string random_words(random_source& rng, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += ' ';
    text += words[rng.below(words.size())];
  }
  return text;
}

// Sections of about 20 lines (a blank line, sometimes a comment, a header,
// 18 variables) until the file reaches the size asked for; about 2% of the
// lines continue the value above them. The variable reported for the
// benchmark is the tenth of the last section, never continued.
void write_big(std::uint64_t target_bytes, std::uint64_t seed, const std::string& path) {
  constexpr int vars_per_section = 18;
  constexpr int reported_var = 9;
  random_source rng(seed);
  output_file out(path);
  out.line("# Generated configuration for benchmarks.");
  std::uint64_t sections = 0;
  std::uint64_t continued = 0;
  std::string section;
  std::string key;
  std::string value;
  while (out.bytes() < target_bytes) {
    out.line("");
    if (rng.below(8) == 0) out.line("; ", random_words(rng, 3));
    section = numbered("section-", sections++, 7);
    out.line("[", section, "]");
    for (int v = 0; v < vars_per_section; ++v) {
      std::string name(words[rng.below(26)]);
      name.append("-").append(std::to_string(v));  // unique in the section
      const std::string text = random_words(rng, 2 + static_cast<int>(rng.below(4)));
      if (v != reported_var && rng.below(1000) < 23) {
        const std::string more = random_words(rng, 2);
        out.line(name, " = ", text, " \\");
        out.line(more);
        ++continued;
      } else {
        out.line(name, " = ", text);
      }
      if (v == reported_var) {
        key = name;
        value = text;
      }
    }
  }
  out.close();
  report("bytes", out.bytes());
  report("lines", out.lines());
  report("sections", sections);
  report("continued", continued);
  report("section", section);
  report("key", key);
  report("value", value);
}

// One section of distinct names in shuffled order, so that the listing
// really has to sort; about 25 bytes a line.
void write_wide(std::uint64_t count, std::uint64_t seed, const std::string& path) {
  random_source rng(seed);
  std::vector<std::uint64_t> order(count);
  std::iota(order.begin(), order.end(), std::uint64_t{0});
  for (std::uint64_t i = count; i > 1; --i) std::swap(order[i - 1], order[rng.below(i)]);
  output_file out(path);
  out.line("[wide]");
  for (const std::uint64_t n : order) {
    out.line(numbered("wide-", n, 7), " = ", numbered("v", n * 7919 % 100000000, 8));
  }
  out.close();
  report("bytes", out.bytes());
  report("lines", out.lines());
  report("sections", 1);
  report("vars", count);
  report("section", std::string("wide"));
}

// Distinct sections of one variable each, in shuffled order.
void write_sections(std::uint64_t count, std::uint64_t seed, const std::string& path) {
  random_source rng(seed);
  std::vector<std::uint64_t> order(count);
  std::iota(order.begin(), order.end(), std::uint64_t{0});
  for (std::uint64_t i = count; i > 1; --i) std::swap(order[i - 1], order[rng.below(i)]);
  output_file out(path);
  for (const std::uint64_t n : order) {
    out.line("[", numbered("sect-", n, 7), "]");
    out.line("key = ", std::to_string(n));
  }
  out.close();
  report("bytes", out.bytes());
  report("lines", out.lines());
  report("sections", count);
}

// One variable line of exactly the length asked for (without its line feed).
void write_long_line(std::uint64_t line_bytes, const std::string& path) {
  const std::string_view head = "value = ";
  if (line_bytes <= head.size()) die("--bytes must exceed " + std::to_string(head.size()));
  output_file out(path);
  out.line("[long]");
  out.put(head);
  std::string chunk(std::size_t{1} << 16, 'x');
  for (std::size_t i = 0; i < chunk.size(); ++i) chunk[i] = static_cast<char>('a' + i % 26);
  std::uint64_t left = line_bytes - head.size();
  while (left > 0) {
    const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(left, chunk.size()));
    out.put(std::string_view(chunk).substr(0, n));
    left -= n;
  }
  out.line("");
  out.close();
  report("bytes", out.bytes());
  report("lines", out.lines());
  report("section", std::string("long"));
  report("key", std::string("value"));
  report("value_bytes", line_bytes - head.size());
}

struct run_result {
  double seconds;
  double cpu_seconds;
  long max_rss_kib;
};

// Standard input and output are /dev/null; standard error stays, so that a
// failing command says why.
run_result run_once(char* const* argv) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) die(std::string("cannot start ") + argv[0] + ": " + std::strerror(error));
  int status = 0;
  rusage usage{};
  while (wait4(pid, &status, 0, &usage) < 0) {
    if (errno != EINTR) die(std::string("wait4: ") + std::strerror(errno));
  }
  const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    die(std::string(argv[0]) + " failed (status " + std::to_string(status) + ")");
  }
  const auto cpu = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
  return {took.count(), cpu(usage.ru_utime) + cpu(usage.ru_stime), usage.ru_maxrss};
}

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t mid = values.size() / 2;
  return values.size() % 2 == 1 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

void measure(int runs, int warmup, char* const* argv) {
  for (int i = 0; i < warmup; ++i) run_once(argv);
  std::vector<double> wall;
  std::vector<double> cpu;
  long max_rss = 0;
  for (int i = 0; i < runs; ++i) {
    const run_result r = run_once(argv);
    wall.push_back(r.seconds);
    cpu.push_back(r.cpu_seconds);
    max_rss = std::max(max_rss, r.max_rss_kib);
  }
  std::printf("%.6f %.6f %ld\n", median(wall), median(cpu), max_rss);
}

std::uint64_t parse_count(const char* text, const char* flag) {
  char* end = nullptr;
  errno = 0;
  const unsigned long long n = std::strtoull(text, &end, 10);
  if (errno != 0 || end == text || *end != '\0' || n == 0 || text[0] == '-') {
    die(std::string("bad number for ") + flag + ": " + text);
  }
  return n;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fputs(usage_text, stderr);
    return 2;
  }
  const std::string_view kind = argv[1];
  std::uint64_t size = 0;
  std::uint64_t seed = 20240601;
  int runs = 5;
  int warmup = 1;
  std::string path;
  int i = 2;
  for (; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--") {
      ++i;
      break;
    }
    const bool has_value = i + 1 < argc;
    if ((arg == "--bytes" || arg == "--vars" || arg == "--count") && has_value) {
      ++i;
      size = parse_count(argv[i], argv[i - 1]);
    } else if (arg == "--seed" && has_value) {
      seed = parse_count(argv[++i], "--seed");
    } else if (arg == "--runs" && has_value) {
      runs = static_cast<int>(std::min<std::uint64_t>(parse_count(argv[++i], "--runs"), 10000));
    } else if (arg == "--warmup" && has_value) {
      warmup = std::atoi(argv[++i]);
    } else if (arg.size() > 1 && arg[0] == '-') {
      die("unknown option " + std::string(arg) + "\n" + usage_text);
    } else if (path.empty()) {
      path = arg;
    } else {
      die(std::string("unexpected argument ") + argv[i]);
    }
  }
  if (kind == "measure") {
    if (i >= argc) die("measure needs a command after --");
    measure(runs, warmup, argv + i);
    return 0;
  }
  if (path.empty() || size == 0) die(std::string("missing size or file\n") + usage_text);
  if (kind == "big") {
    write_big(size, seed, path);
  } else if (kind == "wide") {
    write_wide(size, seed, path);
  } else if (kind == "sections") {
    write_sections(size, seed, path);
  } else if (kind == "long-line") {
    write_long_line(size, path);
  } else {
    die("unknown workload " + std::string(kind) + "\n" + usage_text);
  }
  return 0;
}
