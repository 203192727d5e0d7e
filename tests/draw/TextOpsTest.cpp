#include "draw/TextOps.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DrawFixture.h"
#include "record/Messages.h"
#include "record/SjisText.h"

namespace tesmor {
namespace {

using TextOps = test::DrawFixture;
using Kind = RecordedOp::Kind;

struct Placed {
  std::string text;
  PxPoint at;
  friend bool operator==(const Placed&, const Placed&) = default;
  friend std::ostream& operator<<(std::ostream& os, const Placed& p) {
    return os << p.text << "@(" << p.at.x << "," << p.at.y << ")";
  }
};

std::vector<Placed> Texts(const RecordingSurface& s) {
  std::vector<Placed> out;
  for (const RecordedOp& op : s.OpsOf(Kind::kText)) out.push_back({op.text, op.points[0]});
  return out;
}

TEST_F(TextOps, SpreadAndVerticalTextPositions) {
  struct Case {
    const char* text;
    std::vector<int> offsets;  // from x1 (spread) or y1 (vertical)
  };
  // Box 100 wide and tall, character cell 10 × 10.
  const Case cases[] = {
      {"砂", {0}},                         // one double-byte character: at the start
      {"AB", {0, 50}},                    // two bytes: the second at the middle
      {"ボーリング", {0, 22, 45, 67, 90}},  // justified: the last cell ends at the far edge
      {"A砂B", {0, 45, 135}},             // steps per byte
      {"", {}},
  };
  for (const Case& c : cases) {
    surface.ops.clear();
    surface.SetTextAlign(TA_RIGHT | TA_BOTTOM);
    DrawTextSpread(dc, 200.0, 300.0, 40.0, 60.0, 10.0, 10.0, c.text);
    std::vector<Placed> expected;
    std::size_t pos = 0;
    for (int offset : c.offsets) {
      const std::size_t len = Utf8SequenceLength(c.text, pos);
      expected.push_back({std::string(c.text).substr(pos, len), {200 + offset, 45}});
      pos += len;
    }
    EXPECT_EQ(Texts(surface), expected) << "spread " << c.text;
    EXPECT_EQ(surface.TextAlign(), TA_LEFT | TA_TOP);
    for (const RecordedOp& op : surface.ops) EXPECT_EQ(op.flags, TA_LEFT | TA_TOP);

    surface.ops.clear();
    surface.SetTextAlign(TA_CENTER | TA_BASELINE);
    DrawTextVertical(dc, 20.0, 40.0, 300.0, 400.0, 10.0, 10.0, c.text);
    for (Placed& p : expected) p.at = {25, 300 + (p.at.x - 200)};
    EXPECT_EQ(Texts(surface), expected) << "vertical " << c.text;
    EXPECT_EQ(surface.TextAlign(), TA_LEFT | TA_TOP);
  }
}

TEST_F(TextOps, SpreadInABoxNarrowerThanOneCharacter) {
  DrawTextSpread(dc, 100.0, 104.0, 0.0, 10.0, 10.0, 10.0, "AB");
  EXPECT_EQ(Texts(surface), (std::vector<Placed>{{"A", {100, 0}}, {"B", {105, 0}}}));
}

TEST_F(TextOps, PointTexts) {
  DrawTwoLineText(dc, 10.0, 100.0, 200.0, "上", "下");
  DrawTextMiddle(dc, 7.0, 100.0, 200.0, 20.0, "中");
  EXPECT_EQ(Texts(surface),
            (std::vector<Placed>{{"上", {10, 105}}, {"下", {10, 155}}, {"中", {7, 140}}}));
}

TEST_F(TextOps, SelectTextFontFillsTheSharedRecord) {
  font.logFont.weight = 700;  // fields the operation does not set keep their value
  ASSERT_TRUE(SelectTextFont(dc, 0x0000FF, 33, "ＭＳ 明朝", 90.0));
  const LogFont& lf = font.logFont;
  EXPECT_EQ(lf.height, 33);
  EXPECT_EQ(lf.width, 0);
  EXPECT_EQ(lf.escapement, 900);
  EXPECT_EQ(lf.charSet, 128);
  EXPECT_EQ(lf.outPrecision, 0);
  EXPECT_EQ(lf.quality, 1);
  EXPECT_EQ(lf.weight, 700);
  EXPECT_EQ(lf.faceName, "ＭＳ 明朝");
  EXPECT_EQ(surface.Font(), lf);
  EXPECT_EQ(surface.TextColour(), 0x0000FFu);
  EXPECT_TRUE(font.created);
  EXPECT_TRUE(dc.notices.empty());

  // A face name longer than a face name holds is cut on a character boundary.
  const std::string longFace = "あいうえおかきくけこさしすせそたちつてと";
  ASSERT_TRUE(SelectTextFont(dc, 0, 10, longFace, 0.0));
  EXPECT_EQ(font.logFont.faceName, longFace.substr(0, 15 * 3));
}

TEST_F(TextOps, FontThatCannotBeCreatedIsReportedOnceAndDrawingGoesOn) {
  ASSERT_TRUE(SelectTextFont(dc, 0x00FF00, 20, "ＭＳ ゴシック", 0.0));
  surface.failFontCreation = true;
  EXPECT_FALSE(SelectTextFont(dc, 0xFF0000, 40, "ＭＳ 明朝", 0.0));
  EXPECT_FALSE(SelectTextFont(dc, 0xFF0000, 50, "ＭＳ 明朝", 0.0));
  EXPECT_FALSE(font.created);
  ASSERT_EQ(dc.notices, (std::vector<int>{msg::kCannotCreateFont}));
  EXPECT_EQ(MessageText(dc.notices[0]), "Can't create font");
  DrawTextAt(dc, 1.0, 2.0, "続行");
  const auto texts = surface.OpsOf(Kind::kText);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].font.height, 20);  // the font the surface held
  EXPECT_EQ(texts[0].font.faceName, "ＭＳ ゴシック");
  EXPECT_EQ(texts[0].textColour, 0x00FF00u);
}

