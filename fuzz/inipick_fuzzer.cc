// SPDX-License-Identifier: BSD-2-Clause
// A libFuzzer target: arbitrary bytes become the INI input of one of a
// handful of command lines, and what must hold for any input is checked.
//
// Every input is also read with every line through the parser, and
// scanned by every block scan, to be compared with the fast paths; a
// pattern taken from the input is matched by the own glob matcher and by
// fnmatch against the input's lines.
//
// Input layout: byte 0 picks the command line, bit 0 of byte 1 the UTF-8
// locale and bit 1 standard input instead of a named file. A command line
// that takes a pattern from the input takes it from the bytes up to the
// first line feed (at most 32 of them). The rest is the INI text.
#include <fcntl.h>
#include <fnmatch.h>
#include <langinfo.h>
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "backends/ini/block_scan.h"
#include "backends/ini/ini_backend.h"
#include "backends/ini/line_reader.h"
#include "base/fatal_error.h"
#include "cli/entry.h"
#include "cli/run.h"
#include "cli/run_sequence.h"
#include "port/getopt_reset.h"
#include "port/locale.h"
#include "support/glob_reference.h"
#include "support/reference_lines.h"

namespace {

// Stands for the pattern taken from the input, wherever a word may be.
const char* const input_pattern = "<pattern from the input>";
constexpr std::size_t max_pattern_size = 32;

enum class shape { listing, sections, silent };

// How this command line's result must relate to its partner's on the same
// input.
enum class relation {
  none,
  same_result,         // same status and message, same entries once unquoted
  same_if_this_works,  // when this run succeeds, the partner prints the same entries
  check_of,            // this is -c: status 0 exactly when the partner prints a line
};

struct command {
  std::vector<const char*> words;  // after "-f FILE"
  shape kind = shape::listing;
  bool names = false;   // lines are PREFIX NAME POSTFIX "=" VALUE
  bool quoted = false;  // -S
  std::string_view prefix;
  std::string_view postfix;
  std::size_t max_lines = SIZE_MAX;
  const char* name_glob = nullptr;   // every printed name matches it
  const char* value_glob = nullptr;  // no printed value fails it
  std::vector<const char*> partner;  // printed without -S
  relation rel = relation::none;
};

// GCC warns about members left to their defaults even when the initializer
// names the members it sets; leaving them out is the point here.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
const std::vector<command>& commands() {
  static const std::vector<command> table = {
      {.words = {"-s", "db", "host", "port"},
       .names = true,
       .max_lines = 2,
       .name_glob = "[hp]o[sr]t"},
      {.words = {"-l", "-S", "-p", "P_", "-s", "db"},
       .names = true,
       .quoted = true,
       .prefix = "P_",
       .partner = {"-l", "-p", "P_", "-s", "db"},
       .rel = relation::same_result},
      {.words = {"-L", "-O", "-s", "s", "-m", "*a*", "*"},
       .names = true,
       .value_glob = "*a*",
       .partner = {"-l", "-O", "-s", "s", "-m", "*a*"},
       .rel = relation::same_result},
      {.words = {"-x", "-L", "-s", "s", "-m", "b", "^a.*"},
       .names = true,
       .name_glob = "a*",
       .value_glob = "*b*",
       .partner = {"-L", "-s", "s", "-m", "*b*", "a*"},
       .rel = relation::same_if_this_works},
      {.words = {"-q", "sections"}, .kind = shape::sections},
      // No section: the first header's is taken, or reading stops there.
      {.words = {"-l"}, .names = true, .partner = {"-L", "*"}, .rel = relation::same_result},
      {.words = {"-c", "-s", "db", "host"},
       .kind = shape::silent,
       .partner = {"-s", "db", "host"},
       .rel = relation::check_of},
      {.words = {"-l", "-s", ""}, .names = true},
      {.words = {"-S", "-N", "-p", "X_", "-P", "_Y", "-s", "db", "host"},
       .names = true,
       .quoted = true,
       .prefix = "X_",
       .postfix = "_Y",
       .max_lines = 1,
       .name_glob = "host",
       .partner = {"-N", "-p", "X_", "-P", "_Y", "-s", "db", "host"},
       .rel = relation::same_result},
      {.words = {"-n", "-s", "s", "a"}, .max_lines = 1},
      // Exact names, some twice, found in one step, against the same names
      // as globs, tried one by one.
      {.words = {"-s", "s", "a", "b", "a", "ab", "b"},
       .names = true,
       .partner = {"-L", "-s", "s", "a", "b", "ab"},
       .rel = relation::same_result},
      {.words = {"-l", "-O", "-s", "db", "-x", "-m", "[0-9]"},
       .names = true,
       .value_glob = "*[0-9]*"},
      {.words = {"-l", "-S"},
       .names = true,
       .quoted = true,
       .partner = {"-l"},
       .rel = relation::same_result},
      {.words = {"-S", "-s", "s", "a"}, .quoted = true, .max_lines = 1},
      {.words = {"-L", "-s", "s", "--", input_pattern}, .names = true, .name_glob = input_pattern},
      {.words = {"-x", "-L", "-s", "s", "--", input_pattern}, .names = true},
      {.words = {"-x", "-l", "-s", "s", "-m", input_pattern}, .names = true},
  };
  return table;
}
#pragma GCC diagnostic pop

bool takes_pattern(const command& c) {
  return std::find(c.words.begin(), c.words.end(), input_pattern) != c.words.end();
}

struct outcome {
  int status = 0;
  bool failed = false;
  std::string message;
  std::string out;
  std::string command_line;
};

// Bytes that a terminal would hide or act on are shown as \xNN.
void print_escaped(std::string_view text) {
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte < 0x20 && c != '\n') || byte >= 0x7f || c == '\\') {
      std::fprintf(stderr, "\\x%02x", byte);
    } else {
      std::fputc(c, stderr);
    }
  }
}

