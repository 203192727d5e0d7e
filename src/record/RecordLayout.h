// Where each value of the boring record sits: the heading slots, and for each of the
// fifteen depth-keyed tables its width, row limit, spare rows and data-list label,
// the names of the columns the program reads or writes, and the flag values kept in
// cells. Slot and column numbers are written here only; the rest of the program
// addresses cells by these names.
#pragma once

#include <array>
#include <string_view>

namespace tesmor {

// ---- Heading texts ---------------------------------------------------------------

inline constexpr int kHeadingSlots = 90;
// Slots 0 .. kClearedHeadingSlots-1 are emptied before each load.
inline constexpr int kClearedHeadingSlots = 89;

// The heading slots the program reads or writes, in slot order (labels as in the
// heading dialog). The slots between them are left to the legacy readers.
namespace slot {
inline constexpr int kSurveyName = 1;    // 調査名
inline constexpr int kProjectName = 2;   // 事業工事名
inline constexpr int kLocation = 3;      // 調査位置 (the address)
inline constexpr int kOrderingBody = 4;  // 発注機関
inline constexpr int kBoringName = 5;    // ボーリング名
inline constexpr int kStartYear = 6;     // survey start: year, month, day
inline constexpr int kStartMonth = 7;
inline constexpr int kStartDay = 8;
inline constexpr int kEndYear = 9;  // survey end: year, month, day
inline constexpr int kEndMonth = 10;
inline constexpr int kEndDay = 11;
inline constexpr int kElevationKind = 12;    // 孔口標高 種別
inline constexpr int kCollarElevation = 13;  // 孔口標高 (m)
inline constexpr int kEngineerName1 = 16;    // the four engineers' names, under role labels 1 to 4
inline constexpr int kEngineerName2 = 17;
inline constexpr int kEngineerName3 = 18;
inline constexpr int kEngineerName4 = 19;
inline constexpr int kDrillingMachine = 20;    // 試錐機
inline constexpr int kHammer = 21;             // ハンマー (the hammer-drop tool)
inline constexpr int kEngine = 22;             // エンジン
inline constexpr int kPump = 23;               // ポンプ
inline constexpr int kDrillingAngle = 24;      // 掘進角度
inline constexpr int kDrillingDirection = 25;  // 掘進方向
inline constexpr int kGroundSlope = 26;        // 地盤勾配
inline constexpr int kBoringNumber = 27;       // ボ-リングNo: コード1次, with 2次 and 3次 joined to it
inline constexpr int kSheetNumber = 28;        // シートNo.
inline constexpr int kCode1 = 29;              // code1
inline constexpr int kCode2 = 30;              // code2
inline constexpr int kMemo = 33;               // メモ
inline constexpr int kStartDateLead = 34;      // the text before the start date (始)
inline constexpr int kEndDateLead = 35;        // the text before the end date (至)
inline constexpr int kShowElevation = 36;      // 標高表示: "1" when the elevation is shown
inline constexpr int kTotalLength = 37;        // 総掘進長, the total drilled length (m)
inline constexpr int kElevationAsText = 38;    // "1" when the collar elevation is shown as text
inline constexpr int kSurveyCompany = 39;      // 調査業者名
inline constexpr int kCompanyPhone = 40;       // TEL
inline constexpr int kRoleLabel1 = 41;         // the four engineers' role labels
inline constexpr int kRoleLabel2 = 42;
inline constexpr int kRoleLabel3 = 43;
inline constexpr int kRoleLabel4 = 44;
inline constexpr int kLatitudeDegrees = 51;  // 北緯: degrees, minutes, seconds
inline constexpr int kLatitudeMinutes = 52;
inline constexpr int kLatitudeSeconds = 53;
inline constexpr int kLongitudeDegrees = 54;  // 東経: degrees, minutes, seconds
inline constexpr int kLongitudeMinutes = 55;
inline constexpr int kLongitudeSeconds = 56;
inline constexpr int kStyle = 57;          // 柱状図様式 (1 soil, 2 rock, 3)
inline constexpr int kLocationCode2 = 58;  // コード2次
inline constexpr int kLocationCode3 = 59;  // コード3次
// The page-number footer.
inline constexpr int kPageTextBefore = 61;           // text before the number
inline constexpr int kFirstPageNumber = 62;          // number of the first page
inline constexpr int kPageTextAfter = 63;            // text after the number
inline constexpr int kPageVerticalReference = 64;    // 0 from the paper top, 1 from the column bottom
inline constexpr int kPageFromPaperTop = 65;         // mm below the paper top
inline constexpr int kPageBelowColumns = 66;         // mm below the column bottom
inline constexpr int kPageHorizontalReference = 67;  // 0 from the left edge, 1 centred
inline constexpr int kPageFromLeftEdge = 68;         // mm from the left paper edge
inline constexpr int kPageCentreOffset = 69;         // mm off the centre, when centred
inline constexpr int kStyle110 = 81;                 // 地質柱状図様式 (DTD 1.10)
inline constexpr int kFileKind = 82;                 // 表示様式: the file kind code as decimal text

// Engineers (names and role labels) in consecutive slots.
inline constexpr int kEngineers = 4;

// Readers and forms step through these groups slot by slot.
static_assert(kStartDay == kStartYear + 2 && kStartMonth == kStartYear + 1);
static_assert(kEndDay == kEndYear + 2 && kEndMonth == kEndYear + 1);
static_assert(kLatitudeSeconds == kLatitudeDegrees + 2 && kLongitudeSeconds == kLongitudeDegrees + 2);
static_assert(kEngineerName4 == kEngineerName1 + kEngineers - 1 && kRoleLabel4 == kRoleLabel1 + kEngineers - 1);
}  // namespace slot

// ---- Graph captions of the rock form ----------------------------------------------

// Captions 1 .. 10 (index 0 unused): set after a rock load from the kinds of data
// the boring holds.
namespace caption {
inline constexpr int kValueColumn = 1;  // heads the value column (N values, Lugeon values)
inline constexpr int kTest = 2;         // "（…）試験" over the graph
inline constexpr int kChart = 3;        // "（… ）図" over the graph
inline constexpr int kFirstLegend = 5;  // 5 to 8 explain the marks of the P-Q diagrams
inline constexpr int kLastLegend = 8;
inline constexpr int kFlag = 10;  // "1" once the captions are set
inline constexpr int kCount = 11;
}  // namespace caption

// ---- Tables ----------------------------------------------------------------------

enum class TableId : int {
  Layer = 0,
  FaultZone,
  Spt,
  MiniRam,
  Observation,
  WaterLevel,
  InSitu,
  Sample,
  Colour,
  GeoAge,
  CoreRecovery,
  CoreLengthRqd,
  DrillingCondition,
  DrillingProgress,
  Lugeon,
};

inline constexpr int kTableCount = 15;

// Column 1 keys the rows of every table: its numeric look counts them and its depth
// orders them. The data list ends a table at a row whose key and the column after
// it are both empty.
inline constexpr int kKeyColumn = 1;
inline constexpr int kColumnAfterKey = 2;

struct TableLayout {
  std::string_view name;       // the table's name in the program and in --dump
  int width;                   // texts per row, columns 0 .. width-1
  int maxRows;                 // rows the readers fill at most (rows 1 .. maxRows)
  int spareRows;               // rows past maxRows that exist in the array
  std::string_view listLabel;  // label in the data list
  int listColumns;             // columns the data list shows, from column 1
  int keyColumn;               // the column whose numeric look counts the rows
};

// In the order of the data list. The names of each table's columns follow, in the
// same order.
inline constexpr std::array<TableLayout, kTableCount> kTableLayouts = {{
    {"LayerTable", 12, 250, 2, "土質地質名", 11, kKeyColumn},
    {"FaultZoneTable", 5, 50, 2, "破砕帯", 4, kKeyColumn},
    {"SptTable", 7, 300, 2, "N値", 6, kKeyColumn},
    {"MiniRamTable", 5, 120, 2, "ミニラムNd値", 4, kKeyColumn},
    {"ObservationTable", 6, 200, 2, "観察記事", 5, kKeyColumn},
    {"WaterLevelTable", 8, 50, 2, "水位", 4, kKeyColumn},
    {"InSituTable", 9, 100, 2, "原位置試験", 8, kKeyColumn},
    {"SampleTable", 7, 200, 2, "試料", 6, kKeyColumn},
    {"ColourTable", 10, 250, 1, "性状", 9, kKeyColumn},
    {"GeoAgeTable", 4, 20, 2, "年代", 3, kKeyColumn},
    {"CoreRecoveryTable", 5, 250, 2, "採取率", 4, kKeyColumn},
    {"CoreLengthRqdTable", 5, 250, 2, "コア長RQD", 4, kKeyColumn},
    {"DrillingConditionTable", 12, 200, 2, "掘進状況", 11, kKeyColumn},
    {"DrillingProgressTable", 7, 50, 2, "保護ビット", 6, kKeyColumn},
    {"LugeonTable", 11, 50, 2, "ルジオン", 10, kKeyColumn},
}};

constexpr const TableLayout& LayoutOf(TableId id) { return kTableLayouts[static_cast<int>(id)]; }

// LayerTable: one row per layer boundary (or per colour change inside a layer).
// Columns 9 and 10 come with the legacy readers.
namespace layer {
inline constexpr int kBottomDepth = 1;
inline constexpr int kGeologyName1 = 2;
inline constexpr int kGeologyName2 = 3;
inline constexpr int kColourTone = 4;    // merged from ColourTable after an XML soil load
inline constexpr int kPatternCode1 = 5;  // of name 1: pattern number, point, sub-code ("%ld.%d")
inline constexpr int kPatternCode2 = 6;  // of name 2
inline constexpr int kPresence = 7;      // presence bits as decimal text
inline constexpr int kSymbol = 8;        // 記号
inline constexpr int kNameJoiner = 11;   // put between the two names ("・" from the XML reader)

namespace bit {
inline constexpr int kOwnLayer = 1;        // the row is a layer of its own (not only a colour change)
inline constexpr int kColourMerged = 32;   // the colour tone was merged in
inline constexpr int kXmlReaderRow = 471;  // what the XML reader writes for a layer row
}  // namespace bit

// The sub-code after the point of a pattern code: which of relative density and
// consistency applies to the layer.
namespace subcode {
inline constexpr int kDensity = 1;
inline constexpr int kConsistency = 2;
inline constexpr int kBoth = kDensity | kConsistency;
}  // namespace subcode
}  // namespace layer

namespace fault_zone {
inline constexpr int kTopDepth = 1;
inline constexpr int kBottomDepth = 2;
inline constexpr int kProperty = 3;  // the property text
}  // namespace fault_zone

// SptTable: blows "/" penetration, as in "50/20".
namespace spt {
inline constexpr int kStartDepth = 1;
inline constexpr int kTotal = 2;       // total blows / total penetration
inline constexpr int kBlows0To10 = 3;  // the three 10 cm parts, in consecutive columns
inline constexpr int kBlows10To20 = 4;
inline constexpr int kBlows20To30 = 5;
inline constexpr int kMark = 6;  // "0" from the XML reader
static_assert(kBlows20To30 == kBlows0To10 + 2);
}  // namespace spt

// MiniRamTable: its columns come with the legacy readers.

namespace observation {
inline constexpr int kTopDepth = 1;
inline constexpr int kBottomDepth = 2;
inline constexpr int kNote = 4;       // may hold CR LF line breaks
inline constexpr int kFrameLine = 5;  // kFramed: a frame line at the bottom depth
inline constexpr std::string_view kFramed = "1";
inline constexpr std::string_view kNotFramed = "0";
}  // namespace observation

namespace water_level {
inline constexpr int kLevel = 1;     // signed, "%+.2f", negative below the collar
inline constexpr int kDate = 2;      // month "/" day
inline constexpr int kKind = 3;      // the level kind text
inline constexpr int kPresence = 4;  // presence bits as decimal text

namespace bit {
inline constexpr int kShowsLevel = 1;
inline constexpr int kShowsDate = 2;
inline constexpr int kKindBelow = 4;   // the kind text below the symbol
inline constexpr int kKindAbove = 8;   // ... above it, right-aligned
inline constexpr int kKindRight = 16;  // ... below it, right-aligned
inline constexpr int kXmlReaderRow = kShowsLevel | kShowsDate | kKindBelow;
}  // namespace bit
}  // namespace water_level

// InSituTable: the XML reader writes the first layout; after an XML soil load the
// columns are moved to the soil layout (test depth, result, test name, mark).
namespace in_situ {
inline constexpr int kTestName = 0;
inline constexpr int kTopDepth = 1;  // both layouts: the (top) test depth
inline constexpr int kBottomDepth = 2;
inline constexpr int kResult = 3;  // or the deformation modulus
inline constexpr int kExtra1 = 4;  // four columns the XML reader leaves empty
inline constexpr int kExtra2 = 5;
inline constexpr int kExtra3 = 7;
inline constexpr int kExtra4 = 8;
inline constexpr int kReadMark = 6;    // kMark in the layout as read
inline constexpr int kSoilResult = 2;  // the soil layout
inline constexpr int kSoilTestName = 3;
inline constexpr int kSoilMark = 4;  // kMark in the soil layout
inline constexpr std::string_view kMark = "7";
}  // namespace in_situ

namespace sample {
inline constexpr int kTopDepth = 1;
inline constexpr int kBottomDepth = 2;
inline constexpr int kNumber = 3;
inline constexpr int kMethodMark = 4;  // the mark of the sampling method
inline constexpr int kTestName = 5;
}  // namespace sample

// ColourTable: colour tone and rock classes. Column 0 comes with the legacy readers.
namespace colour {
inline constexpr int kBottomDepth = 1;
inline constexpr int kColourTone = 2;  // 色調
inline constexpr int kHardness = 3;    // the six rock classes in kind order, from column 3
inline constexpr int kCoreShape = 4;
inline constexpr int kFracture = 5;
inline constexpr int kWeathering = 6;
inline constexpr int kAlteration = 7;
inline constexpr int kRockGrade = 8;
inline constexpr int kPresence = 9;  // presence bits as decimal text
inline constexpr int kFirstRockClass = kHardness;
static_assert(kRockGrade == kFirstRockClass + 5);

namespace bit {
inline constexpr int kClassRecord = 3;    // both of 1 and 2: a row made by a rock-class record
inline constexpr int kAtLayerBottom = 4;  // a layer ends at the row's depth
inline constexpr int kFirstClass = 8;     // a class of kind k is present: kFirstClass << k
}  // namespace bit
}  // namespace colour

namespace geo_age {
inline constexpr int kTopDepth = 1;
inline constexpr int kBottomDepth = 2;
inline constexpr int kAgeName = 3;
}  // namespace geo_age

namespace core_recovery {
inline constexpr int kBottomDepth = 1;
inline constexpr int kRecovery = 2;    // %
inline constexpr int kLabelPlace = 3;  // where the value's label stands

namespace label {
inline constexpr int kAbove = 0;
inline constexpr int kBeside = 1;  // centred on the mark's height
inline constexpr int kBelow = 2;   // also any other value
}  // namespace label
}  // namespace core_recovery

// CoreLengthRqdTable.
namespace core_rqd {
inline constexpr int kBottomDepth = 1;
inline constexpr int kMaxCoreLength = 2;  // cm
inline constexpr int kRqd = 3;            // %
inline constexpr int kPresence = 4;       // bits as decimal text

namespace bit {
inline constexpr int kLastRow = 16;       // the deepest row, after a rock load
inline constexpr int kXmlReaderRow = 32;  // every row the XML reader writes
}  // namespace bit
}  // namespace core_rqd

namespace drilling_condition {
inline constexpr int kBottomDepth = 1;
inline constexpr int kDate = 2;
inline constexpr int kSpeed = 5;
inline constexpr int kFeedPressure = 6;
inline constexpr int kRotation = 7;
inline constexpr int kWaterPressure = 8;
inline constexpr int kWaterSupply = 9;
inline constexpr int kDrainage = 10;
inline constexpr int kPresence = 11;  // presence bits as decimal text

namespace bit {
inline constexpr int kDate = 1;
inline constexpr int kSpeed = 2;
inline constexpr int kFeedPressure = 4;
inline constexpr int kRotation = 8;
inline constexpr int kWaterPressure = 16;
inline constexpr int kWaterSupply = 32;
inline constexpr int kDrainage = 64;
}  // namespace bit
}  // namespace drilling_condition

// DrillingProgressTable: column 2 holds the hole diameter when the boring is read
// as rock, the date of the drilling progress otherwise.
namespace drilling_progress {
inline constexpr int kBottomDepth = 1;  // or the progress depth
inline constexpr int kHoleDiameter = 2;
inline constexpr int kDate = 2;
inline constexpr int kWallProtection = 3;
inline constexpr int kCoreTubeBit = 4;
inline constexpr int kWaterKind = 5;
inline constexpr int kPresence = 6;  // presence bits as decimal text

namespace bit {
inline constexpr int kHoleDiameter = 2;
inline constexpr int kWallProtection = 4;
inline constexpr int kCoreTubeBit = 8;
inline constexpr int kWaterKind = 16;
}  // namespace bit
}  // namespace drilling_progress

namespace lugeon {
inline constexpr int kTestNumber = 0;
inline constexpr int kTopDepth = 1;
inline constexpr int kBottomDepth = 2;
inline constexpr int kCriticalPressure = 3;
inline constexpr int kLugeonValue = 4;
inline constexpr int kPressureStart = 5;
inline constexpr int kInjectionStart = 6;
inline constexpr int kPressureMaxScale = 7;
inline constexpr int kInjectionMaxScale = 8;
inline constexpr int kClass = 9;   // the class text
inline constexpr int kPairs = 10;  // pressure-injection pairs, "P,Q," repeated
}  // namespace lugeon

}  // namespace tesmor
