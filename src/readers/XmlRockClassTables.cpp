#include "readers/XmlRockClassTables.h"

namespace tesmor {

std::string FillRockClassTemplate(std::string_view templateText, std::string_view kindName) {
  std::string out;
  out.reserve(templateText.size() + 4 * kindName.size());
  bool inTag = false;
  for (std::size_t i = 0; i < templateText.size(); ++i) {
    const char c = templateText[i];
    if (c == '<') inTag = true;
    if (c == '>') inTag = false;
    if (inTag && c == '%' && i + 1 < templateText.size() && templateText[i + 1] == 's') {
      out.append(kindName);
      ++i;
      continue;
    }
    out.push_back(c);
  }
  return out;
}

RockClassElementTables::RockClassElementTables() {
  namespace t = rock_class_templates;
  for (int k = 0; k < kRockClassKinds; ++k) {
    const std::string_view name = kRockClassKindNames[static_cast<std::size_t>(k)];
    RockClassTables& r = kind[static_cast<std::size_t>(k)];
    r.tableTag = FillRockClassTemplate(t::kTableStart, name);
    r.dataTag = FillRockClassTemplate(t::kDataStart, name);
    if (k == kRockGradeKind) {
      r.tableTexts = {std::string(t::kGradeEntry), std::string(t::kGradeCode), std::string(t::kGradeSymbol),
                      FillRockClassTemplate(t::kTableEnd, name)};
    } else {
      r.tableTexts = {r.tableTag, FillRockClassTemplate(t::kTableCode, name),
                      FillRockClassTemplate(t::kTableSymbol, name), FillRockClassTemplate(t::kTableEnd, name)};
    }
    r.dataTexts = {r.dataTag, FillRockClassTemplate(t::kDataDepth, name), FillRockClassTemplate(t::kDataClass, name),
                   FillRockClassTemplate(t::kDataEnd, name)};
    constexpr std::array<int, 4> kCodes = {xml_code::kRecordStart, 1, 2, xml_code::kRecordEnd};
    for (std::size_t i = 0; i < 4; ++i) {
      r.table[i] = XmlElement{r.tableTexts[i], kCodes[i]};
      r.data[i] = XmlElement{r.dataTexts[i], kCodes[i]};
    }
  }
}

const RockClassElementTables& RockClassTablesOfKinds() {
  static const RockClassElementTables tables;
  return tables;
}

}  // namespace tesmor