void dump(const char* label, const outcome& o) {
  std::fprintf(stderr, "%s: ", label);
  print_escaped(o.command_line);
  std::fprintf(stderr, "\nstatus %d%s", o.status, o.failed ? ", failed: " : "");
  print_escaped(o.message);
  std::fprintf(stderr, "\noutput (%zu bytes):\n", o.out.size());
  print_escaped(o.out);
}

[[noreturn]] void broken(const char* what, const outcome& o, const outcome* partner = nullptr) {
  std::fprintf(stderr, "inipick_fuzzer: %s\n", what);
  dump("run", o);
  if (partner != nullptr) dump("partner run", *partner);
  std::abort();
}

void expect(bool ok, const char* what, const outcome& o, const outcome* partner = nullptr) {
  if (!ok) broken(what, o, partner);
}

// The memory file that holds the INI text of the current input.
int input_fd() {
  static const int fd = [] {
    const int made = memfd_create("inipick-fuzz", MFD_CLOEXEC);
    if (made < 0) {
      std::perror("memfd_create");
      std::abort();
    }
    return made;
  }();
  return fd;
}

void load_input(std::string_view text) {
  const int fd = input_fd();
  if (ftruncate(fd, 0) != 0) std::abort();
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = pwrite(fd, text.data() + done, text.size() - done, static_cast<off_t>(done));
    if (n <= 0) std::abort();
    done += static_cast<std::size_t>(n);
  }
}

// Standard input shares the memory file's offset: rewind it before each run.
void rewind_stdin() {
  static const bool attached = dup2(input_fd(), STDIN_FILENO) == STDIN_FILENO;
  if (!attached || lseek(STDIN_FILENO, 0, SEEK_SET) != 0) std::abort();
}

// Switches only when the wanted locale differs from the current one.
bool use_locale(bool utf8) {
  static int current = -1;
  if (current != int{utf8}) {
    if (!utf8 || std::setlocale(LC_ALL, "C.UTF-8") == nullptr) std::setlocale(LC_ALL, "C");
    current = int{utf8};
  }
  return inipick::port::codeset_is_utf8(nl_langinfo(CODESET));
}

std::FILE* null_stream() {
  static std::FILE* const stream = std::fopen("/dev/null", "w");
  if (stream == nullptr) std::abort();
  return stream;
}

