// SPDX-License-Identifier: BSD-2-Clause
// Option reading and validation: which words are options, which message
// wins when several things are wrong, and the usage text after a bad option.
#include "e2e_case.h"

namespace inipick::e2e {
namespace {

const std::string no_criteria = "No matching criteria specified";
const std::string c_with_l = "The -c flag may not be used with -l or -L";
const std::string o_needs_section = "The -O flag only makes sense with a non-empty section name";
const std::string n_with_n = "The -N and -n flags may not be used together";
const std::string bad_query = "Unsupported query type";
const std::string bad_long = "Unknown long option";
const getopt_complaint bad_z = unknown_letter('z');

INIPICK_E2E_CASES(OptionReading) = {
    fails("NoArgumentsAtAll", {}, no_criteria),
    fails_on_app("PatternFlagWithoutPattern", "-f app.ini -L", no_criteria),
    rejected("UnknownLetterPrintsUsageToStderr", "-f app.ini -z host", bad_z, {app_ini}),
    rejected("MissingArgumentPrintsUsageToStderr", "-s db -f", missing_argument('f')),
    rejected("UnknownLetterInsideCluster", "-cZ host", unknown_letter('Z')),
    rejected("NothingAfterUnknownLetterIsRead", "-z -q bogus", bad_z),
    fails("UnsupportedQueryStopsBeforeUnknownLetter", "-q bogus -z", bad_query),
    // -l is a variable name here.
    on_app("ReadingStopsAtFirstNonOption", "-f app.ini -s db host -l", "host=alpha\n"),
    prints("DoubleHyphenEndsOptions", "-f dash.ini -s s -- -n", "dash\n",
           {{.name = "dash.ini", .content = "[s]\n-n = dash\n"}}),
    // Even where getopt would take it for option '-', as a BSD one does.
    prints("LoneHyphenIsAnOperand", "-f dash.ini -s s - -n", "-=lone\n-n=dash\n",
           {{.name = "dash.ini", .content = "[s]\n- = lone\n-n = dash\n"}}),
    with_stdin("[s]\n- = in\n", prints("LoneHyphenAsFileName", "-f - -s s -", "in\n")),
    // Whatever the C library makes of a "+" heading the option string.
    rejected("PlusIsAnUnknownLetter", "-+ -f app.ini host", unknown_letter('+'), {app_ini}),
    on_app("LettersShareOneWord", "-Nsdb -fapp.ini host", "host=alpha\n"),
    on_app("LastSectionOptionCounts", "-s web -f app.ini -s db port", "5432\n"),
    on_app("LastFileOptionCounts", "-f nope.ini -f app.ini -s db host", "alpha\n"),
    {.name = "ProgramNameIsLastPathComponent",
     .err = "ipk: No matching criteria specified\n",
     .status = 1,
     .argv0 = "tools/bin/ipk"},
    // Arguments and file names are UTF-8 bytes on every system: Windows
    // hands them over as wide characters, which start-up converts. Wine
    // converts what it passes on by the Unix locale: UTF-8 here.
    in_utf8(prints("ArgumentsAndFileNameOutsideAscii", "-f données.ini -s sécurité clé", "vålue\n",
                   {{.name = "données.ini", .content = "[sécurité]\nclé = vålue\n"}})),
    in_utf8(fails("MissingFileNamedOutsideAscii", "-f absent-é.ini x",
                  "Opening the input file absent-é.ini: No such file or directory")),
};

INIPICK_E2E_CASES(TypeAndQueryWords) = {
    on_app("TypeEmptySelectsIni", {"-t", "", "-f", "app.ini", "-s", "db", "host"}, "alpha\n"),
    on_app("TypeI", "-ti -f app.ini -s db host", "alpha\n"),
    on_app("TypeIn", "-t in -f app.ini -s db host", "alpha\n"),
    on_app("TypeIni", "-t ini -f app.ini -s db host", "alpha\n"),
    fails_on_app("TypeUpperCaseIsUnknown", "-t INI -f app.ini host", "Unknown backend 'INI'"),
    fails("TypeLongerThanNameIsUnknown", "-t inix host", "Unknown backend 'inix'"),
    fails("EveryTypeIsValidated", "-t ini -t x -t ini host", "Unknown backend 'x'"),
    fails("UnknownTypeStopsBeforeUnknownLetter", "-t nope -z", "Unknown backend 'nope'"),
    fails_on_app("QueryWordIsCaseSensitive", "-q Sections -f app.ini", bad_query),
    fails_on_app("QueryWordMustBeWhole", "-q section -f app.ini", bad_query),
    fails("LongOptionPrefixIsUnknown", "--hel", bad_long),
    fails("LongOptionWithValueIsUnknown", "--help=x", bad_long),
    fails("UnknownLongOptionAfterVersion", "-V --verbose", bad_long),
};

INIPICK_E2E_CASES(Validation) = {
    fails_on_app("ListAllWithName", "-f app.ini -l host", single_query),
    fails("FeaturesWithName", "-q features x", single_query),
    fails_on_app("SectionsWithName", "-f app.ini -q sections x", single_query),
    fails("ListAllWithPatterns", "-l -L a", single_query),
    fails("FeatureWithPatterns", "-q feature -L a", single_query),
    fails("SectionsWithFeature", "-q sections -q feature BASE", single_query),
    fails("SingleQueryCheckedBeforeCheckFlag", "-c -l -q sections", single_query),
    fails_on_app("CheckWithListAll", "-c -l -f app.ini", c_with_l),
    fails("CheckWithPattern", "-c -L h*", c_with_l),
    fails("CheckFlagCheckedBeforeMissingCriteria", "-c -L", c_with_l),
    fails_on_app("OverrideWithoutSection", "-O -f app.ini host", o_needs_section),
    fails_on_app("OverrideWithEmptySection", {"-O", "-s", "", "-f", "app.ini", "host"},
                 o_needs_section),
    fails_on_app("OverrideWithSectionsQuery", "-O -q sections -f app.ini", o_needs_section),
    fails_on_app("OverrideWithCheck", "-c -O -f app.ini host", o_needs_section),
    fails("OverrideCheckedBeforeNameFlags", "-O -N -n host", o_needs_section),
    fails_on_app("NameFlagsTogether", "-N -n -f app.ini host", n_with_n),
    fails("MissingCriteriaCheckedBeforeNameFlags", "-N -n", no_criteria),
    fails("NoFileNamed", "-s db host", "No configuration file name specified"),
    fails("ValidationBeforeTheFileIsOpened", "-f nope.ini -l -c", c_with_l),
    fails("MissingFileReportedAfterValidation", "-f nope.ini -s db host",
          "Opening the input file nope.ini: No such file or directory"),
};

}  // namespace
}  // namespace inipick::e2e
