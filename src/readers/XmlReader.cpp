#include "readers/XmlReader.h"

#include <algorithm>

#include "readers/FileKind.h"
#include "readers/XmlConversions.h"
#include "readers/XmlElementLoop.h"
#include "readers/XmlElementTables.h"
#include "readers/XmlRecordRows.h"
#include "readers/XmlRockClassTables.h"
#include "readers/XmlText.h"
#include "record/TextSlices.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr std::string_view kBoringEnd = "</ボーリング情報";
constexpr std::string_view kBoringStart = "<ボーリング情報";
constexpr std::string_view kPlaceholderCode = "aaa";
constexpr std::string_view kPlaceholderSymbol = "bbb";
constexpr int kMissingTableLimit = 499;
constexpr int kMissingGradeTable = 501;
constexpr int kRockClassRows = LayoutOf(TableId::Colour).maxRows;

int RockClassGroup(int kind) { return xml_group::kRockClassBase + 100 * kind; }

bool IsRockClassGroup(int group) {
  return group >= xml_group::kRockClassBase && group < RockClassGroup(kRockClassKinds) && group % 100 == 0;
}

bool Numeric(std::string_view text) { return StartsLikeNumber(text) > 0; }

// The common pass: the heading and every record group of DTD 2.00 to 3.00.
class CommonPass final : public XmlPass {
 public:
  CommonPass(LoadContext& context, int fileKind)
      : context_(context), record_(context.record), state_(context.xml), facts_(context.xmlBoring), kind_(fileKind) {}

  void StoreHeading(int slot, std::string_view value) override;
  bool Commit() override;

 private:
  const std::string& C(int column) const { return state_.scratch[static_cast<std::size_t>(column)]; }
  bool NewRow(int& row) { return TakeGroupRow(record_, state_, row); }

  void CommitLayer();
  void CommitSpt();
  void CommitDensity();
  void CommitLugeon();
  bool CommitLugeonDetail();
  void CommitJudgementPair();
  void CommitRockClass();
  void CommitObservation();
  void CommitObservationFrame();
  void CommitSample();
  void CommitInSitu(bool lateralLoad);
  void CommitGeoAge();
  void CommitWaterLevel();
  void CommitHoleDiameter();
  void CommitCoreTubeBit();
  void CommitDrillingCondition(int column, int bit);
  void CommitWaterSupply();
  void CommitFaultZone();
  void CommitCore(TextTable& table, int valueColumn, int flagColumn, int flag);
  void CommitRqd();

  LoadContext& context_;
  BoringRecord& record_;
  XmlPassState& state_;
  XmlBoringFacts& facts_;
  int kind_;
};

void CommonPass::StoreHeading(int slot, std::string_view value) {
  if (slot <= 0 || slot >= kClearedHeadingSlots) return;
  record_.setHeading(slot, value);
  if (slot == slot::kStartYear || slot == slot::kEndYear) {
    const std::string date(value);
    for (int part = 1; part <= 3; ++part) record_.setHeading(slot + part - 1, SplitDatePart(date, part));
  } else if (slot == slot::kStyle) {
    ApplyStyleValue(facts_, value, true);
  }
  StoreCommonHeading(record_, slot, value);
}