// The ini backend with every line read through the parser: the reference
// for the reader's pass over lines outside the selected section.
const inipick::backend every_line_backend = {
    "ini", inipick::ini_openfile, inipick::ini_readfile_every_line, inipick::ini_closefile};

outcome invoke(const std::vector<const char*>& words, const std::string& pattern, bool from_stdin,
               bool utf8, bool every_line = false) {
  std::vector<std::string> args = {"inipick", "-f"};
  args.push_back(from_stdin ? "-" : "/proc/self/fd/" + std::to_string(input_fd()));
  for (const char* w : words) args.emplace_back(w == input_pattern ? pattern : w);
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  if (from_stdin) rewind_stdin();

  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* out = open_memstream(&buffer, &size);
  if (out == nullptr) std::abort();
  outcome o;
  for (std::size_t i = 1; i < args.size(); ++i) o.command_line += (i > 1 ? " " : "") + args[i];
  {
    inipick::run r(out, null_stream());
    r.settings.utf8_locale = utf8;
    if (every_line) r.selected_backend = &every_line_backend;
    try {
      inipick::getopt_reset();
      o.status = inipick::run_sequence(r, static_cast<int>(args.size()), argv.data());
    } catch (const inipick::fatal_error& e) {
      o.failed = true;
      o.status = e.status();
      o.message = e.what();
    }
  }
  std::fclose(out);
  o.out.assign(buffer, size);
  std::free(buffer);
  return o;
}

bool is_space(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x80 && std::isspace(byte) != 0;
}

std::size_t skip_space(std::string_view s, std::size_t i) {
  while (i < s.size() && is_space(s[i])) ++i;
  return i;
}

bool is_invalid_header(std::string_view line) {
  const std::size_t bracket = skip_space(line, 0);
  if (bracket == line.size() || line[bracket] != '[') return false;  // not a header at all
  const std::size_t first = skip_space(line, bracket + 1);
  if (first == line.size()) return true;
  const std::size_t close = line.find(']', first + 1);
  return close == std::string_view::npos || skip_space(line, close + 1) != line.size();
}

bool is_invalid_variable(std::string_view line) {
  const std::size_t start = skip_space(line, 0);
  if (start == line.size() || std::strchr("#;[", line[start]) != nullptr) return false;
  std::size_t i = start + 1;
  while (i < line.size() && line[i] != '=' && !is_space(line[i])) ++i;
  i = skip_space(line, i);
  return i == line.size() || line[i] != '=';
}

bool contains(std::string_view haystack, std::string_view needle) {
  return haystack.find(needle) != std::string_view::npos;
}

constexpr std::string_view not_shell_name = "Not a shell variable name: ";

// What -S lets through as PREFIX NAME: a shell variable name.
bool shell_name(std::string_view name, std::string_view prefix) {
  const auto word = [](char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') ||
           ch == '_';
  };
  if (prefix.empty() && (name.empty() || (name[0] >= '0' && name[0] <= '9'))) return false;
  return std::all_of(name.begin(), name.end(), word);
}

void check_failure(const command& c, const outcome& o, std::string_view ini) {
  expect(o.status == 1, "a failure with a status other than 1", o);
  expect(c.kind == shape::sections || o.out.empty(), "a failed run printed a result", o);
  const std::string_view m = o.message;
  const bool regex =
      std::find(c.words.begin(), c.words.end(), std::string_view("-x")) != c.words.end();
  constexpr std::string_view group = "Invalid group line: ";
  constexpr std::string_view no_value = "No value on line: ";
  if (m.starts_with(group)) {
    const std::string_view line = m.substr(group.size());
    expect(contains(ini, line) && !contains(line, "\n"), "the quoted line is not an input line", o);
    expect(is_invalid_header(line), "a valid line was called an invalid header", o);
  } else if (m.starts_with(no_value)) {
    const std::string_view line = m.substr(no_value.size());
    expect(contains(ini, line) && !contains(line, "\n"), "the quoted line is not an input line", o);
    expect(is_invalid_variable(line), "a valid line was called a line without a value", o);
  } else if (m == "Invalid input file - continuation at the last line") {
    expect(contains(ini, "\\"), "a continuation without a backslash", o);
  } else if (m.starts_with("Could not match '")) {
    expect(regex, "a matching error without -x", o);
  } else if (m.starts_with("Invalid match ")) {
    expect(regex && takes_pattern(c), "a fixed pattern was rejected", o);
  } else if (m.starts_with(not_shell_name)) {
    const std::string_view name = m.substr(not_shell_name.size());
    expect(c.quoted && c.names, "a name refused without -S", o);
    expect(contains(ini, name) && !shell_name(name, c.prefix), "a shell name was refused", o);
  } else {
    broken("an unexpected message", o);
  }
}

