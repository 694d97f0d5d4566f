// -V, -h, -T and the feature queries: answered without reading any input.
#include <string>
#include <vector>

#include "e2e_case.h"

namespace inipick::e2e {
namespace {

const std::string version = "inipick 5.1.2\n";
const std::string backends = "Supported backends: ini\n";
const std::string features = "BASE=5.1.2 REGEX=1.0 REGEX_IMPL_C_PCRE2=10.49\n";
const std::string single_query = "inipick: Only a single query at a time, please!\n";
const std::string one_feature_name = "inipick: A single feature name expected\n";

const std::vector<e2e_case> info_cases = {
    {.name = "Version", .args = {"-V"}, .out = version},
    {.name = "LongVersion", .args = {"--version"}, .out = version},
    {.name = "VersionTwicePrintedOnce", .args = {"-V", "-VV", "--version"}, .out = version},
    {.name = "Usage", .args = {"-h"}, .out = usage_text},
    {.name = "LongUsage", .args = {"--help"}, .out = usage_text},
    {.name = "Backends", .args = {"-T"}, .out = backends},
    {.name = "AllThreeInFixedOrder",
     .args = {"-T", "-h", "-V"},
     .out = version + usage_text + backends},
    {.name = "AllThreeInOneWord", .args = {"-ThV"}, .out = version + usage_text + backends},
    {.name = "UsageThenBackends", .args = {"-T", "--help", "-T"}, .out = usage_text + backends},
    {.name = "VersionThenBackends", .args = {"-T", "-V"}, .out = version + backends},
    {.name = "UsageIgnoresConflictingOptions",
     .args = {"-h", "-c", "-l", "x", "y"},
     .out = usage_text},
    {.name = "VersionIgnoresListAndName", .args = {"-V", "-l", "name"}, .out = version},
    {.name = "VersionNeverOpensFile",
     .args = {"-V", "-f", "nope.ini", "-s", "s", "x"},
     .out = version},
    {.name = "VersionNeverCompiles", .args = {"-V", "-x", "("}, .out = version},
    {.name = "VersionAndNonOptionWords", .args = {"-V", "x", "-z"}, .out = version},
    {.name = "UnsupportedQueryAfterUsage",
     .args = {"-h", "-q", "bogus"},
     .err = "inipick: Unsupported query type\n",
     .status = 1},
    {.name = "UnknownBackendAfterBackendList",
     .args = {"-T", "-t", "nope"},
     .err = "inipick: Unknown backend 'nope'\n",
     .status = 1},
    {.name = "UnknownLetterAfterUsage",
     .args = {"-h", "-z"},
     .err = "inipick: invalid option -- 'z'\n" + usage_text,
     .status = 1},
};
INIPICK_E2E_CASES(InfoQueries, info_cases);

const std::vector<e2e_case> feature_cases = {
    {.name = "Features", .args = {"-q", "features"}, .out = features},
    {.name = "FeaturesWithCheck", .args = {"-c", "-q", "features"}, .out = features},
    {.name = "FeaturesWithOverrideAndNoSection", .args = {"-O", "-q", "features"}, .out = features},
    {.name = "FeaturesNeverOpenFile",
     .args = {"-f", "nope.ini", "-q", "features"},
     .out = features},
    {.name = "FeaturesBeforeNameFlagCheck",
     .args = {"-N", "-n", "-q", "features"},
     .out = features},
    {.name = "FeatureBase", .args = {"-q", "feature", "BASE"}, .out = "5.1.2\n"},
    {.name = "FeatureRegex", .args = {"-q", "feature", "REGEX"}, .out = "1.0\n"},
    {.name = "FeaturePcre2", .args = {"-q", "feature", "REGEX_IMPL_C_PCRE2"}, .out = "10.49\n"},
    {.name = "FeatureNameIsCaseSensitive", .args = {"-q", "feature", "base"}, .status = 1},
    {.name = "FeatureNameMustBeWhole", .args = {"-q", "feature", "BAS"}, .status = 1},
    {.name = "FeatureEmptyName", .args = {"-q", "feature", ""}, .status = 1},
    {.name = "FeatureNameNotCompiled", .args = {"-x", "-q", "feature", "("}, .status = 1},
    {.name = "FeatureWithoutName", .args = {"-q", "feature"}, .err = one_feature_name, .status = 1},
    {.name = "FeatureWithTwoNames",
     .args = {"-q", "feature", "BASE", "REGEX"},
     .err = one_feature_name,
     .status = 1},
    {.name = "FeatureAndFeatures",
     .args = {"-q", "feature", "-q", "features", "BASE"},
     .err = single_query,
     .status = 1},
    {.name = "FeaturesWithListAll",
     .args = {"-q", "features", "-l"},
     .err = single_query,
     .status = 1},
    {.name = "FeatureWithListAll",
     .args = {"-l", "-q", "feature", "BASE"},
     .err = single_query,
     .status = 1},
    {.name = "FeaturesWithSections",
     .args = {"-q", "features", "-q", "sections"},
     .err = single_query,
     .status = 1},
};
INIPICK_E2E_CASES(FeatureQueries, feature_cases);

}  // namespace
}  // namespace inipick::e2e
