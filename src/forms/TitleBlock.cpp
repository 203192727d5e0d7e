#include "forms/TitleBlock.h"

#include <array>
#include <string>

#include "draw/DrawOps.h"
#include "draw/TextOps.h"
#include "forms/Dials.h"
#include "forms/SheetLayout.h"
#include "forms/TitleTexts.h"
#include "record/SjisText.h"

namespace tesmor {

namespace {

// ---- Title ------------------------------------------------------------------

constexpr double kTitleTop = -10.9;
constexpr double kTitleLeft = 100.0;
constexpr double kTitleRight = 177.0;
constexpr double kNameLinesX = kTitleGridX[0] - 3.0;  // 28
constexpr double kSurveyNameY = -9.58;
constexpr double kProjectNameY = -8.8;

// ---- Title block --------------------------------------------------------------

constexpr double kHalfRow = kTitleRowHeight / 2.0;

// Vertical lines of the block from the top of row `from` to the bottom of row `to`.
struct BlockLine {
  double x;
  int from;
  int to;
};
constexpr std::array kBlockLines = {
    BlockLine{31, 1, 5},   BlockLine{86, 1, 1},   BlockLine{86, 3, 3},   BlockLine{102, 1, 1},
    BlockLine{102, 3, 3},  BlockLine{132, 2, 5},  BlockLine{148, 2, 5},  BlockLine{177, 3, 3},
    BlockLine{193, 3, 3},  BlockLine{222, 1, 3},  BlockLine{239, 1, 3},  BlockLine{47, 4, 5},
    BlockLine{55, 4, 5},   BlockLine{71, 4, 5},   BlockLine{79, 4, 5},   BlockLine{100, 4, 5},
    BlockLine{108, 4, 5},  BlockLine{124, 4, 5},
};
// The hammer and pump cells: rows 4 and 5 on the soil form, the pump row only on the rock form.
constexpr std::array<double, 2> kHammerPumpLinesX = {200, 216};

// A band of the block: a whole row, or its upper or lower half.
struct Band {
  double top;
  double bottom;
};
constexpr Band Row(int r) { return {TitleRowTop(r), TitleRowTop(r + 1)}; }
constexpr Band UpperHalf(int r) { return {TitleRowTop(r), TitleRowTop(r) + kHalfRow}; }
constexpr Band LowerHalf(int r) { return {TitleRowTop(r) + kHalfRow, TitleRowTop(r + 1)}; }

// Labels spread across their cells.
struct SpreadLabel {
  TitleLabel label;
  double x1;
  double x2;
  Band band;
};
constexpr std::array kSpreadLabels = {
    SpreadLabel{kBoringNameLabel, 6.2, 29.8, Row(1)},
    SpreadLabel{kLocationLabel, 87.2, 100.8, Row(1)},
    SpreadLabel{kLatitudeLabel, 222.0, 239.0, Row(1)},
    SpreadLabel{kOrderingBodyLabel, 6.2, 29.2, Row(2)},
    SpreadLabel{kSurveyPeriodLabel, 133.2, 146.8, Row(2)},
    SpreadLabel{kLongitudeLabel, 222.0, 239.0, Row(2)},
    SpreadLabel{kCompanyLabel, 6.2, 29.8, Row(3)},
    SpreadLabel{kCollarElevationLabel, 6.2, 29.8, Row(4)},
    SpreadLabel{kTotalLengthLabel, 6.2, 29.8, Row(5)},
    SpreadLabel{kDrillingMachineLabel, 133.2, 146.8, Row(4)},
    SpreadLabel{kEngineLabel, 133.2, 146.8, Row(5)},
    SpreadLabel{kPumpLabel, 201.2, 214.8, Row(5)},
};
constexpr std::array kSoilOnlyLabels = {
    SpreadLabel{kHammerLabel, 201.2, 214.8, UpperHalf(4)},
    SpreadLabel{kDropToolLabel, 201.2, 214.8, LowerHalf(4)},
};

// Single characters at their x, vertically centred in their row.
struct CharLabel {
  TitleLabel label;
  double x;
  int row;
};
constexpr std::array kCharLabels = {
    CharLabel{kAngleLabel1, 49.28, 4}, CharLabel{kAngleLabel2, 49.28, 5},
    CharLabel{kDirectionLabel1, 73.28, 4}, CharLabel{kDirectionLabel2, 73.28, 5},
};

// Labels written downwards in their cell.
constexpr Band kVerticalLabelBand = {-6.04, -4.68};
struct VerticalLabel {
  TitleLabel label;
  double x1;
  double x2;
};
constexpr std::array kVerticalLabels = {
    VerticalLabel{kSlopeLabel, 100.0, 108.0},
    VerticalLabel{kEquipmentLabel, 124.0, 132.0},
};

// Heading slots written as they are, at x, vertically centred in their band.
struct SlotValue {
  int slot;
  double x;
  Band band;
};
constexpr std::array kSlotValues = {
    SlotValue{slot::kBoringName, 32.2, Row(1)},
    SlotValue{slot::kLocation, 103.2, Row(1)},
    SlotValue{slot::kOrderingBody, 32.2, Row(2)},
    SlotValue{slot::kEngineerName1, 103.2, Row(3)},
    SlotValue{slot::kEngineerName2, 149.2, Row(3)},
    SlotValue{slot::kEngineerName3, 194.2, Row(3)},
    SlotValue{slot::kEngineerName4, 240.2, Row(3)},
    SlotValue{slot::kElevationKind, 35.0, UpperHalf(4)},
    SlotValue{slot::kDrillingMachine, 149.2, Row(4)},
    SlotValue{slot::kEngine, 149.2, Row(5)},
    SlotValue{slot::kPump, 217.2, Row(5)},
};
constexpr SlotValue kHammerValue = {slot::kHammer, 217.2, Row(4)};

// The four engineers' role labels in row 3, each in its cell.
struct RoleCell {
  double x1;
  double x2;
};
constexpr std::array kRoleCells = {RoleCell{87.2, 100.8}, RoleCell{133.2, 146.8},
                                   RoleCell{178.2, 191.8}, RoleCell{223.2, 237.8}};
static_assert(kRoleCells.size() == slot::kEngineers);

constexpr double kCompanyX = 32.0;
constexpr double kValueX = 240.2;
constexpr double kPeriodX = 149.2;
constexpr double kElevationX = 31.0;
constexpr double kSheetNumberX = 217.0;
constexpr double kSheetNumberY = -8.9;
constexpr double kBoringNumberLabelTop = -9.5;

std::string_view Label(TitleLabel label) { return kTitleLabels[static_cast<std::size_t>(label)]; }

void Spread(Canvas& dc, CharSize c, const SpreadLabel& s) {
  DrawTextSpread(dc, s.x1, s.x2, s.band.top, s.band.bottom, c.width, c.height, Label(s.label));
}

void Middle(Canvas& dc, CharSize c, double x, Band band, std::string_view text) {
  if (!text.empty()) DrawTextMiddle(dc, x, band.top, band.bottom, c.height, text);
}

void DrawBlockLines(Canvas& dc, const SheetContext& sheet) {
  const int outer = sheet.settings.outerFrameWidth;
  const int rule = sheet.settings.ruleLineWidth;
  for (int r = 2; r <= 4; ++r) {
    DrawLine(dc, kTitleBlockLeft, TitleRowTop(r), kTitleBlockRight, TitleRowTop(r), PS_SOLID, rule, 0);
  }
  const double row5 = TitleRowTop(5);
  DrawLine(dc, kTitleBlockLeft, row5, kTitleGridX[1], row5, PS_SOLID, rule, 0);
  DrawLine(dc, kTitleGridX[10], row5, kTitleBlockRight, row5, PS_SOLID, rule, 0);
  for (const BlockLine& line : kBlockLines) {
    DrawLine(dc, line.x, TitleRowTop(line.from), line.x, TitleRowTop(line.to + 1), PS_SOLID, rule, 0);
  }
  const int firstRow = sheet.formSelector == kSoilForm ? 4 : 5;
  for (const double x : kHammerPumpLinesX) {
    DrawLine(dc, x, TitleRowTop(firstRow), x, kTitleBlockBottom, PS_SOLID, rule, 0);
  }
  FrameRect(dc, kTitleBlockLeft, kTitleBlockTop, kTitleBlockRight, kTitleBlockBottom, PS_SOLID, outer, 0);
}

void DrawBoringNumber(Canvas& dc, const SheetContext& sheet, CharSize c) {
  const int rule = sheet.settings.ruleLineWidth;
  FrameRect(dc, kBoringNumberBoxLeft, kBoringNumberBoxTop, kBoringNumberBoxRight,
            kBoringNumberBoxBottom, PS_SOLID, rule, 0);
  for (int j = 0; j < kBoringNumberCells; ++j) {
    const double x = kBoringNumberCellsLeft + kBoringNumberCellWidth * j;
    DrawLine(dc, x, kBoringNumberBoxTop, x, kBoringNumberBoxBottom, PS_SOLID, rule, 0);
  }
  DrawTextSpread(dc, kBoringNumberBoxLeft, kBoringNumberCellsLeft, kBoringNumberLabelTop,
                 kBoringNumberBoxBottom, c.width, c.height, Label(kBoringNumberLabel));
  // The first 11 bytes, one byte a cell; a double-byte character takes two cells.
  const std::string_view number = SjisPrefix(sheet.record.heading(slot::kBoringNumber), kBoringNumberCells);
  int cell = 0;
  for (std::size_t pos = 0; pos < number.size();) {
    const std::size_t length = Utf8SequenceLength(number, pos);
    DrawTextAt(dc, kBoringNumberCellsLeft + kBoringNumberCellWidth * cell + 0.5,
               kBoringNumberLabelTop, number.substr(pos, length));
    cell += SjisCharWidthAt(number, pos);
    pos += length;
  }
}

void DrawRoleLabels(Canvas& dc, const SheetContext& sheet, CharSize c) {
  for (std::size_t i = 0; i < kRoleCells.size(); ++i) {
    const RoleCell cell = kRoleCells[i];
    const RoleLabelLines lines = SplitRoleLabel(sheet.record.heading(slot::kRoleLabel1 + static_cast<int>(i)));
    if (lines.second.empty()) {
      DrawTextSpread(dc, cell.x1, cell.x2, Row(3).top, Row(3).bottom, c.width, c.height, lines.first);
    } else {
      DrawTextSpread(dc, cell.x1, cell.x2, UpperHalf(3).top, UpperHalf(3).bottom, c.width, c.height,
                     lines.first);
      DrawTextSpread(dc, cell.x1, cell.x2, LowerHalf(3).top, LowerHalf(3).bottom, c.width, c.height,
                     lines.second);
    }
  }
}

}  // namespace

CharSize DrawTitle(Canvas& dc, const SheetContext& sheet) {
  const FontSetting& font = sheet.settings.fonts[kHeadingFont];
  const CharSize title = SelectSheetFont(dc, font, kTitlePointFactor);
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  DrawTextAt(dc, kTitleGridX[0], kTitleTop, "　");
  DrawTextSpread(dc, kTitleLeft, kTitleRight, kTitleTop, kTitleTop + title.height, title.width,
                 title.height, Label(kTitleText));

  const CharSize c = SelectSheetFont(dc, font);
  SetTextAlign(dc, TA_LEFT | TA_BOTTOM);
  const int rule = sheet.settings.ruleLineWidth;
  const std::array<std::pair<std::string, double>, 2> lines = {{
      {LabelledText(Label(kSurveyNameLabel), sheet.record.heading(slot::kSurveyName)), kSurveyNameY},
      {LabelledText(Label(kProjectNameLabel), sheet.record.heading(slot::kProjectName)), kProjectNameY},
  }};
  for (const auto& [text, y] : lines) {
    DrawTextAt(dc, kNameLinesX, y, text);
    DrawLine(dc, kNameLinesX, y, kNameLinesX + TextWidth(dc, text), y, PS_SOLID, rule, 0);
  }
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  return c;
}

void DrawTitleBlock(Canvas& dc, const SheetContext& sheet, CharSize c) {
  const BoringRecord& record = sheet.record;
  const bool soil = sheet.formSelector == kSoilForm;
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  DrawBoringNumber(dc, sheet, c);
  DrawTextAt(dc, kSheetNumberX, kSheetNumberY, SheetNumberText(record));
  DrawBlockLines(dc, sheet);

  for (const SpreadLabel& s : kSpreadLabels) Spread(dc, c, s);
  if (soil) {
    for (const SpreadLabel& s : kSoilOnlyLabels) Spread(dc, c, s);
  }
  SetTextAlign(dc, TA_LEFT | TA_TOP);
  for (const CharLabel& l : kCharLabels) Middle(dc, c, l.x, Row(l.row), Label(l.label));
  for (const VerticalLabel& v : kVerticalLabels) {
    DrawTextVertical(dc, v.x1, v.x2, kVerticalLabelBand.top, kVerticalLabelBand.bottom, c.width,
                     c.height, Label(v.label));
  }
  DrawRoleLabels(dc, sheet, c);

  SetTextAlign(dc, TA_LEFT | TA_TOP);
  for (const SlotValue& v : kSlotValues) Middle(dc, c, v.x, v.band, record.heading(v.slot));
  if (soil) Middle(dc, c, kHammerValue.x, kHammerValue.band, record.heading(kHammerValue.slot));
  Middle(dc, c, kValueX, Row(1), LatitudeText(record));
  Middle(dc, c, kPeriodX, Row(2), SurveyPeriodText(record));
  Middle(dc, c, kValueX, Row(2), LongitudeText(record));
  if (const std::string& company = record.heading(slot::kSurveyCompany);
      !company.empty() || !record.heading(slot::kCompanyPhone).empty()) {
    DrawTwoLineText(dc, kCompanyX, Row(3).top, Row(3).bottom, company, record.heading(slot::kCompanyPhone));
  }
  Middle(dc, c, kElevationX, LowerHalf(4), ElevationText(record));
  Middle(dc, c, kElevationX, Row(5), TotalLengthText(record));

  DrawTitleDials(dc, sheet);
  SetTextAlign(dc, TA_LEFT | TA_TOP);
}

}  // namespace tesmor
