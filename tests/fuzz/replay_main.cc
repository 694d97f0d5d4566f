// SPDX-License-Identifier: BSD-2-Clause
// Stands in for libFuzzer's main: runs every file of the folders named on
// the command line through the fuzz target once, so that the seed corpus and
// every kept crash are checked by the ordinary test build.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// The inputs of one folder in name order; notes such as README.md are not
// inputs. Empty with a message when the folder cannot be read.
bool list_inputs(const std::filesystem::path& folder, std::vector<std::filesystem::path>& files) {
  std::error_code error;
  for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (it->is_regular_file() && name.front() != '.' && name != "README.md") {
      files.push_back(it->path());
    }
  }
  if (error) {
    std::fprintf(stderr, "%s: %s\n", folder.string().c_str(), error.message().c_str());
    return false;
  }
  std::sort(files.begin(), files.end());
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  std::size_t replayed = 0;
  for (int i = 1; i < argc; ++i) {
    std::vector<std::filesystem::path> files;
    if (!list_inputs(argv[i], files)) return 1;
    for (const std::filesystem::path& file : files) {
      std::ifstream in(file, std::ios::binary);
      const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      if (!in.eof() && in.fail()) {
        std::fprintf(stderr, "%s: cannot read\n", file.string().c_str());
        return 1;
      }
      // Named before it runs: a failed check aborts the process.
      std::printf("%s\n", file.string().c_str());
      std::fflush(stdout);
      LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
      ++replayed;
    }
  }
  std::printf("%zu inputs replayed\n", replayed);
  return replayed > 0 ? 0 : 1;  // an empty corpus would prove nothing
}
