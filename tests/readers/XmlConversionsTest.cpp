#include "readers/XmlConversions.h"

#include <gtest/gtest.h>

#include <functional>

namespace tesmor {
namespace {

struct ConversionCase {
  const char* what;
  std::function<std::string()> convert;
  std::string expected;
};

class XmlConversions : public ::testing::TestWithParam<ConversionCase> {};

TEST_P(XmlConversions, GiveTheTextTheRecordKeeps) {
  const ConversionCase& c = GetParam();
  EXPECT_EQ(c.convert(), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, XmlConversions,
    ::testing::Values(
        ConversionCase{"year", [] { return SplitDatePart("2007-09-14", 1); }, "2007"},
        ConversionCase{"month", [] { return SplitDatePart("2007-09-14", 2); }, "09"},
        ConversionCase{"day", [] { return SplitDatePart("2007-09-14", 3); }, "14"},
        ConversionCase{"short date", [] { return SplitDatePart("2007-09", 1); }, ""},
        ConversionCase{"date with year", [] { return DropYear("2004-05-06"); }, "05/06"},
        ConversionCase{"date with zero year", [] { return DropYear("0000-07-08"); }, "07/08"},
        ConversionCase{"date without year", [] { return DropYear("07-09"); }, "07/09"},
        ConversionCase{"era date kept", [] { return DropYear("H16-05-06"); }, "H16/05/06"},
        ConversionCase{"hammer 1", [] { return HammerText("1"); }, "全自動"},
        ConversionCase{"hammer 4", [] { return HammerText("4"); }, "コーンプーリー"},
        ConversionCase{"hammer other", [] { return HammerText("9"); }, ""},
        ConversionCase{"sampling 100", [] { return SamplingMark("100"); }, "-"},
        ConversionCase{"sampling 507", [] { return SamplingMark("507"); }, "F"},
        ConversionCase{"sampling other", [] { return SamplingMark("200"); }, "A"},
        ConversionCase{"age code", [] { return GeoAgeText("11100", "x"); }, "完新世"},
        ConversionCase{"age code 130", [] { return GeoAgeText("13000", ""); }, "新第三紀"},
        ConversionCase{"age code unknown", [] { return GeoAgeText("99900", "x"); }, ""},
        ConversionCase{"age name only", [] { return GeoAgeText("", "沖積世"); }, "沖積世"},
        ConversionCase{"water 10", [] { return WaterLevelKindText("10"); }, "清水位"},
        ConversionCase{"water 20", [] { return WaterLevelKindText("20"); }, "泥水位"},
        ConversionCase{"water 1", [] { return WaterLevelKindText("1"); }, "水位無し"},
        ConversionCase{"water 11", [] { return WaterLevelKindText("11"); }, "清水位無し"},
        ConversionCase{"water 30", [] { return WaterLevelKindText("30"); }, ""},
        ConversionCase{"water 0", [] { return WaterLevelKindText("0"); }, ""},
        ConversionCase{"wall 2", [] { return WallProtectionText("2"); }, "ケーシング"},
        ConversionCase{"wall other", [] { return WallProtectionText("4"); }, ""},
        ConversionCase{"tube and bit", [] { return TubeBitText("ダブルコアチューブ", "メタルクラウン"); }, "ダブルメタル"},
        ConversionCase{"tube only", [] { return TubeBitText("SMC", ""); }, "SMC"},
        ConversionCase{"cut at start kept", [] { return TubeBitText("コアチューブ", "クラウン"); }, "コアチューブクラウン"},
        ConversionCase{"water kind 3", [] { return WaterKindText("3"); }, "泥水"},
        ConversionCase{"lugeon class 2", [] { return LugeonClassText("2"); }, "8"},
        ConversionCase{"lugeon class 1", [] { return LugeonClassText("1"); }, ""},
        ConversionCase{"fault 5", [] { return FaultPropertyText("5"); }, "砂・礫混じり粘土状"},
        ConversionCase{"fault other", [] { return FaultPropertyText(""); }, ""}));

}  // namespace
}  // namespace tesmor