struct entry {
  std::string name;
  std::string value;
  bool operator==(const entry&) const = default;
};

// Reads one shell word as -S writes it: '...' pieces, with runs of single
// quotes between double quotes, ending in a single-quoted piece.
std::optional<std::string> unquote(std::string_view& s) {
  if (s.empty() || s.front() != '\'') return std::nullopt;
  std::string word;
  char last = 0;
  while (!s.empty() && (s.front() == '\'' || s.front() == '"')) {
    last = s.front();
    const std::size_t close = s.find(last, 1);
    if (close == std::string_view::npos) return std::nullopt;
    const std::string_view inside = s.substr(1, close - 1);
    if (last == '"' && (inside.empty() || inside.find_first_not_of('\'') != inside.npos)) {
      return std::nullopt;  // nothing but single quotes may travel in double quotes
    }
    word.append(inside);
    s.remove_prefix(close + 1);
  }
  if (last != '\'') return std::nullopt;
  return word;
}

std::optional<entry> parse_line(const command& c, bool quoted, std::string_view line) {
  entry e;
  if (c.names) {
    if (!line.starts_with(c.prefix)) return std::nullopt;
    line.remove_prefix(c.prefix.size());
    // A name holds "=" at most as its first byte.
    const std::size_t eq = line.find('=', 1);
    if (eq == std::string_view::npos) return std::nullopt;
    const std::string_view raw = line.substr(0, eq);
    if (!raw.ends_with(c.postfix)) return std::nullopt;
    e.name = raw.substr(0, raw.size() - c.postfix.size());
    if (quoted && !shell_name(e.name, c.prefix)) return std::nullopt;
    line.remove_prefix(eq);
    if (!line.starts_with('=')) return std::nullopt;
    line.remove_prefix(1);
  }
  if (quoted) {
    const std::optional<std::string> value = unquote(line);
    if (!value || !line.empty()) return std::nullopt;
    e.value = *value;
  } else {
    e.value = line;
  }
  return e;
}

std::vector<entry> parse_listing(const command& c, bool quoted, const outcome& o) {
  expect(o.out.empty() || o.out.back() == '\n', "the output does not end with a line feed", o);
  std::vector<entry> entries;
  std::string_view rest = o.out;
  while (!rest.empty()) {
    const std::size_t lf = rest.find('\n');
    const std::optional<entry> e = parse_line(c, quoted, rest.substr(0, lf));
    expect(e.has_value(), "an output line that does not parse back", o);
    entries.push_back(*e);
    rest.remove_prefix(lf + 1);
  }
  return entries;
}

void check_entries(const command& c, const std::vector<entry>& entries, const std::string& pattern,
                   const outcome& o) {
  expect(entries.size() <= c.max_lines, "more lines than names asked for", o);
  const char* name_glob = c.name_glob == input_pattern ? pattern.c_str() : c.name_glob;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const entry& e = entries[i];
    const std::string_view v = e.value;
    expect(!contains(v, std::string_view("\0", 1)), "a NUL byte in a value", o);
    expect(v.empty() || !is_space(v.back()), "a value ends in whitespace", o);
    if (c.value_glob != nullptr) {
      expect(fnmatch(c.value_glob, e.value.c_str(), 0) != FNM_NOMATCH, "a value fails -m", o);
    }
    if (!c.names) continue;
    const std::string_view n = e.name;
    expect(!n.empty(), "an empty name", o);
    expect(std::none_of(n.begin(), n.end(), [](char ch) { return ch == '\0' || is_space(ch); }),
           "whitespace or NUL in a name", o);
    expect(n.find('=', 1) == n.npos, "a name holds \"=\" after its first byte", o);
    expect(i == 0 || entries[i - 1].name < e.name, "names not sorted or not unique", o);
    if (name_glob != nullptr) {
      expect(fnmatch(name_glob, e.name.c_str(), 0) == 0, "a name that was not asked for", o);
    }
  }
}

