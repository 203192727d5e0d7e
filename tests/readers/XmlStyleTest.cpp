#include <gtest/gtest.h>

#include "readers/LoadHelpers.h"
#include "record/TextUtil.h"

namespace tesmor::test {
namespace {

constexpr std::string_view kWithoutStyle = "(none)";

struct StyleCase {
  std::string_view style;  // the 柱状図様式 value, or kWithoutStyle
  bool coreData;
  int result;
};

std::string StyleFile(const StyleCase& c) {
  std::string core =
      "<掘削工程>\n<掘削工程_測定年月日>2004-05-06</掘削工程_測定年月日>\n"
      "<掘削工程_掘進深度>3.50</掘削工程_掘進深度>\n</掘削工程>\n"
      "<孔径孔壁保護>\n<孔径孔壁保護_下端深度>3.00</孔径孔壁保護_下端深度>\n"
      "<孔径孔壁保護_孔径>65</孔径孔壁保護_孔径>\n</孔径孔壁保護>\n";
  if (c.coreData) {
    core += "<コア採取率><コア採取率_下端深度>3.50</コア採取率_下端深度><コア採取率_採取率>90</コア採取率_採取率></コア採取率>\n";
  }
  std::string text = BoringFile(core, c.style == kWithoutStyle ? "" : c.style);
  if (c.style == kWithoutStyle) text = ReplaceAll(text, "<柱状図様式></柱状図様式>\n", "");
  return text;
}

class XmlStyle : public ::testing::TestWithParam<StyleCase> {};

TEST_P(XmlStyle, DecidesTheFormAndWhereDrillingRowsGo) {
  const StyleCase& c = GetParam();
  const auto b = LoadText(StyleFile(c));
  ASSERT_TRUE(b->result.loaded());
  EXPECT_EQ(b->result.lastLineResult, c.result);
  EXPECT_EQ(b->result.formSelector, c.result == 200 ? kSoilForm : kRockForm);
  const TextTable& conditions = b->table(TableId::DrillingCondition);
  const TextTable& progress = b->table(TableId::DrillingProgress);
  if (c.style == "1") {
    // A soil boring: rock-only groups are not read; drilling dates are kept in the
    // drilling progress and copied to the drilling conditions.
    EXPECT_EQ(progress.get(1, 1), "3.50");
    EXPECT_EQ(progress.get(1, 2), "05/06");
    EXPECT_EQ(conditions.get(1, 1), "3.50");
    EXPECT_EQ(conditions.get(1, 2), "05/06");
    EXPECT_EQ(conditions.get(1, 11), "");
  } else {
    // Read as rock, whatever form it is drawn on: the dates stay in the drilling
    // conditions and the hole diameter row is read.
    EXPECT_EQ(conditions.get(1, 1), "3.50");
    EXPECT_EQ(conditions.get(1, 2), "05/06");
    EXPECT_EQ(conditions.get(1, 11), "1");
    EXPECT_EQ(progress.get(1, 1), "3.00");
    EXPECT_EQ(progress.get(1, 2), "65");
  }
}

INSTANTIATE_TEST_SUITE_P(Values, XmlStyle,
                         ::testing::Values(StyleCase{"1", true, 200}, StyleCase{"2", false, 201},
                                           StyleCase{"3", true, 202}, StyleCase{"", false, 200},
                                           StyleCase{"", true, 201}, StyleCase{"9", false, 200},
                                           StyleCase{"21", true, 201}, StyleCase{"岩盤", false, 200},
                                           StyleCase{"岩盤", true, 201}, StyleCase{kWithoutStyle, false, 200},
                                           StyleCase{kWithoutStyle, true, 201}));

TEST(XmlStyle, DoesNotDependOnTheFileOpenedBefore) {
  BoringRecord record;
  ShellState shell;
  const std::string rock = StyleFile({"2", true, 201});
  const std::string plain = StyleFile({"", false, 200});
  EXPECT_EQ(LoadBoringText(rock, OpenPath::FileMenu, record, shell).lastLineResult, 201);
  EXPECT_EQ(LoadBoringText(plain, OpenPath::FileMenu, record, shell).lastLineResult, 200);
  EXPECT_EQ(shell.FormSelector, kSoilForm);
}

TEST(XmlStyle, StyleThreeKeepsClassCodesAsWritten) {
  const std::string core = "<硬軟区分><硬軟区分_下端深度>1.00</硬軟区分_下端深度><硬軟区分_硬軟区分>012</硬軟区分_硬軟区分></硬軟区分>\n";
  const auto three = LoadText(BoringFile(core, "3"));
  EXPECT_EQ(three->result.lastLineResult, 202);
  EXPECT_EQ(three->cell(TableId::Colour, 1, 3), "012");
  const auto two = LoadText(BoringFile(core, "2"));
  EXPECT_EQ(two->cell(TableId::Colour, 1, 3), "B");
}

}  // namespace
}  // namespace tesmor::test