bool CommonPass::Commit() {
  const int group = state_.currentGroup;
  if (group == xml_group::kObservation) {
    CommitObservation();
    return true;
  }
  if (group == xml_group::kLugeonDetail) return CommitLugeonDetail();
  if (!RecordHasDepth(state_)) return true;
  if (IsRockClassGroup(group)) {
    if (state_.readingJudgementTable) {
      CommitJudgementPair();
    } else {
      CommitRockClass();
    }
    return true;
  }
  switch (group) {
    case xml_group::kRockSoil:
    case xml_group::kSoilRockKind: CommitLayer(); break;
    case xml_group::kColour: {
      int row = 0;
      if (NewRow(row)) WriteColourRow(record_, row, C(1), C(2));
      break;
    }
    case xml_group::kSpt: CommitSpt(); break;
    case xml_group::kDensity: CommitDensity(); break;
    case xml_group::kLugeon: CommitLugeon(); break;
    case xml_group::kObservationFrame: CommitObservationFrame(); break;
    case xml_group::kSample: CommitSample(); break;
    case xml_group::kLateralLoad: CommitInSitu(true); break;
    case xml_group::kOtherInSitu: CommitInSitu(false); break;
    case xml_group::kGeoAge: CommitGeoAge(); break;
    case xml_group::kWaterLevel: CommitWaterLevel(); break;
    case xml_group::kDrillingProgress:
      if (state_.fieldCount > 1) WriteDrillingDateRow(context_, state_, C(1), DropYear(C(2)));
      break;
    case xml_group::kHoleDiameter: CommitHoleDiameter(); break;
    case xml_group::kCoreTubeBit: CommitCoreTubeBit(); break;
    case xml_group::kDrillingSpeed:
      CommitDrillingCondition(drilling_condition::kSpeed, drilling_condition::bit::kSpeed);
      break;
    case xml_group::kFeedPressure:
      CommitDrillingCondition(drilling_condition::kFeedPressure, drilling_condition::bit::kFeedPressure);
      break;
    case xml_group::kRotation:
      CommitDrillingCondition(drilling_condition::kRotation, drilling_condition::bit::kRotation);
      break;
    case xml_group::kWaterSupply: CommitWaterSupply(); break;
    case xml_group::kFaultZone: CommitFaultZone(); break;
    case xml_group::kCoreRecovery:
      CommitCore(record_.CoreRecoveryTable, core_recovery::kRecovery, core_recovery::kLabelPlace,
                 core_recovery::label::kBelow);
      break;
    case xml_group::kCoreLength:
      CommitCore(record_.CoreLengthRqdTable, core_rqd::kMaxCoreLength, core_rqd::kPresence,
                 core_rqd::bit::kXmlReaderRow);
      break;
    case xml_group::kRqd: CommitRqd(); break;
    default: break;
  }
  return true;
}

void CommonPass::CommitLayer() {
  int row = 0;
  if (!NewRow(row)) return;
  WriteLayerRow(context_, row, C(1), C(2), C(3), C(8));
}

void CommonPass::CommitSpt() {
  int row = 0;
  if (!NewRow(row)) return;
  TextTable& spt = record_.SptTable;
  spt.set(row, spt::kStartDepth, C(1));
  spt.set(row, spt::kTotal, C(8) + "/" + C(9));
  for (int part = 0; part < 3; ++part) {
    const std::string& blows = C(2 + 2 * part);
    const std::string& penetration = C(3 + 2 * part);
    if (!blows.empty() || !penetration.empty()) spt.set(row, spt::kBlows0To10 + part, blows + "/" + penetration);
  }
  spt.set(row, spt::kMark, "0");
}

void CommonPass::CommitDensity() {
  DensityRows& density = record_.Density;
  density.depth[0] = -8.8;
  int row = 0;
  if (!NextRow(state_, std::min(state_.maxRows, DensityRows::kRows), row)) return;
  const auto r = static_cast<std::size_t>(row);
  density.depth[r] = TextToDouble(C(1));
  density.density[r] = C(2).empty() ? -9 : TextToInt(C(2)) - 1;
  density.consistency[r] = C(3).empty() ? -9 : TextToInt(C(3));
}

void CommonPass::CommitLugeon() {
  if (!Numeric(C(10))) return;
  int row = 0;
  if (!NewRow(row)) return;
  TextTable& lugeon = record_.LugeonTable;
  lugeon.set(row, lugeon::kTestNumber, C(10));
  // Top depth to injection max scale stand in the scratch row as in the table.
  for (int col = lugeon::kTopDepth; col <= lugeon::kInjectionMaxScale; ++col) lugeon.set(row, col, C(col));
  lugeon.set(row, lugeon::kClass, LugeonClassText(C(9)));
  lugeon.set(row, lugeon::kPairs, "");
  state_.lugeonPairs[static_cast<std::size_t>(row)] = 0;
  facts_.hasRockData = true;
}

bool CommonPass::CommitLugeonDetail() {
  if (state_.fieldCount <= 0 || !Numeric(C(3)) || !Numeric(C(1)) || !Numeric(C(2))) return true;
  TextTable& lugeon = record_.LugeonTable;
  const int test = TextToInt(C(3));
  for (int row = 1; row <= kLugeonRows && Numeric(lugeon.get(row, lugeon::kTopDepth)); ++row) {
    if (TextToInt(lugeon.get(row, lugeon::kTestNumber)) != test) continue;
    int& pairs = state_.lugeonPairs[static_cast<std::size_t>(row)];
    if (pairs < kLugeonPairsPerTest) {
      ++pairs;
      if (std::string* cell = lugeon.cell(row, lugeon::kPairs)) cell->append(C(1) + "," + C(2) + ",");
    }
    break;
  }
  return false;
}

void CommonPass::CommitJudgementPair() {
  int row = 0;
  if (!NextRow(state_, kJudgementPairs, row)) return;
  JudgementPair& pair = state_.judgementPairs[static_cast<std::size_t>(row - 1)];
  pair.code = C(1);
  pair.symbol = C(2);
}