// Whether name stands in the input between "[" and "]", whitespace aside.
bool is_header_name(std::string_view ini, std::string_view name) {
  for (std::size_t at = ini.find(name); at != ini.npos; at = ini.find(name, at + 1)) {
    std::size_t before = at;
    while (before > 0 && is_space(ini[before - 1])) --before;
    const std::size_t after = skip_space(ini, at + name.size());
    if (before > 0 && ini[before - 1] == '[' && after < ini.size() && ini[after] == ']')
      return true;
  }
  return false;
}

void check_sections(const outcome& o, std::string_view ini) {
  expect(o.out.empty() || o.out.back() == '\n', "the output does not end with a line feed", o);
  std::vector<std::string_view> names;
  std::string_view rest = o.out;
  while (!rest.empty()) {
    const std::size_t lf = rest.find('\n');
    const std::string_view name = rest.substr(0, lf);
    expect(!name.empty() && !is_space(name.front()) && !is_space(name.back()),
           "a section name empty or not trimmed", o);
    expect(!contains(name, std::string_view("\0", 1)), "a NUL byte in a section name", o);
    expect(is_header_name(ini, name), "a section name that no header holds", o);
    names.push_back(name);
    rest.remove_prefix(lf + 1);
  }
  expect(names.size() <= static_cast<std::size_t>(std::count(ini.begin(), ini.end(), '[')),
         "more sections than headers", o);
  std::sort(names.begin(), names.end());
  expect(std::adjacent_find(names.begin(), names.end()) == names.end(), "a section listed twice",
         o);
}

void check_partner(const command& c, const outcome& o, const outcome& p, const std::string& pattern,
                   std::string_view ini) {
  if (c.rel == relation::none) return;
  const command raw = [&c] {
    command r = c;
    r.words = c.partner;
    r.quoted = false;
    r.kind = shape::listing;
    return r;
  }();
  if (!p.failed) {
    check_entries(raw, parse_listing(raw, false, p), pattern, p);
  } else {
    check_failure(raw, p, ini);
  }
  // -S refuses what the partner prints: a name that is no shell name.
  if (o.failed && o.message.starts_with(not_shell_name) && !p.failed) {
    const std::string name = o.message.substr(not_shell_name.size());
    const std::vector<entry> printed = parse_listing(raw, false, p);
    expect(std::any_of(printed.begin(), printed.end(),
                       [&name](const entry& e) { return e.name == name; }),
           "-S refused a name the partner did not print", o, &p);
    return;
  }
  if (c.rel == relation::same_if_this_works) {
    if (o.failed) return;
    expect(!p.failed, "the partner run failed where this one did not", o, &p);
  } else {
    expect(o.failed == p.failed && o.message == p.message, "the partner run ended otherwise", o,
           &p);
  }
  if (o.failed) return;
  if (c.rel == relation::check_of) {
    expect(o.status == (p.out.empty() ? 1 : 0), "-c disagrees with the listing", o, &p);
    return;
  }
  expect(o.status == p.status, "the partner run ended otherwise", o, &p);
  expect(parse_listing(c, c.quoted, o) == parse_listing(raw, false, p),
         "the partner run printed other entries", o, &p);
}

}  // namespace

// The line reader gives exactly the reference's lines.
void check_line_reader(std::string_view ini) {
  if (lseek(input_fd(), 0, SEEK_SET) != 0) std::abort();
  std::vector<std::string> got;
  inipick::line_reader reader(input_fd());
  while (const auto line = reader.read_trimmed_line()) got.emplace_back(line->text, line->size);
  if (reader.failed() || got != inipick::test::reference_lines(ini)) {
    std::fprintf(stderr, "inipick_fuzzer: line reader differs from the reference\n");
    std::abort();
  }
  if (lseek(input_fd(), 0, SEEK_SET) != 0) std::abort();
}

