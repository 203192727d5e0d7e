#include "readers/Xml110Pass.h"

#include "readers/Xml110Tables.h"
#include "readers/XmlElementLoop.h"
#include "readers/XmlReader.h"
#include "readers/XmlRecordRows.h"
#include "readers/XmlText.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr std::string_view kBoringEnd = "</ボーリング情報";
constexpr std::string_view kBoringStart = "<ボーリング情報";

class Pass110 final : public XmlPass {
 public:
  explicit Pass110(LoadContext& context) : context_(context), record_(context.record), state_(context.xml110) {}

  void StoreHeading(int slot, std::string_view value) override;
  bool Commit() override;

 private:
  const std::string& C(int column) const { return state_.scratch[static_cast<std::size_t>(column)]; }
  bool NewRow(int& row) { return TakeGroupRow(record_, state_, row); }
  std::string MonthDay() const { return C(4) + "/" + C(5); }

  LoadContext& context_;
  BoringRecord& record_;
  XmlPassState& state_;
};

void Pass110::StoreHeading(int slot, std::string_view value) {
  if (slot <= 0 || slot >= kClearedHeadingSlots) return;
  record_.setHeading(slot, value);
  if (slot == slot::kStyle || slot == slot::kStyle110) ApplyStyleValue(context_.xmlBoring, value, false);
  StoreCommonHeading(record_, slot, value);
}

bool Pass110::Commit() {
  if (!RecordHasDepth(state_)) return true;
  int row = 0;
  switch (state_.currentGroup) {
    case xml_group::kGeology110:
      if (NewRow(row)) WriteLayerRow(context_, row, C(1), C(2), C(3), {});
      break;
    case xml_group::kColour110:
      if (NewRow(row)) WriteColourRow(record_, row, C(1), C(2));
      break;
    case xml_group::kOtherInSitu:
      if (NewRow(row)) WriteInSituRow(record_, row, C(4), C(1), C(2), C(3));
      break;
    case xml_group::kSample:
      if (NewRow(row)) WriteSampleRow(record_, row, C(1), C(2), C(3), C(4), {});
      break;
    case xml_group::kWaterLevel:
      if (NewRow(row)) {
        TextTable& levels = record_.WaterLevelTable;
        levels.set(row, water_level::kLevel, WaterLevelText(C(1)));
        levels.set(row, water_level::kDate, MonthDay());
        levels.set(row, water_level::kKind, C(3));
        levels.set(row, water_level::kPresence, std::to_string(water_level::bit::kXmlReaderRow));
      }
      break;
    case xml_group::kDrillingProgress:
      if (state_.fieldCount >= 2) WriteDrillingDateRow(context_, state_, C(1), MonthDay());
      break;
    default: break;
  }
  return true;
}

}  // namespace

int ReadXmlLine110(LoadContext& context, std::string_view rawLine, int /*fileKind*/) {
  XmlPassState& state = context.xml110;
  const std::string_view line = TrimTrailingBlanks(rawLine);
  CheckContinuedValue(state, context, line);
  if (line.find(kBoringEnd) != std::string_view::npos) {
    state.currentGroup = xml_group::kOutside;
    return context.xmlBoring.Result();
  }
  if (line.find(kBoringStart) != std::string_view::npos) {
    StartBoringPass(state, xml110_tables::kHeading);
    return context.xmlBoring.Result();
  }
  const LineTags tags(line);
  for (const XmlGroup& group : xml110_tables::kGroups) {
    if (tags.none() || !tags.Has(group.startTag)) continue;
    // その他原位置試験 rows follow the 孔内水平載荷試験 rows the common reader counted,
    // so that both passes write the same rows.
    EnterGroup(state, group, group.code == xml_group::kOtherInSitu ? context.xml.inSituAppendBase : 0);
  }
  if (state.currentGroup != xml_group::kOutside) {
    Pass110 pass(context);
    ReadLineElements(state, pass, context, line);
  }
  return context.xmlBoring.Result();
}

}  // namespace tesmor
