// SPDX-License-Identifier: BSD-2-Clause
// The result listing: when names are shown, the order, shell quoting, and
// what happens when standard output cannot take the result.
#include "e2e_case.h"

namespace inipick::e2e {
namespace {

INIPICK_E2E_CASES(NameDisplay) = {
    on_app("OneNamePrintsValueAlone", "-f app.ini -s db host", "alpha\n"),
    on_app("TwoNamesPrintNames", "-f app.ini -s db port host", "host=alpha\nport=5432\n"),
    on_app("SameNameTwicePrintsOneLineWithName", "-f app.ini -s db port port", "port=5432\n"),
    on_app("AlwaysShowNameForOne", "-N -f app.ini -s db host", "host=alpha\n"),
    on_app("NeverShowNameForListAll", "-n -f app.ini -s db -l", "alpha\n5432\n"),
    on_app("NeverShowNameForTwo", "-n -f app.ini -s db host port", "alpha\n5432\n"),
    on_app("PatternsShowNameEvenForOne", "-f app.ini -s db -L host", "host=alpha\n"),
    on_app("PrefixAndPostfixNeedTheName", "-p X_ -P _Y -f app.ini -s db port", "5432\n"),
    on_app("PrefixAndPostfixAroundName", "-N -p X_ -P _Y -f app.ini -s db port", "X_port_Y=5432\n"),
    on_app("PrefixAndPostfixWithQuoting", "-S -N -p X_ -P _Y -f app.ini -s db port",
           "X_port_Y='5432'\n"),
    on_app("MissingNamePrintsNothing", "-f app.ini -s db user", ""),
};

INIPICK_E2E_CASES(Order) = {
    on_app("SortedNotInArgumentOrder", "-f app.ini -s db port host", "host=alpha\nport=5432\n"),
    prints("SortedByBytes", "-f o.ini -s s -l", "B=4\n_=6\na=7\na.=3\naa=5\nb=1\n~=8\n\xc3\xa9=2\n",
           {{.name = "o.ini",
             .content = "[s]\nb = 1\n\xc3\xa9 = 2\na. = 3\nB = 4\naa = 5\n_ = 6\na = 7\n~ = 8\n"}}),
    in_utf8(prints(
        "SortedByBytesInUtf8Locale", "-f o.ini -s s -l", "B=3\nb=1\n\xc3\xa9=2\n\xe2\x82\xac=4\n",
        {{.name = "o.ini", .content = "[s]\nb = 1\n\xc3\xa9 = 2\nB = 3\n\xe2\x82\xac = 4\n"}})),
};

const std::vector<input_file> quoting_ini = {
    {.name = "q.ini",
     .content = "[s]\nv1 = abc\nv2 =\nv3 = it's\nv4 = a''b\nv5 = '\nv6 = ''a'\n"
                "v7 = $HOME `id` \"x\" \\n \xe9\xff\nv8 = x'\nv9 = x''\n"}};

INIPICK_E2E_CASES(Quoting) = {
    prints("QuotingTable", "-S -f q.ini -s s -l",
           "v1='abc'\n"
           "v2=''\n"
           "v3='it'\"'\"'s'\n"
           "v4='a'\"''\"'b'\n"
           "v5=''\"'\"''\n"
           "v6=''\"''\"'a'\"'\"''\n"
           "v7='$HOME `id` \"x\" \\n \xe9\xff'\n"
           "v8='x'\"'\"''\n"
           "v9='x'\"''\"''\n",
           quoting_ini),
    prints("EmptyValueQuoted", "-S -f q.ini -s s v2", "''\n", quoting_ini),
    prints("WithoutQuotingValuesAreRaw", "-f q.ini -s s -L v[3-7]",
           "v3=it's\nv4=a''b\nv5='\nv6=''a'\nv7=$HOME `id` \"x\" \\n \xe9\xff\n", quoting_ini),
};

// A name comes from the file: without -S it goes out as it is.
INIPICK_E2E_CASES(NameQuoting) = {
    prints("NamesRawWithoutShellQuoting", "-f n.ini -s s -l",
           "==eq\nSafe_09.a,b:c+d@e%f/g-h=w\na*b=star\ncaf\xc3\xa9=u\nit's=q\nx$(reboot)=v\n",
           {{.name = "n.ini",
             .content = "[s]\nx$(reboot) = v\nSafe_09.a,b:c+d@e%f/g-h = w\n= = eq\nit's = q\n"
                        "caf\xc3\xa9 = u\na*b = star\n"}}),
};

// Under -S a printed name must make the line an assignment: eval would run
// "a-b='1'" or "./evil='1'" as a command. Every way of printing names, for
// each kind of word that is no variable name; only a prefix lets a digit
// lead.
std::vector<e2e_case> odd_name_cases() {
  const char* const odd[] = {"./evil", "a-b", "1x", "x.y", "@x", "x+y", "x:y", "x,y", "x%y"};
  const std::pair<const char*, const char*> forms[] = {
      {"List", "-S -l"},         {"Pattern", "-S -L *"},     {"TwoNames", "-S -N ok NAME"},
      {"Prefix", "-S -p P_ -l"}, {"Postfix", "-S -P _Q -l"},
  };
  std::vector<e2e_case> cases;
  for (std::size_t i = 0; i < std::size(odd); ++i) {
    const std::vector<input_file> file = {
        {.name = "o.ini", .content = std::string("[s]\nok = 1\n") + odd[i] + " = 1\n"}};
    for (const auto& [form, args] : forms) {
      words w("-f o.ini -s s");
      for (const std::string& word : words(args).list)
        w.list.push_back(word == "NAME" ? odd[i] : word);
      const std::string name = "OddName" + std::to_string(i) + form;
      cases.push_back(
          std::string(form) == "Prefix" && odd[i][0] == '1'
              ? prints(name, w, "P_1x='1'\nP_ok='1'\n", file)
              : fails(name, w, std::string("Not a shell variable name: ") + odd[i], file));
    }
  }
  return cases;
}
INIPICK_E2E_CASES(OddNames) = odd_name_cases();

const std::vector<input_file> odd_ini = {
    {.name = "o.ini", .content = "top-level = 0\n[s]\nok = 1\nx$(id) = 2\na-b = 3\n"}};

INIPICK_E2E_CASES(ShellNames) = {
    // The first in the file, before anything is printed.
    fails("FirstOddNameInFileStopsTheRun", "-S -f o.ini -s s -l",
          "Not a shell variable name: x$(id)", odd_ini),
    prints("ValuesAloneNeedNoNames", "-S -n -f o.ini -s s -l", "'3'\n'1'\n'2'\n", odd_ini),
    prints("OneNameNeedsNoName", "-S -f o.ini -s s a-b", "'3'\n", odd_ini),
    prints("CheckPrintsNoName", "-c -S -N -f o.ini -s s a-b", "", odd_ini),
    // Hidden by -O and -m, it is never printed.
    prints("HiddenOddNameIsNotChecked", "-S -O -m 1 -f o.ini -s s -l", "ok='1'\n", odd_ini),
    prints("UnderscoresAndDigits", "-S -f u.ini -s s -l", "A_1='x'\n_='y'\n_9='z'\n",
           {{.name = "u.ini", .content = "[s]\nA_1 = x\n_ = y\n_9 = z\n"}}),
    prints("PrefixAndPostfixStayRaw",
           {"-S", "-N", "-p", "export ", "-P", "_V", "-f", "o.ini", "-s", "s", "ok"},
           "export ok_V='1'\n", odd_ini),
};

// Standard output is /dev/full, where every write fails, or not open at all.
using enum stdout_target;
e2e_case to_full(const e2e_case& c) { return with(&e2e_case::stdout_to, dev_full, c); }
e2e_case to_closed(const e2e_case& c) { return with(&e2e_case::stdout_to, closed, c); }
const std::string enospc = "Error writing to standard output: No space left on device";
const std::string ebadf = "Error writing to standard output: Bad file descriptor";

INIPICK_E2E_CASES(WriteFailure) = {
    to_full(fails_on_app("ListingToFullDevice", "-f app.ini -s db host", enospc)),
    // Fails while printing, reported once.
    to_full(fails("ListingBiggerThanBufferToFullDevice", "-f big.ini -s s -l", enospc,
                  {{.name = "big.ini", .content = "[s]\nv=" + std::string(200000, 'x') + "\n"}})),
    to_full(fails("VersionToFullDevice", "-V", enospc)),
    to_full(fails("UsageToFullDevice", "-h", enospc)),
    to_full(fails("FeaturesToFullDevice", "-q features", enospc)),
    to_full(fails_on_app("SectionsToFullDevice", "-f app.ini -q sections", enospc)),
    to_closed(fails("VersionToClosedOutput", "-V", ebadf)),
    // The input file may take descriptor 1 meanwhile.
    to_closed(fails_on_app("ListingToClosedOutput", "-f app.ini -s db host", ebadf)),
    to_closed(fails_on_app("SectionsToClosedOutput", "-f app.ini -q sections", ebadf)),
    to_closed(on_app("CheckToClosedOutputSucceeds", "-c -f app.ini -s db host", "")),
    to_full(on_app("CheckToFullDeviceSucceeds", "-c -f app.ini -s db host", "")),
    to_full(on_app("NothingSelectedToFullDeviceSucceeds", "-f app.ini -s db user", "")),
    // The first failed write ends the run: the bad line far behind it is
    // never read.
    to_full(fails("SectionsStopAtTheFirstFailedWrite", "-f many.ini -q sections", enospc,
                  {{.name = "many.ini",
                    .content =
                        [] {
                          std::string s;
                          for (int i = 0; i < 100000; ++i) s += "[s" + std::to_string(i) + "]\n";
                          return s + "bad line\n";
                        }()}})),
    to_full(fails("FailedRunKeepsItsOwnMessage", "-f bad.ini -q sections",
                  "No value on line: bad line",
                  {{.name = "bad.ini", .content = "[a]\n[b]\nbad line\n"}})),
    to_full(with(&e2e_case::status, 1,
                 prints("UnknownFeatureToFullDeviceKeepsStatus", "-q feature NOPE", ""))),
    to_closed(rejected("BadOptionToClosedOutputKeepsUsage", "-z", unknown_letter('z'))),
};

}  // namespace
}  // namespace inipick::e2e