void CommonPass::CommitRockClass() {
  if (!Numeric(C(2))) return;
  const int kind = (state_.currentGroup - xml_group::kRockClassBase) / 100;
  std::string code = C(2);
  const int codeValue = TextToInt(code);
  for (const JudgementPair& pair : state_.judgementPairs) {
    if (!Numeric(pair.code)) break;
    if (TextToInt(pair.code) == codeValue) {
      code = pair.symbol;
      break;
    }
  }
  TextTable& colours = record_.ColourTable;
  const int bit = colour::bit::kFirstClass << kind;
  int freeRow = 0;
  int row = FindDepthRow(colours, TextToDouble(C(1)), kRockClassRows, &freeRow);
  if (row > 0) {
    colours.set(row, colour::kFirstRockClass + kind, code);
    OrFlags(colours, row, colour::kPresence, bit);
  } else if (freeRow > 0) {
    row = freeRow;
    colours.set(row, colour::kBottomDepth, C(1));
    colours.set(row, colour::kFirstRockClass + kind, code);
    colours.set(row, colour::kPresence, std::to_string(bit | colour::bit::kClassRecord));
  } else {
    colours.RefuseRow();
    return;
  }
  facts_.hasRockData = true;
}

void CommonPass::CommitObservation() {
  if (state_.fieldCount <= 0 || (!Numeric(C(1)) && !Numeric(C(2)))) return;
  int row = 0;
  if (!NewRow(row)) return;
  TextTable& notes = record_.ObservationTable;
  notes.set(row, observation::kTopDepth, C(1));
  notes.set(row, observation::kBottomDepth, C(2));
  notes.set(row, observation::kNote, ReplaceAll(C(4), "\\n", "\r\n"));
  notes.set(row, observation::kFrameLine, observation::kNotFramed);
}

void CommonPass::CommitObservationFrame() {
  // The frame line is drawn at the bottom of the observation that ends at its depth.
  TextTable& notes = record_.ObservationTable;
  const double depth = TextToDouble(C(1));
  for (int row = 1; row <= notes.maxRows(); ++row) {
    const std::string& bottom = notes.get(row, observation::kBottomDepth);
    if (!Numeric(notes.get(row, observation::kTopDepth)) && !Numeric(bottom)) return;
    if (Numeric(bottom) && DepthsMatch(TextToDouble(bottom), depth)) {
      notes.set(row, observation::kFrameLine, observation::kFramed);
      return;
    }
  }
}

void CommonPass::CommitSample() {
  int row = 0;
  if (!NewRow(row)) return;
  WriteSampleRow(record_, row, C(1), C(2), C(3), C(4), C(6));
}

void CommonPass::CommitInSitu(bool lateralLoad) {
  int row = 0;
  if (!NewRow(row)) return;
  if (lateralLoad) {
    WriteInSituRow(record_, row, "", C(1), C(1), C(3));
    state_.inSituAppendBase = state_.rowCount;
  } else {
    WriteInSituRow(record_, row, C(4), C(1), C(2), C(3));
  }
}

void CommonPass::CommitGeoAge() {
  int row = 0;
  if (!NewRow(row)) return;
  TextTable& ages = record_.GeoAgeTable;
  ages.set(row, geo_age::kTopDepth, C(1));
  ages.set(row, geo_age::kBottomDepth, C(2));
  ages.set(row, geo_age::kAgeName, kind_ == kind::kXml300 ? C(4) : GeoAgeText(C(3), C(4)));
}

void CommonPass::CommitWaterLevel() {
  int row = 0;
  if (!NewRow(row)) return;
  TextTable& levels = record_.WaterLevelTable;
  levels.set(row, water_level::kLevel, WaterLevelText(C(1)));
  levels.set(row, water_level::kDate, DropYear(C(2)));
  levels.set(row, water_level::kKind, WaterLevelKindText(C(3)));
  levels.set(row, water_level::kPresence, std::to_string(water_level::bit::kXmlReaderRow));
}

void CommonPass::CommitHoleDiameter() {
  int row = 0;
  if (!NewRow(row)) return;
  TextTable& progress = record_.DrillingProgressTable;
  const std::string protection = WallProtectionText(C(3));
  progress.set(row, drilling_progress::kBottomDepth, C(1));
  progress.set(row, drilling_progress::kHoleDiameter, C(2));
  progress.set(row, drilling_progress::kWallProtection, protection);
  progress.set(row, drilling_progress::kPresence,
               std::to_string((C(2).empty() ? 0 : drilling_progress::bit::kHoleDiameter) |
                              (protection.empty() ? 0 : drilling_progress::bit::kWallProtection)));
}

