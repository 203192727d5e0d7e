#include "draw/PatternLegend.h"

#include <cstdlib>

#include "draw/DrawOps.h"
#include "draw/LithologyPatterns.h"
#include "draw/TextOps.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr const char* kFace = "ＭＳ ゴシック";
constexpr const char* kTitle = "柱状図模様一覧表 (凡例)";
constexpr Colour kBlack = 0;
constexpr Colour kGrey = Rgb(0x70, 0x70, 0x70);

// Page geometry in millimetres.
constexpr double kMargin = 12.0;
constexpr double kTitleRule = 20.0;
constexpr double kContentTop = 24.0;
constexpr double kContentBottom = kLegendPaperHeightMm - kMargin;
constexpr double kColumnWidth = (kLegendPaperWidthMm - 2.0 * kMargin) / 2.0;
constexpr double kEntryHeight = kLegendBoxHeightMm + 4.0;
constexpr double kHeadingHeight = 8.0;
constexpr double kColumnBoxGap = 2.0;
constexpr double kTextGap = 3.0;
constexpr double kMmPerCm = 10.0;

// Pattern pens are one pixel wide, as on a sheet with the default line width.
constexpr int kPatternLineWidth = 1;

double Cm(double mm) { return mm / kMmPerCm; }

void UseFont(Canvas& dc, double points, Colour colour) {
  SelectTextFont(dc, colour, FontHeightPx(dc.transform.dpiY, points), kFace, 0.0);
}

void DrawHeading(Canvas& dc, const PatternLegendEntry& entry, const PatternLegendPlace& place) {
  UseFont(dc, 10.0, kBlack);
  SetTextAlign(dc, TA_LEFT | TA_BOTTOM);
  DrawTextAt(dc, place.x, Cm(place.y + kHeadingHeight - 2.0), entry.number);
  DrawLine(dc, place.x, Cm(place.y + kHeadingHeight - 1.5), kLegendPaperWidthMm - kMargin,
           Cm(place.y + kHeadingHeight - 1.5), PS_SOLID, 1, kGrey);
}

void DrawEntry(Canvas& dc, const PatternLegendEntry& entry, const PatternLegendPlace& place) {
  const PatternLegendBox box = LegendPatternBox(place);
  DrawLithologyPattern(dc, entry.pattern, box.x1, box.y1, box.x2, box.y2, 1.0, kPatternLineWidth,
                       entry.colour, 0);
  FrameRect(dc, box.x1, box.y1, box.x2, box.y2, PS_SOLID, 1, kBlack);
  const double columnLeft = box.x2 + kColumnBoxGap;
  const double columnRight = columnLeft + kLegendColumnBoxWidthMm;
  DrawLithologyPattern(dc, entry.pattern, columnLeft, box.y1, columnRight, box.y2, 1.0,
                       kPatternLineWidth, entry.colour, 0);
  FrameRect(dc, columnLeft, box.y1, columnRight, box.y2, PS_SOLID, 1, kBlack);

  const double left = columnRight + kTextGap;
  const double right = place.x + kColumnWidth - 1.0;
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  UseFont(dc, 11.0, kBlack);
  DrawTextAt(dc, left, box.y1, entry.number);
  UseFont(dc, 7.0, kGrey);
  DrawTextAt(dc, left + 16.0, box.y1 + Cm(1.0), ColourCode(entry.colour));
  UseFont(dc, 9.0, kBlack);
  DrawTextInRect(dc, left, box.y1 + Cm(6.0), right, box.y1 + Cm(14.0), entry.example,
                 DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOCLIP);
  UseFont(dc, 9.0, entry.colour);
  DrawTextAt(dc, left, box.y1 + Cm(15.5), entry.display);
}

}  // namespace

std::vector<PatternLegendEntry> PatternLegendEntries(std::span<const PatternCatalogueRow> rows,
                                                     const PatternColourTable& colours) {
  std::vector<PatternLegendEntry> entries;
  for (const PatternCatalogueRow& row : rows) {
    if (row.pattern.find("[終") != std::string::npos) break;
    PatternLegendEntry entry;
    if (IsCatalogueSectionRow(row.pattern)) {
      entry.heading = true;
    } else if (StartsLikeNumber(row.pattern) > 0) {
      entry.pattern = std::atoi(row.pattern.c_str());
      entry.colour = FindPatternColour(colours, entry.pattern);
      entry.display = row.display;
      entry.example = row.example;
    } else {
      continue;
    }
    entry.number = row.pattern;
    entries.push_back(std::move(entry));
  }
  return entries;
}

std::vector<PatternLegendPlace> PatternLegendLayout(std::span<const PatternLegendEntry> entries) {
  std::vector<PatternLegendPlace> places;
  int page = 1;
  double y = kContentTop;
  int column = 0;
  const auto newLine = [&] {
    if (column != 0) y += kEntryHeight;
    column = 0;
  };
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (entries[i].heading) {
      newLine();
      // A heading keeps at least one entry under it on its page.
      if (y + kHeadingHeight + kEntryHeight > kContentBottom && y > kContentTop) {
        ++page;
        y = kContentTop;
      }
      places.push_back({i, page, kMargin, y});
      y += kHeadingHeight;
      continue;
    }
    if (column == 0 && y + kEntryHeight > kContentBottom && y > kContentTop) {
      ++page;
      y = kContentTop;
    }
    places.push_back({i, page, kMargin + column * kColumnWidth, y});
    if (++column == 2) newLine();
  }
  return places;
}

int PatternLegendPageCount(std::span<const PatternLegendEntry> entries) {
  const std::vector<PatternLegendPlace> places = PatternLegendLayout(entries);
  return places.empty() ? 1 : places.back().page;
}

PatternLegendBox LegendPatternBox(const PatternLegendPlace& place) {
  return PatternLegendBox{place.x, Cm(place.y), place.x + kLegendBoxWidthMm,
                          Cm(place.y + kLegendBoxHeightMm)};
}

void DrawPatternLegendPage(Canvas& dc, std::span<const PatternLegendEntry> entries, int page) {
  PageTransform& t = dc.transform;
  t.horizontalScale = 100;
  t.depthScale = 100;
  SetDeviceResolution(t, dc.surface.DpiX(), dc.surface.DpiY(), 0.0, 0.0);
  t.yFactor = kMmPerCm * t.pxPerMmY;
  t.yOrigin = 0.0;
  t.headerUnit = 0.0;
  dc.surface.SetBackgroundMode(TRANSPARENT);

  const int pages = PatternLegendPageCount(entries);
  UseFont(dc, 14.0, kBlack);
  SetTextAlign(dc, TA_LEFT | TA_BOTTOM);
  DrawTextAt(dc, kMargin, Cm(kTitleRule - 2.0), kTitle);
  UseFont(dc, 9.0, kBlack);
  SetTextAlign(dc, TA_RIGHT | TA_BOTTOM);
  DrawTextAt(dc, kLegendPaperWidthMm - kMargin, Cm(kTitleRule - 2.0),
             std::to_string(page) + " / " + std::to_string(pages));
  DrawLine(dc, kMargin, Cm(kTitleRule), kLegendPaperWidthMm - kMargin, Cm(kTitleRule), PS_SOLID, 1,
           kBlack);

  for (const PatternLegendPlace& place : PatternLegendLayout(entries)) {
    if (place.page != page) continue;
    const PatternLegendEntry& entry = entries[place.entry];
    if (entry.heading) {
      DrawHeading(dc, entry, place);
    } else {
      DrawEntry(dc, entry, place);
    }
  }
  SetTextAlign(dc, TA_LEFT | TA_TOP);
}

}  // namespace tesmor