// Every block scan finds what the bytewise one finds.
void check_block_scans(std::string_view ini) {
  const std::vector<char> bytes(ini.begin(), ini.end());  // nothing readable past the end
  const std::size_t count = (bytes.size() + 63) / 64;
  std::vector<std::uint64_t> reference(count);
  std::vector<std::uint64_t> masks(count);
  const auto scanners = inipick::block_scanners();
  const std::size_t nul = scanners[0].scan(bytes.data(), bytes.size(), reference.data());
  for (const inipick::named_block_scanner& s : scanners.subspan(1)) {
    if (s.scan(bytes.data(), bytes.size(), masks.data()) != nul || masks != reference) {
      std::fprintf(stderr, "inipick_fuzzer: the %s block scan differs from the bytewise one\n",
                   s.name);
      std::abort();
    }
  }
}

// The own glob matcher answers as fnmatch does, allowing for glibc's
// accidents, on the pattern and on the start of every line.
void check_glob_matcher(const std::string& pattern, std::string_view ini, bool utf8) {
  constexpr std::size_t max_name_size = 64;  // fnmatch is exponential in stars
  constexpr std::size_t max_names = 256;
  std::vector<std::string> names = {pattern};
  for (std::string_view rest = ini; !rest.empty() && names.size() < max_names;) {
    const std::size_t lf = rest.find('\n');
    const std::string_view line = rest.substr(0, std::min(lf, max_name_size));
    names.emplace_back(line.substr(0, line.find('\0')));
    rest.remove_prefix(lf == rest.npos ? rest.size() : lf + 1);
  }
  for (const std::string& name : names) {
    if (!inipick::test::glob_agrees(pattern.c_str(), name.c_str(), utf8, fnmatch)) {
      std::fprintf(stderr, "inipick_fuzzer: the own glob matcher differs from fnmatch on ");
      print_escaped(pattern);
      std::fprintf(stderr, " and ");
      print_escaped(name);
      std::fprintf(stderr, "\n");
      std::abort();
    }
  }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const command& c = commands()[data[0] % commands().size()];
  const bool utf8 = use_locale((data[1] & 1) != 0);
  const bool from_stdin = (data[1] & 2) != 0;
  std::string_view ini(reinterpret_cast<const char*>(data) + 2, size - 2);
  std::string pattern;
  if (takes_pattern(c)) {
    const std::size_t lf = ini.find('\n');
    const std::string_view head = ini.substr(0, std::min(lf, max_pattern_size));
    pattern.assign(head.substr(0, head.find('\0')));
    ini.remove_prefix(lf <= max_pattern_size ? lf + 1 : head.size());
    // Many stars make glob matching exponential in the C library, not here.
    if (std::count(pattern.begin(), pattern.end(), '*') > 3) return 0;
  }
  if (takes_pattern(c)) check_glob_matcher(pattern, ini, utf8);
  load_input(ini);
  check_line_reader(ini);
  check_block_scans(ini);

  const outcome o = invoke(c.words, pattern, from_stdin, utf8);
  const outcome reference = invoke(c.words, pattern, from_stdin, utf8, true);
  expect(o.status == reference.status && o.failed == reference.failed &&
             o.message == reference.message && o.out == reference.out,
         "passing over lines changed the result", o, &reference);
  if (o.failed) {
    check_failure(c, o, ini);
  } else {
    expect(o.status == 0 || (o.status == 1 && c.kind == shape::silent), "an unexpected status", o);
    switch (c.kind) {
      case shape::listing: check_entries(c, parse_listing(c, c.quoted, o), pattern, o); break;
      case shape::sections: check_sections(o, ini); break;
      case shape::silent: expect(o.out.empty(), "-c printed something", o); break;
    }
  }
  if (c.rel != relation::none) {
    check_partner(c, o, invoke(c.partner, pattern, from_stdin, utf8), pattern, ini);
  }
  return 0;
}
