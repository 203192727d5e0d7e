#include "draw/PatternLegend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "draw/Canvas.h"
#include "draw/PatternCatalogue.h"
#include "draw/RecordingSurface.h"

namespace tesmor {
namespace {

using Kind = RecordedOp::Kind;

std::vector<PatternLegendEntry> BuiltInEntries() {
  PatternColourTable colours;
  LoadBuiltInPatternColours(colours);
  return PatternLegendEntries(DefaultPatternCatalogueRows(), colours);
}

TEST(PatternLegend, EntriesFollowTheCatalogue) {
  PatternColourTable colours;
  LoadBuiltInPatternColours(colours);
  std::vector<PatternCatalogueRow> rows = DefaultPatternCatalogueRows();
  rows.insert(rows.begin() + 3, PatternCatalogueRow{"memo", "", "", "", ""});
  rows.push_back(PatternCatalogueRow{"[終了]", "", "", "", ""});
  rows.push_back(PatternCatalogueRow{"7", "0x0000ff", "", "", "after the end"});
  const std::vector<PatternLegendEntry> entries = PatternLegendEntries(rows, colours);
  ASSERT_EQ(entries.size(), 83u);  // 4 headings and 79 patterns
  EXPECT_TRUE(entries.front().heading);
  EXPECT_EQ(entries.front().number, "[第１分類 A]");
  const auto sand = std::find_if(entries.begin(), entries.end(),
                                 [](const PatternLegendEntry& e) { return e.number == "3600"; });
  ASSERT_NE(sand, entries.end());
  EXPECT_EQ(sand->pattern, 3600);
  EXPECT_EQ(sand->example, "粗砂");
  EXPECT_EQ(sand->display, "°。°。°。");
  EXPECT_EQ(sand->colour, 0x4080ffu);
  EXPECT_EQ(entries.back().number, "50");
}

// Every entry has its place once, on the paper, apart from every other entry of its
// page; sections start on a line of their own; pages follow one another.
TEST(PatternLegend, LayoutPlacesEveryEntryOnceWithoutOverlap) {
  const std::vector<PatternLegendEntry> entries = BuiltInEntries();
  const std::vector<PatternLegendPlace> places = PatternLegendLayout(entries);
  ASSERT_EQ(places.size(), entries.size());
  const int pages = PatternLegendPageCount(entries);
  EXPECT_GE(pages, 3);
  int lastPage = 1;
  for (std::size_t i = 0; i < places.size(); ++i) {
    const PatternLegendPlace& p = places[i];
    EXPECT_EQ(p.entry, i);
    EXPECT_TRUE(p.page == lastPage || p.page == lastPage + 1) << i;
    lastPage = p.page;
    const double height = entries[i].heading ? 8.0 : kLegendBoxHeightMm;
    EXPECT_TRUE(p.x >= 10.0 && p.x + 90.0 <= kLegendPaperWidthMm && p.y >= 20.0 &&
                p.y + height <= kLegendPaperHeightMm - 10.0)
        << i;
    if (entries[i].heading && i > 0) {
      EXPECT_GT(p.y, places[i - 1].y) << i;
    }
    for (std::size_t j = 0; j < i; ++j) {
      const PatternLegendPlace& q = places[j];
      if (q.page != p.page || entries[i].heading || entries[j].heading) continue;
      const bool apart = p.x >= q.x + 90.0 || q.x >= p.x + 90.0 ||
                         p.y >= q.y + kLegendBoxHeightMm || q.y >= p.y + kLegendBoxHeightMm;
      EXPECT_TRUE(apart) << i << " and " << j;
    }
  }
  EXPECT_EQ(lastPage, pages);
}

// A page shows the numbers of the entries placed on it and each pattern inside its
// box; pattern marks never leave the boxes.
TEST(PatternLegend, PageShowsItsEntriesWithPatternsInTheirBoxes) {
  const std::vector<PatternLegendEntry> entries = BuiltInEntries();
  const std::vector<PatternLegendPlace> places = PatternLegendLayout(entries);
  std::set<std::string> shown;
  for (int page = 1; page <= PatternLegendPageCount(entries); ++page) {
    RecordingSurface surface(300, 300);
    PageTransform transform;
    SharedTextFont font;
    Canvas dc{surface, transform, font};
    DrawPatternLegendPage(dc, entries, page);
    std::set<std::string> texts;
    for (const RecordedOp& op : surface.OpsOf(Kind::kText)) texts.insert(op.text);
    std::vector<PxRect> boxes;
    for (const PatternLegendPlace& place : places) {
      if (place.page != page || entries[place.entry].heading) continue;
      EXPECT_TRUE(texts.count(entries[place.entry].number)) << entries[place.entry].number;
      shown.insert(entries[place.entry].number);
      const PatternLegendBox box = LegendPatternBox(place);
      boxes.push_back(PxRect{MapX(transform, box.x1), MapY(transform, box.y1),
                             MapX(transform, box.x2 + 2.0 + kLegendColumnBoxWidthMm),
                             MapY(transform, box.y2)});
    }
    // Pattern marks: every coloured line, polyline, ellipse or arc.
    for (const RecordedOp& op : surface.ops) {
      const bool line = op.kind == Kind::kLine || op.kind == Kind::kPolyline;
      if (!line && op.kind != Kind::kEllipse && op.kind != Kind::kArc) continue;
      if (op.pen.colour == 0 || op.pen.colour == Rgb(0x70, 0x70, 0x70)) continue;
      const PxPoint p = line ? op.points[0]
                             : PxPoint{(op.rect.left + op.rect.right) / 2,
                                       (op.rect.top + op.rect.bottom) / 2};
      EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(), [&](const PxRect& b) {
        return p.x >= b.left && p.x <= b.right && p.y >= b.top && p.y <= b.bottom;
      })) << page << ": " << p.x << "," << p.y;
    }
  }
  EXPECT_EQ(shown.size(), 79u);
}

}  // namespace
}  // namespace tesmor
