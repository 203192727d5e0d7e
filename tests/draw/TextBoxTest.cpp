#include "draw/TextBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "draw/RecordingSurface.h"

namespace tesmor {
namespace {

// Font 20 pixels high: a Shift_JIS byte is 10 pixels wide.
RecordingSurface SurfaceWithFont() {
  RecordingSurface s;
  LogFont f;
  f.height = 20;
  s.SelectFont(f);
  return s;
}

std::vector<std::string> LineTexts(const TextBoxLayout& layout) {
  std::vector<std::string> out;
  for (const TextBoxLine& line : layout.lines) out.push_back(line.text);
  return out;
}

TEST(TextBox, LineBreaks) {
  const RecordingSurface s = SurfaceWithFont();
  struct Case {
    const char* text;
    int width;
    unsigned format;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {"aaa bbb ccc", 75, DT_WORDBREAK, {"aaa bbb", "ccc"}},
      {"aaa   bbb", 45, DT_WORDBREAK, {"aaa", "bbb"}},
      {"abcdefghij xy", 50, DT_WORDBREAK, {"abcdefghij", "xy"}},  // a long word stays whole
      {"あいうえおか", 50, DT_WORDBREAK, {"あい", "うえ", "おか"}},
      {"あい。うえ", 50, DT_WORDBREAK, {"あい。", "うえ"}},  // a full stop never starts a line
      {"あ「いう」", 50, DT_WORDBREAK, {"あ", "「い", "う」"}},  // an opening mark never ends one
      {"GL-3.50m付近", 60, DT_WORDBREAK, {"GL-3.50m", "付近"}},
      {"a\r\nb\nc\rd\r\n\r\ne", 500, DT_WORDBREAK, {"a", "b", "c", "d", "", "e"}},
      {"ab cd ef", 20, 0, {"ab cd ef"}},  // no word break: one line however narrow
      {"a\r\nb", 20, DT_SINGLELINE | DT_WORDBREAK, {"ab"}},
  };
  for (const Case& c : cases) {
    const TextBoxLayout layout = LayoutTextBox(s, PxRect{0, 0, c.width, 1000}, c.text, c.format);
    EXPECT_EQ(LineTexts(layout), c.lines) << c.text;
  }
}

TEST(TextBox, PlacementAndResult) {
  const RecordingSurface s = SurfaceWithFont();
  const PxRect box{100, 200, 200, 260};
  struct Case {
    unsigned format;
    int x, y, result;
  };
  const Case cases[] = {
      {DT_SINGLELINE, 100, 200, 20},
      {DT_SINGLELINE | DT_CENTER | DT_VCENTER, 140, 220, 40},
      {DT_SINGLELINE | DT_RIGHT | DT_BOTTOM, 180, 240, 60},
      {DT_CENTER | DT_VCENTER, 140, 200, 20},  // vertical placement needs a single line
  };
  for (const Case& c : cases) {
    const TextBoxLayout layout = LayoutTextBox(s, box, "ab", c.format);
    ASSERT_EQ(layout.lines.size(), 1u);
    EXPECT_EQ(layout.lines[0].x, c.x) << c.format;
    EXPECT_EQ(layout.lines[0].y, c.y) << c.format;
    EXPECT_EQ(layout.result, c.result) << c.format;
  }
}

TEST(TextBox, MeasuredRectangle) {
  RecordingSurface s = SurfaceWithFont();
  PxRect box{10, 10, 60, 10};
  EXPECT_EQ(s.DrawTextBox(box, "あいうえお", DT_WORDBREAK | DT_CALCRECT), 60);
  EXPECT_EQ(box, (PxRect{10, 10, 50, 70}));  // narrowed to the widest line, deepened to three
  box = PxRect{10, 10, 20, 10};
  EXPECT_EQ(s.DrawTextBox(box, "abcdef", DT_SINGLELINE | DT_CALCRECT), 20);
  EXPECT_EQ(box, (PxRect{10, 10, 70, 30}));  // widened to the line
  box = PxRect{10, 10, 20, 10};
  EXPECT_EQ(s.DrawTextBox(box, "", DT_CALCRECT), 20);
  EXPECT_EQ(box, (PxRect{10, 10, 10, 10}));
  box = PxRect{0, 0, 500, 500};
  EXPECT_EQ(s.DrawTextBox(box, " ", DT_CALCRECT | DT_NOCLIP), 20);  // the height of one line
}

}  // namespace
}  // namespace tesmor
