// SPDX-License-Identifier: BSD-2-Clause
// -V, -h, -T and the feature queries: answered without reading any input.
#include "e2e_case.h"
#include "vars/pattern.h"

namespace inipick::e2e {
namespace {

const std::string version = "inipick 5.1.2\n";
const std::string backends = "Supported backends: ini\n";
// The PCRE2 row names the library the binary runs with, as this program does.
const std::string pcre2_version = pattern_library_version() + "\n";
const std::string features = "BASE=5.1.2 REGEX=1.0 REGEX_IMPL_C_PCRE2=" + pcre2_version;
const std::string one_feature_name = "A single feature name expected";

INIPICK_E2E_CASES(InfoQueries) = {
    prints("Version", "-V", version),
    prints("LongVersion", "--version", version),
    prints("VersionTwicePrintedOnce", "-V -VV --version", version),
    prints("Usage", "-h", usage_text),
    prints("LongUsage", "--help", usage_text),
    prints("Backends", "-T", backends),
    prints("AllThreeInFixedOrder", "-T -h -V", version + usage_text + backends),
    prints("AllThreeInOneWord", "-ThV", version + usage_text + backends),
    prints("UsageThenBackends", "-T --help -T", usage_text + backends),
    prints("VersionThenBackends", "-T -V", version + backends),
    prints("UsageIgnoresConflictingOptions", "-h -c -l x y", usage_text),
    prints("VersionIgnoresListAndName", "-V -l name", version),
    prints("VersionNeverOpensFile", "-V -f nope.ini -s s x", version),
    prints("VersionNeverCompiles", "-V -x (", version),
    prints("VersionAndNonOptionWords", "-V x -z", version),
    fails("UnsupportedQueryAfterUsage", "-h -q bogus", "Unsupported query type"),
    fails("UnknownBackendAfterBackendList", "-T -t nope", "Unknown backend 'nope'"),
    rejected("UnknownLetterAfterUsage", "-h -z", unknown_letter('z')),
};

INIPICK_E2E_CASES(FeatureQueries) = {
    prints("Features", "-q features", features),
    prints("FeaturesWithCheck", "-c -q features", features),
    prints("FeaturesWithOverrideAndNoSection", "-O -q features", features),
    prints("FeaturesNeverOpenFile", "-f nope.ini -q features", features),
    prints("FeaturesBeforeNameFlagCheck", "-N -n -q features", features),
    prints("FeatureBase", "-q feature BASE", "5.1.2\n"),
    prints("FeatureRegex", "-q feature REGEX", "1.0\n"),
    prints("FeaturePcre2", "-q feature REGEX_IMPL_C_PCRE2", pcre2_version),
    // An unknown feature: status 1 and nothing printed.
    {.name = "FeatureNameIsCaseSensitive", .args = {"-q", "feature", "base"}, .status = 1},
    {.name = "FeatureNameMustBeWhole", .args = {"-q", "feature", "BAS"}, .status = 1},
    {.name = "FeatureEmptyName", .args = {"-q", "feature", ""}, .status = 1},
    {.name = "FeatureNameNotCompiled", .args = {"-x", "-q", "feature", "("}, .status = 1},
    fails("FeatureWithoutName", "-q feature", one_feature_name),
    fails("FeatureWithTwoNames", "-q feature BASE REGEX", one_feature_name),
    fails("FeatureAndFeatures", "-q feature -q features BASE", single_query),
    fails("FeaturesWithListAll", "-q features -l", single_query),
    fails("FeatureWithListAll", "-l -q feature BASE", single_query),
    fails("FeaturesWithSections", "-q features -q sections", single_query),
};

}  // namespace
}  // namespace inipick::e2e
