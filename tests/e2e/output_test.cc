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

// A name comes from the file: under -S only names the shell reads as plain
// words go out raw.
const std::vector<input_file> names_ini = {
    {.name = "n.ini",
     .content = "[s]\nx$(reboot) = v\nSafe_09.a,b:c+d@e%f/g-h = w\n= = eq\nit's = q\n"
                "caf\xc3\xa9 = u\na*b = star\n"}};

INIPICK_E2E_CASES(NameQuoting) = {
    prints("UnsafeNamesQuotedUnderShellQuoting", "-S -f n.ini -s s -l",
           "=='eq'\n"
           "Safe_09.a,b:c+d@e%f/g-h='w'\n"
           "'a*b'='star'\n"
           "'caf\xc3\xa9'='u'\n"
           "'it'\"'\"'s'='q'\n"
           "'x$(reboot)'='v'\n",
           names_ini),
    prints("PrefixAndPostfixStayRaw",
           {"-S", "-p", "export ", "-P", "$(x)", "-f", "n.ini", "-s", "s", "-L", "x*", "S*"},
           "export Safe_09.a,b:c+d@e%f/g-h$(x)='w'\nexport 'x$(reboot)'$(x)='v'\n", names_ini),
    prints("NamesRawWithoutShellQuoting", "-f n.ini -s s -l",
           "==eq\nSafe_09.a,b:c+d@e%f/g-h=w\na*b=star\ncaf\xc3\xa9=u\nit's=q\nx$(reboot)=v\n",
           names_ini),
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
