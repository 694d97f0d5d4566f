// SPDX-License-Identifier: BSD-2-Clause
// Throughput of the line reader on short, long and CRLF-ended lines, read
// from an in-memory file so that the disk plays no part.
#include <sys/mman.h>
#include <unistd.h>

#include <benchmark/benchmark.h>

#include <cstddef>
#include <string>

#include "backends/ini/line_reader.h"

namespace {

constexpr std::size_t input_bytes = std::size_t{16} << 20;

// Lines of `line_length` bytes (line end included) up to input_bytes.
int make_input(std::size_t line_length, const char* line_end) {
  const int fd = memfd_create("line_reader_bench", 0);
  if (fd < 0) return -1;
  const std::string end(line_end);
  std::string line;
  for (std::size_t i = 0; line.size() + end.size() < line_length; ++i) {
    line += static_cast<char>('a' + i % 26);
  }
  line += end;
  std::string block;
  while (block.size() < input_bytes) block += line;
  if (write(fd, block.data(), block.size()) != static_cast<ssize_t>(block.size())) {
    close(fd);
    return -1;
  }
  return fd;
}

void read_all(benchmark::State& state, std::size_t line_length, const char* line_end) {
  const int fd = make_input(line_length, line_end);
  if (fd < 0) {
    state.SkipWithError("cannot make the input file");
    return;
  }
  const off_t size = lseek(fd, 0, SEEK_END);
  std::size_t lines = 0;
  for (auto _ : state) {
    lseek(fd, 0, SEEK_SET);
    inipick::line_reader reader(fd);
    lines = 0;
    while (auto line = reader.read_trimmed_line()) {
      benchmark::DoNotOptimize(line->text);
      ++lines;
    }
    if (reader.failed()) state.SkipWithError("read failed");
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * size);
  state.counters["lines"] = static_cast<double>(lines);
  close(fd);
}

// About the average line of a generated configuration file.
void BM_ShortLines(benchmark::State& state) { read_all(state, 36, "\n"); }
void BM_ShortLinesCrlf(benchmark::State& state) { read_all(state, 36, "\r\n"); }
// Longer than a read block, so the buffer has to grow and carry lines over.
void BM_LongLines(benchmark::State& state) {
  read_all(state, static_cast<std::size_t>(state.range(0)), "\n");
}

}  // namespace

BENCHMARK(BM_ShortLines);
BENCHMARK(BM_ShortLinesCrlf);
BENCHMARK(BM_LongLines)->Arg(4 << 10)->Arg(1 << 20)->Arg(8 << 20);