void CommonPass::CommitCoreTubeBit() {
  TextTable& progress = record_.DrillingProgressTable;
  const int row = FindOrAddDepthRow(progress, C(1), std::min(state_.maxRows, progress.maxRows()));
  if (row <= 0) return;
  const std::string tubeBit = TubeBitText(C(2), C(3));
  progress.set(row, drilling_progress::kCoreTubeBit, tubeBit);
  if (!tubeBit.empty()) OrFlags(progress, row, drilling_progress::kPresence, drilling_progress::bit::kCoreTubeBit);
}

void CommonPass::CommitDrillingCondition(int column, int bit) {
  if (state_.fieldCount <= 1) return;
  TextTable& conditions = record_.DrillingConditionTable;
  const int row = FindOrAddDepthRow(conditions, C(1), std::min(state_.maxRows, conditions.maxRows()));
  if (row <= 0) return;
  conditions.set(row, column, C(2));
  OrFlags(conditions, row, drilling_condition::kPresence, bit);
}

void CommonPass::CommitWaterSupply() {
  if (state_.fieldCount <= 1) return;
  TextTable& conditions = record_.DrillingConditionTable;
  const int row = FindOrAddDepthRow(conditions, C(1), std::min(state_.maxRows, conditions.maxRows()));
  if (row > 0) {
    conditions.set(row, drilling_condition::kWaterPressure, C(2));
    conditions.set(row, drilling_condition::kWaterSupply, C(3));
    conditions.set(row, drilling_condition::kDrainage, C(4));
    const int bits = (C(2).empty() ? 0 : drilling_condition::bit::kWaterPressure) |
                     (C(3).empty() ? 0 : drilling_condition::bit::kWaterSupply) |
                     (C(4).empty() ? 0 : drilling_condition::bit::kDrainage);
    OrFlags(conditions, row, drilling_condition::kPresence, bits);
  }
  const std::string waterKind = WaterKindText(C(5));
  if (waterKind.empty()) return;
  TextTable& progress = record_.DrillingProgressTable;
  const int progressRow = FindOrAddDepthRow(progress, C(1), progress.maxRows());
  if (progressRow <= 0) return;
  progress.set(progressRow, drilling_progress::kWaterKind, waterKind);
  OrFlags(progress, progressRow, drilling_progress::kPresence, drilling_progress::bit::kWaterKind);
}

void CommonPass::CommitFaultZone() {
  int row = 0;
  if (!NewRow(row)) return;
  TextTable& faults = record_.FaultZoneTable;
  faults.set(row, fault_zone::kTopDepth, C(1));
  faults.set(row, fault_zone::kBottomDepth, C(2));
  faults.set(row, fault_zone::kProperty, FaultPropertyText(C(3)));
}

void CommonPass::CommitCore(TextTable& table, int valueColumn, int flagColumn, int flag) {
  int row = 0;
  if (!NewRow(row)) return;
  table.set(row, kKeyColumn, C(1));
  table.set(row, valueColumn, C(2));
  table.set(row, flagColumn, std::to_string(flag));
  facts_.hasRockData = true;
}

void CommonPass::CommitRqd() {
  if (!Numeric(C(2))) return;
  TextTable& cores = record_.CoreLengthRqdTable;
  const int row = FindOrAddDepthRow(cores, C(1), std::min(state_.maxRows, cores.maxRows()));
  if (row <= 0) return;
  cores.set(row, core_rqd::kRqd, C(2));
  cores.set(row, core_rqd::kPresence, std::to_string(core_rqd::bit::kXmlReaderRow));
  facts_.hasRockData = true;
}

