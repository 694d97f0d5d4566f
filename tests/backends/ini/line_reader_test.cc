// SPDX-License-Identifier: BSD-2-Clause
// The line reader: line ends, NUL bytes, the byte-order mark, block
// boundaries, short reads from a pipe and read errors.
#include "backends/ini/line_reader.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "support/reference_lines.h"
#include "support/test_support.h"

namespace inipick {
namespace {

using test::memory_file;
using test::reference_lines;
using test::unique_fd;
using lines = std::vector<std::string>;

constexpr std::size_t block = 128 * 1024;

// Every line up to the end of the input, checking each one's NUL end.
lines read_all(line_reader& reader) {
  lines got;
  while (const auto line = reader.read_trimmed_line()) {
    EXPECT_EQ(line->text[line->size], '\0') << "line " << got.size();
    got.emplace_back(line->text, line->size);
  }
  EXPECT_FALSE(reader.failed()) << "error " << reader.error();
  return got;
}

lines read_all(std::string_view input) {
  const unique_fd fd = memory_file(input);
  line_reader reader(fd.get());
  return read_all(reader);
}

struct line_case {
  std::string input;
  lines expected;
};

TEST(LineReader, LineEndsNulBytesAndByteOrderMark) {
  using namespace std::string_literals;
  const line_case cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\nb", {"a", "b"}},
      {"a\n\n", {"a", ""}},
      {"a\r\n", {"a"}},
      {"a\r\r\n\r\n", {"a", ""}},
      {"a\n\r\n\n", {"a", "", ""}},
      {"a\r", {"a"}},
      {"\r", {""}},
      {"a\rb\r\n", {"a\rb"}},
      {"\ra\n", {"\ra"}},
      {"a=b\0c\nd"s, {"a=b", "d"}},
      {"\0\r\n"s, {""}},
      {"a\0\r\n"s, {"a"}},
      {"\xEF\xBB\xBF"
       "a\n",
       {"a"}},
      {"\xEF\xBB\xBF", {""}},
      {"\xEF\xBB\xBF\r\n[s]\n", {"", "[s]"}},
      {"\xEF\xBB\xBF\xEF\xBB\xBF"
       "a",
       {"\xEF\xBB\xBF"
        "a"}},
      {"\xEF\xBB"
       "a",
       {"\xEF\xBB"
        "a"}},
      {"a\n\xEF\xBB\xBF"
       "b",
       {"a",
        "\xEF\xBB\xBF"
        "b"}},
      {"\n\xEF\xBB\xBF"
       "b",
       {"",
        "\xEF\xBB\xBF"
        "b"}},
      {" \xEF\xBB\xBF", {" \xEF\xBB\xBF"}},
  };
  for (const line_case& c : cases) {
    EXPECT_EQ(read_all(c.input), c.expected) << "input " << ::testing::PrintToString(c.input);
  }
}

// A line whose bytes depend on both the line and the position, so that a
// piece lost or repeated at a block boundary shows.
std::string long_line(std::size_t size, char seed) {
  std::string s(size, '\0');
  for (std::size_t i = 0; i < size; ++i) s[i] = static_cast<char>('a' + (seed + i / 7) % 26);
  return s;
}

TEST(LineReader, LongLinesAroundBlockBoundaries) {
  const std::size_t sizes[] = {block - 2, block - 1, block, block + 1, 2 * block - 1, 3 << 20};
  const char* const ends[] = {"\n", "\r\n", ""};
  for (const std::size_t size : sizes) {
    for (const char* end : ends) {
      if (size > 2 * block && *end != '\r') continue;  // one multi-megabyte run is enough
      // The long line first, then the same after a short line, so that it
      // starts at an offset and spans boundaries in other places.
      const std::string first = long_line(size, 1);
      const std::string second = long_line(size, 2);
      std::string input = first + end + "x\n" + second + end;
      lines expected = {first};
      if (*end == '\0') {
        expected[0] += "x";
        expected.push_back(second);
      } else {
        expected.insert(expected.end(), {"x", second});
      }
      const lines got = read_all(input);
      ASSERT_EQ(got.size(), expected.size()) << "size " << size << " end " << end[0] + 0;
      for (std::size_t i = 0; i < got.size(); ++i) {
        EXPECT_TRUE(got[i] == expected[i]) << "size " << size << " line " << i;
      }
    }
  }
}

TEST(LineReader, CarriageReturnAndLineFeedSplitByBlockBoundary) {
  // The first read fills one block: the CR ends it and the LF starts the next.
  const std::string text(block - 1, 'x');
  EXPECT_EQ(read_all(text + "\r\nnext\r\n"), (lines{text, "next"}));
  EXPECT_EQ(read_all(text + "\r\r\r\n"), (lines{text}));
}

// Writes input to a pipe in small pieces of varying size from a thread of
// its own, so that every read returns a short, oddly cut piece.
class trickling_pipe {
 public:
  explicit trickling_pipe(std::string input) : input_(std::move(input)) {
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) throw std::system_error(errno, std::generic_category());
    read_end_ = unique_fd(fds[0]);
    writer_ = std::thread([this, fd = fds[1]] {
      for (std::size_t done = 0, piece = 1; done < input_.size(); piece = piece % 61 + 1) {
        const ssize_t n = ::write(fd, input_.data() + done, std::min(piece, input_.size() - done));
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
      }
      ::close(fd);
    });
  }
  trickling_pipe(const trickling_pipe&) = delete;
  trickling_pipe& operator=(const trickling_pipe&) = delete;
  ~trickling_pipe() {
    // Drained first: a writer blocked on a full pipe would never end.
    char sink[4096];
    while (::read(read_end_.get(), sink, sizeof sink) > 0) {
    }
    writer_.join();
  }
  [[nodiscard]] int fd() const noexcept { return read_end_.get(); }