TEST_F(TextOps, TextInRectShrinksTheBoxAndDrawsTransparent) {
  DrawTextInRect(dc, 50.0, 40.0, 10.0, 20.0, "abc", DT_WORDBREAK | DT_NOCLIP);
  DrawTextCentred(dc, 10.0, 20.0, 50.0, 40.0, "中央");
  const auto boxes = surface.OpsOf(Kind::kTextBox);
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].rect, (PxRect{11, 21, 49, 39}));
  EXPECT_EQ(boxes[0].flags, 0x110u);
  EXPECT_EQ(boxes[0].backgroundMode, TRANSPARENT);
  EXPECT_EQ(boxes[1].text, "中央");
  EXPECT_EQ(boxes[1].flags, 0x125u);
}

TEST_F(TextOps, MeasuringGivesTheRectangleAndHeight) {
  ASSERT_TRUE(SelectTextFont(dc, 0, 20, "ＭＳ 明朝", 0.0));  // a byte is 10 pixels wide
  PxRect measured;
  // Lines "砂礫", "まじり", "シルト" in a box 68 pixels wide inside.
  EXPECT_EQ(DrawTextInRect(dc, 0.0, 0.0, 70.0, 500.0, "砂礫 まじり シルト", 0x610, &measured),
            60);
  EXPECT_EQ(measured, (PxRect{1, 1, 61, 61}));
  EXPECT_EQ(TextInRectPx(dc, 0, 0, 100, 100, "あ", DT_CALCRECT, &measured), 20);
  EXPECT_EQ(measured, (PxRect{1, 1, 21, 21}));
  transform.xFactor = 2.0;
  EXPECT_DOUBLE_EQ(TextWidth(dc, "砂礫A"), 25.0);
}

}  // namespace
}  // namespace tesmor