// Judgement tables and class groups of the six rock-class kinds; the first kind whose
// tag the line holds opens its group.
void EnterRockClassGroups(XmlPassState& state, const LineTags& tags) {
  const RockClassElementTables& tables = RockClassTablesOfKinds();
  for (int kind = 0; kind < kRockClassKinds; ++kind) {
    const RockClassTables& t = tables.kind[static_cast<std::size_t>(kind)];
    if (!tags.Has(t.tableTag)) continue;
    const XmlGroup group{RockClassGroup(kind), t.tableTag, true, kJudgementPairs, 10, t.table};
    if (group.code != state.currentGroup) {
      state.classTableKind = kind;
      for (JudgementPair& pair : state.judgementPairs) pair = {};
    }
    EnterGroup(state, group);
    state.maxRows = kJudgementPairs;
    state.readingJudgementTable = true;
    break;
  }
  for (int kind = 0; kind < kRockClassKinds; ++kind) {
    const RockClassTables& t = tables.kind[static_cast<std::size_t>(kind)];
    if (!tags.Has(t.dataTag)) continue;
    if (kind != state.classTableKind) {
      // No judgement table of this kind came just before: the codes stay as written.
      state.missingTableCount += kind == kRockGradeKind ? kMissingGradeTable : 1;
      state.classTableKind = kind;
      for (JudgementPair& pair : state.judgementPairs) pair = {std::string(kPlaceholderCode), std::string(kPlaceholderSymbol)};
    }
    EnterGroup(state, XmlGroup{RockClassGroup(kind), t.dataTag, true, kRockClassRows, 10, t.data});
    // The judgement table before shares the group code; class rows are looked up over the whole colour table.
    state.maxRows = kRockClassRows;
    state.scratchWidth = 10;
    if (kind != state.classDataKind) {
      state.rowCount = 0;
      state.classDataKind = kind;
    }
    break;
  }
}

void EnterGroups(LoadContext& context, std::string_view line) {
  XmlPassState& state = context.xml;
  const bool rock = context.xmlBoring.ReadAsRock();
  const LineTags tags(line);
  if (tags.none()) return;
  for (const XmlGroup& group : xml_tables::kGroupsBeforeRockClasses) {
    if ((rock || !group.rockOnly) && tags.Has(group.startTag)) EnterGroup(state, group);
  }
  if (rock) EnterRockClassGroups(state, tags);
  for (const XmlGroup& group : xml_tables::kGroupsAfterRockClasses) {
    if ((rock || !group.rockOnly) && tags.Has(group.startTag)) {
      EnterGroup(state, group, group.code == xml_group::kOtherInSitu ? state.inSituAppendBase : 0);
    }
  }
}

void StartBoring(LoadContext& context) {
  // A file may hold several borings: each one is shown whole, never mixed with the one before.
  ClearBoringData(context.record);
  context.xmlBoring = XmlBoringFacts{};
  StartBoringPass(context.xml, xml_tables::kHeading);
}

}  // namespace

void ApplyStyleValue(XmlBoringFacts& facts, std::string_view value, bool textIsOtherStyle) {
  if (StartsLikeNumber(value) <= 0) {
    if (!textIsOtherStyle) return;
    facts.styleGiven = true;
    facts.readAsRock = true;
    facts.fixedResult = 0;
    return;
  }
  facts.styleGiven = true;
  switch (TextToInt(value)) {
    case 1:
      facts.readAsRock = false;
      facts.fixedResult = 200;
      break;
    case 2:
      facts.readAsRock = true;
      facts.fixedResult = 201;
      break;
    case 3:
      facts.readAsRock = true;
      facts.fixedResult = 202;
      break;
    default:
      facts.readAsRock = true;
      facts.fixedResult = 0;
      break;
  }
}

void StoreCommonHeading(BoringRecord& record, int slot, std::string_view value) {
  if (slot == slot::kHammer) {
    record.setHeading(slot, HammerText(value));
  } else if (slot == slot::kDrillingAngle || slot == slot::kDrillingDirection || slot == slot::kGroundSlope) {
    std::string whole;
    TextBeforeOrAll(whole, value, ".0");
    record.setHeading(slot, whole);
  } else if (slot == slot::kLocationCode3) {
    record.setHeading(slot::kBoringNumber, record.heading(slot::kBoringNumber) + record.heading(slot::kLocationCode2) +
                                               record.heading(slot::kLocationCode3));
  }
}

int ReadXmlLine(LoadContext& context, std::string_view rawLine, int fileKind) {
  XmlPassState& state = context.xml;
  const std::string_view line = TrimTrailingBlanks(rawLine);
  CheckContinuedValue(state, context, line);
  if (line.find(kBoringEnd) != std::string_view::npos) {
    state.currentGroup = xml_group::kOutside;
    context.xmlBoring.gradeTableMissing = state.missingTableCount > kMissingTableLimit;
    return context.xmlBoring.Result();
  }
  if (line.find(kBoringStart) != std::string_view::npos) {
    StartBoring(context);
    return context.xmlBoring.Result();
  }
  EnterGroups(context, line);
  const int group = state.currentGroup;
  if (group != xml_group::kOutside && group != xml_group::kIgnoredGroup) {
    CommonPass pass(context, fileKind);
    ReadLineElements(state, pass, context, line);
  }
  return context.xmlBoring.Result();
}

}  // namespace tesmor