 private:
  std::string input_;
  unique_fd read_end_;
  std::thread writer_;
};

TEST(LineReader, ManyShortLinesFromAPipeOfSmallWrites) {
  lines expected;
  std::string input;
  for (int i = 0; input.size() < 3 * block; ++i) {
    expected.push_back("key" + std::to_string(i) + " = " + std::string(i % 17, 'v'));
    input += expected.back() + (i % 3 == 0 ? "\r\n" : "\n");
  }
  input += "last";
  expected.emplace_back("last");
  trickling_pipe pipe(input);
  line_reader reader(pipe.fd());
  EXPECT_EQ(read_all(reader), expected);
}

TEST(LineReader, RandomInputsMatchTheBytewiseReference) {
  // Line feeds, NULs and CRs land on every position of the 64-byte masks
  // and across the block edges; some lines run over a block.
  const std::string alphabet = std::string("\n\n\n\r\0\xEF\xBB\xBF", 8) + "ab =[";
  std::mt19937 random(14);
  for (int round = 0; round < 40; ++round) {
    std::string input(random() % (3 * block), 'x');
    for (char& c : input) {
      c = random() % 16 == 0 ? alphabet[random() % alphabet.size()]
                             : static_cast<char>('a' + c % 3);
    }
    if (round % 4 == 0) input.insert(random() % input.size() + 1, block + random() % 99, 'L');
    if (round % 5 == 0) input.insert(0, "\xEF\xBB\xBF");
    EXPECT_TRUE(read_all(input) == reference_lines(input)) << "round " << round;
  }
}

TEST(LineReader, TailAfterANulSpanningBlocksIsSkipped) {
  using namespace std::string_literals;
  // No line feed in the tail, but bytes that would end a name, a header or
  // a line if they were kept.
  std::string tail;
  while (tail.size() < 3 * block) tail += "x= ]\\\r\0"s;
  const std::string input = "[s]\na=1\0"s + tail + "\r\nb\0"s + tail;
  EXPECT_EQ(read_all(input), (lines{"[s]", "a=1", "b"}));
  trickling_pipe pipe(input);
  line_reader reader(pipe.fd());
  EXPECT_EQ(read_all(reader), (lines{"[s]", "a=1", "b"}));
}

TEST(LineReader, ReadErrorsAreReportedNotTakenForTheEnd) {
  const unique_fd dir(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  ASSERT_GE(dir.get(), 0);
  line_reader from_dir(dir.get());
  EXPECT_FALSE(from_dir.read_trimmed_line());
  EXPECT_TRUE(from_dir.failed());
  EXPECT_EQ(from_dir.error(), EISDIR);

  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  ::close(fds[0]);
  ::close(fds[1]);
  line_reader from_closed(fds[0]);
  EXPECT_FALSE(from_closed.read_trimmed_line());
  EXPECT_TRUE(from_closed.failed());
  EXPECT_EQ(from_closed.error(), EBADF);

  const unique_fd empty = memory_file("");
  line_reader from_empty(empty.get());
  EXPECT_FALSE(from_empty.read_trimmed_line());
  EXPECT_FALSE(from_empty.failed());
}

}  // namespace
}  // namespace inipick
