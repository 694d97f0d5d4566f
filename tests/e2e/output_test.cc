// The result listing: when names are shown, the order, shell quoting, and
// what happens when standard output cannot take the result.
#include <string>
#include <vector>

#include "e2e_case.h"

namespace inipick::e2e {
namespace {

using namespace std::string_literals;

const input_file app_ini{.name = "app.ini",
                         .content =
                             "top = level\n"
                             "[db]\n"
                             "host = alpha\n"
                             "port = 5432\n"
                             "[web]\n"
                             "port = 80\n"};

const std::vector<e2e_case> name_display_cases = {
    {.name = "OneNamePrintsValueAlone",
     .args = {"-f", "app.ini", "-s", "db", "host"},
     .files = {app_ini},
     .out = "alpha\n"},
    {.name = "TwoNamesPrintNames",
     .args = {"-f", "app.ini", "-s", "db", "port", "host"},
     .files = {app_ini},
     .out = "host=alpha\nport=5432\n"},
    {.name = "SameNameTwicePrintsOneLineWithName",
     .args = {"-f", "app.ini", "-s", "db", "port", "port"},
     .files = {app_ini},
     .out = "port=5432\n"},
    {.name = "AlwaysShowNameForOne",
     .args = {"-N", "-f", "app.ini", "-s", "db", "host"},
     .files = {app_ini},
     .out = "host=alpha\n"},
    {.name = "NeverShowNameForListAll",
     .args = {"-n", "-f", "app.ini", "-s", "db", "-l"},
     .files = {app_ini},
     .out = "alpha\n5432\n"},
    {.name = "NeverShowNameForTwo",
     .args = {"-n", "-f", "app.ini", "-s", "db", "host", "port"},
     .files = {app_ini},
     .out = "alpha\n5432\n"},
    {.name = "PatternsShowNameEvenForOne",
     .args = {"-f", "app.ini", "-s", "db", "-L", "host"},
     .files = {app_ini},
     .out = "host=alpha\n"},
    {.name = "PrefixAndPostfixNeedTheName",
     .args = {"-p", "X_", "-P", "_Y", "-f", "app.ini", "-s", "db", "port"},
     .files = {app_ini},
     .out = "5432\n"},
    {.name = "PrefixAndPostfixAroundName",
     .args = {"-N", "-p", "X_", "-P", "_Y", "-f", "app.ini", "-s", "db", "port"},
     .files = {app_ini},
     .out = "X_port_Y=5432\n"},
    {.name = "PrefixAndPostfixWithQuoting",
     .args = {"-S", "-N", "-p", "X_", "-P", "_Y", "-f", "app.ini", "-s", "db", "port"},
     .files = {app_ini},
     .out = "X_port_Y='5432'\n"},
    {.name = "MissingNamePrintsNothing",
     .args = {"-f", "app.ini", "-s", "db", "user"},
     .files = {app_ini}},
};
INIPICK_E2E_CASES(NameDisplay, name_display_cases);

const std::vector<e2e_case> order_cases = {
    {.name = "SortedNotInArgumentOrder",
     .args = {"-f", "app.ini", "-s", "db", "port", "host"},
     .files = {app_ini},
     .out = "host=alpha\nport=5432\n"},
    {.name = "SortedByBytes",
     .args = {"-f", "o.ini", "-s", "s", "-l"},
     .files = {{.name = "o.ini",
                .content = "[s]\n"
                           "b = 1\n"
                           "\xc3\xa9 = 2\n"
                           "a. = 3\n"
                           "B = 4\n"
                           "aa = 5\n"
                           "_ = 6\n"
                           "a = 7\n"
                           "~ = 8\n"}},
     .out = "B=4\n_=6\na=7\na.=3\naa=5\nb=1\n~=8\n\xc3\xa9=2\n"},
    {.name = "SortedByBytesInUtf8Locale",
     .args = {"-f", "o.ini", "-s", "s", "-l"},
     .files = {{.name = "o.ini", .content = "[s]\nb = 1\n\xc3\xa9 = 2\nB = 3\n\xe2\x82\xac = 4\n"}},
     .env = {"LC_ALL=C.UTF-8"},
     .out = "B=3\nb=1\n\xc3\xa9=2\n\xe2\x82\xac=4\n"},
};
INIPICK_E2E_CASES(Order, order_cases);

const input_file quoting_ini{.name = "q.ini",
                             .content =
                                 "[s]\n"
                                 "v1 = abc\n"
                                 "v2 =\n"
                                 "v3 = it's\n"
                                 "v4 = a''b\n"
                                 "v5 = '\n"
                                 "v6 = ''a'\n"
                                 "v7 = $HOME `id` \"x\" \\n \xe9\xff\n"};

const std::vector<e2e_case> quoting_cases = {
    {.name = "QuotingTable",
     .args = {"-S", "-f", "q.ini", "-s", "s", "-l"},
     .files = {quoting_ini},
     .out = "v1='abc'\n"
            "v2=''\n"
            "v3='it'\"'\"'s'\n"
            "v4='a'\"''\"'b'\n"
            "v5=''\"'\"''\n"
            "v6=''\"''\"'a'\"'\"''\n"
            "v7='$HOME `id` \"x\" \\n \xe9\xff'\n"},
    {.name = "EmptyValueQuoted",
     .args = {"-S", "-f", "q.ini", "-s", "s", "v2"},
     .files = {quoting_ini},
     .out = "''\n"},
    {.name = "WithoutQuotingValuesAreRaw",
     .args = {"-f", "q.ini", "-s", "s", "-L", "v[3-7]"},
     .files = {quoting_ini},
     .out = "v3=it's\nv4=a''b\nv5='\nv6=''a'\nv7=$HOME `id` \"x\" \\n \xe9\xff\n"},
};
INIPICK_E2E_CASES(Quoting, quoting_cases);

// A name comes from the file: under -S only names the shell reads as plain
// words go out raw.
const input_file names_ini{.name = "n.ini",
                           .content =
                               "[s]\n"
                               "x$(reboot) = v\n"
                               "Safe_09.a,b:c+d@e%f/g-h = w\n"
                               "= = eq\n"
                               "it's = q\n"
                               "caf\xc3\xa9 = u\n"
                               "a*b = star\n"};

const std::vector<e2e_case> name_quoting_cases = {
    {.name = "UnsafeNamesQuotedUnderShellQuoting",
     .args = {"-S", "-f", "n.ini", "-s", "s", "-l"},
     .files = {names_ini},
     .out = "=='eq'\n"
            "Safe_09.a,b:c+d@e%f/g-h='w'\n"
            "'a*b'='star'\n"
            "'caf\xc3\xa9'='u'\n"
            "'it'\"'\"'s'='q'\n"
            "'x$(reboot)'='v'\n"},
    {.name = "PrefixAndPostfixStayRaw",
     .args = {"-S", "-p", "export ", "-P", "$(x)", "-f", "n.ini", "-s", "s", "-L", "x*", "S*"},
     .files = {names_ini},
     .out = "export Safe_09.a,b:c+d@e%f/g-h$(x)='w'\n"
            "export 'x$(reboot)'$(x)='v'\n"},
    {.name = "NamesRawWithoutShellQuoting",
     .args = {"-f", "n.ini", "-s", "s", "-l"},
     .files = {names_ini},
     .out = "==eq\n"
            "Safe_09.a,b:c+d@e%f/g-h=w\n"
            "a*b=star\n"
            "caf\xc3\xa9=u\n"
            "it's=q\n"
            "x$(reboot)=v\n"},
};
INIPICK_E2E_CASES(NameQuoting, name_quoting_cases);

const std::string write_failed =
    "inipick: Error writing to standard output: No space left on device\n";

const std::vector<e2e_case> write_failure_cases = {
    {.name = "ListingToFullDevice",
     .args = {"-f", "app.ini", "-s", "db", "host"},
     .files = {app_ini},
     .err = write_failed,
     .status = 1,
     .stdout_to = stdout_target::dev_full},
    {.name = "ListingBiggerThanBufferToFullDevice",  // fails while printing, reported once
     .args = {"-f", "big.ini", "-s", "s", "-l"},
     .files = {{.name = "big.ini", .content = "[s]\nv=" + std::string(200000, 'x') + "\n"}},
     .err = write_failed,
     .status = 1,
     .stdout_to = stdout_target::dev_full},
    {.name = "VersionToFullDevice",
     .args = {"-V"},
     .err = write_failed,
     .status = 1,
     .stdout_to = stdout_target::dev_full},
    {.name = "UsageToFullDevice",
     .args = {"-h"},
     .err = write_failed,
     .status = 1,
     .stdout_to = stdout_target::dev_full},
    {.name = "FeaturesToFullDevice",
     .args = {"-q", "features"},
     .err = write_failed,
     .status = 1,
     .stdout_to = stdout_target::dev_full},
    {.name = "SectionsToFullDevice",
     .args = {"-f", "app.ini", "-q", "sections"},
     .files = {app_ini},
     .err = write_failed,
     .status = 1,
     .stdout_to = stdout_target::dev_full},
    {.name = "VersionToClosedOutput",
     .args = {"-V"},
     .err = "inipick: Error writing to standard output: Bad file descriptor\n",
     .status = 1,
     .stdout_to = stdout_target::closed},
    {.name = "ListingToClosedOutput",  // the input file may take descriptor 1 meanwhile
     .args = {"-f", "app.ini", "-s", "db", "host"},
     .files = {app_ini},
     .err = "inipick: Error writing to standard output: Bad file descriptor\n",
     .status = 1,
     .stdout_to = stdout_target::closed},
    {.name = "SectionsToClosedOutput",
     .args = {"-f", "app.ini", "-q", "sections"},
     .files = {app_ini},
     .err = "inipick: Error writing to standard output: Bad file descriptor\n",
     .status = 1,
     .stdout_to = stdout_target::closed},
    {.name = "CheckToClosedOutputSucceeds",
     .args = {"-c", "-f", "app.ini", "-s", "db", "host"},
     .files = {app_ini},
     .stdout_to = stdout_target::closed},
    {.name = "CheckToFullDeviceSucceeds",
     .args = {"-c", "-f", "app.ini", "-s", "db", "host"},
     .files = {app_ini},
     .stdout_to = stdout_target::dev_full},
    {.name = "NothingSelectedToFullDeviceSucceeds",
     .args = {"-f", "app.ini", "-s", "db", "user"},
     .files = {app_ini},
     .stdout_to = stdout_target::dev_full},
    {.name = "FailedRunKeepsItsOwnMessage",
     .args = {"-f", "bad.ini", "-q", "sections"},
     .files = {{.name = "bad.ini", .content = "[a]\n[b]\nbad line\n"}},
     .err = "inipick: No value on line: bad line\n",
     .status = 1,
     .stdout_to = stdout_target::dev_full},
    {.name = "UnknownFeatureToFullDeviceKeepsStatus",
     .args = {"-q", "feature", "NOPE"},
     .status = 1,
     .stdout_to = stdout_target::dev_full},
    {.name = "BadOptionToClosedOutputKeepsUsage",
     .args = {"-z"},
     .err = "inipick: invalid option -- 'z'\n" + usage_text,
     .status = 1,
     .stdout_to = stdout_target::closed},
};
INIPICK_E2E_CASES(WriteFailure, write_failure_cases);

}  // namespace
}  // namespace inipick::e2e
