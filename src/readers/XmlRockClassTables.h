// The rock-class groups of the boring-information reader: six kinds of class, each
// with a judgement table (code and symbol pairs) and class rows keyed by bottom depth.
// Their elements are built from templates by putting the kind in place of each "%s"
// of a tag.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "readers/XmlElement.h"

namespace tesmor {

inline constexpr int kRockClassKinds = 6;
inline constexpr int kRockGradeKind = 5;  // 岩級

// Kind index 0 .. 5.
inline constexpr std::array<std::string_view, kRockClassKinds> kRockClassKindNames = {
    "硬軟", "コア形状", "割れ目", "風化", "変質", "岩級"};

namespace rock_class_templates {
inline constexpr std::string_view kDataStart = "<%s区分>";
inline constexpr std::string_view kDataDepth = "<%s区分_下端深度>%s</%s区分_下端深度>";
inline constexpr std::string_view kDataClass = "<%s区分_%s区分>%s</%s区分_%s区分>";
inline constexpr std::string_view kDataEnd = "</%s区分>";
inline constexpr std::string_view kTableStart = "<%s区分判定表>";
inline constexpr std::string_view kTableCode = "<%s区分判定表_コード>%s</%s区分判定表_コード>";
inline constexpr std::string_view kTableSymbol = "<%s区分判定表_記号>%s</%s区分判定表_記号>";
inline constexpr std::string_view kTableEnd = "</%s区分判定表>";
// 岩級 writes each judgement entry as "<岩級区分判定表_判定>", which opens an entry
// (and, coming again, ends the one before).
inline constexpr std::string_view kGradeEntry = "<岩級区分判定表_判定>";
inline constexpr std::string_view kGradeCode = "<岩級区分判定表_コード>%s</岩級区分判定表_コード>";
inline constexpr std::string_view kGradeSymbol = "<岩級区分判定表_記号>%s</岩級区分判定表_記号>";
}  // namespace rock_class_templates

// The element tables of one kind, and the two group start tags.
struct RockClassTables {
  std::string tableTag;  // "<硬軟区分判定表>"
  std::string dataTag;   // "<硬軟区分>"
  std::array<std::string, 4> tableTexts;
  std::array<std::string, 4> dataTexts;
  std::array<XmlElement, 4> table{XmlElement{"", 0}, XmlElement{"", 0}, XmlElement{"", 0}, XmlElement{"", 0}};
  std::array<XmlElement, 4> data{XmlElement{"", 0}, XmlElement{"", 0}, XmlElement{"", 0}, XmlElement{"", 0}};
};

struct RockClassElementTables {
  RockClassElementTables();
  RockClassElementTables(const RockClassElementTables&) = delete;
  RockClassElementTables& operator=(const RockClassElementTables&) = delete;

  std::array<RockClassTables, kRockClassKinds> kind;
};

// Built once, read-only.
const RockClassElementTables& RockClassTablesOfKinds();

// A template with the kind put in place of every "%s" inside a tag (the "%s" of the
// value stays).
std::string FillRockClassTemplate(std::string_view templateText, std::string_view kindName);

}  // namespace tesmor
