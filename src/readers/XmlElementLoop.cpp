#include "readers/XmlElementLoop.h"

#include "readers/XmlElementTables.h"
#include "readers/XmlText.h"
#include "record/Messages.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

using xml_code::kRecordEnd;
using xml_code::kRecordStart;

// Index of the first entry from the cursor whose name is name; -1 when none. The
// heading skips the entries it does not keep and stops at its end entry.
int FindElement(const XmlPassState& state, std::string_view name, bool heading) {
  const int size = static_cast<int>(state.elements.size());
  for (int i = state.elementCursor; i < size && i <= kElementSearchLimit; ++i) {
    const XmlElement& e = state.elements[static_cast<std::size_t>(i)];
    if (heading) {
      if (e.code == kRecordEnd) return -1;
      if (e.code == xml_code::kIgnored) continue;
    }
    if (e.name == name) return i;
    if (e.code == kRecordEnd) return -1;
  }
  return -1;
}

bool TableHolds(const XmlPassState& state, std::string_view name) {
  for (const XmlElement& e : state.elements) {
    if (e.name == name) return true;
  }
  return false;
}

bool KeepsValue(const XmlElement& e, bool heading) {
  return e.holdsValue && (heading ? e.code > 0 : e.code >= 1 && e.code <= 10);
}

void ClearScratch(XmlPassState& state) {
  for (int c = 0; c <= state.scratchWidth && c < kScratchColumns; ++c) state.scratch[static_cast<std::size_t>(c)].clear();
  state.fieldCount = 0;
}

}  // namespace

LineTags::LineTags(std::string_view line) : line_(line) {
  std::size_t pos = 0;
  while (true) {
    const std::size_t open = line.find('<', pos);
    if (open == std::string_view::npos) break;
    const std::size_t close = line.find('>', open + 1);
    if (close == std::string_view::npos) break;
    const std::string_view name = line.substr(open + 1, close - open - 1);
    // Group start tags are neither end tags nor elements of a group ("色調_下端深度").
    if (!name.starts_with('/') && name.find('_') == std::string_view::npos) {
      if (count_ == kMaxNames) {
        overflow_ = true;
        break;
      }
      names_[count_++] = name;
    }
    // A "<" inside the name starts another candidate.
    const std::size_t inner = line_.substr(open + 1, close - open - 1).find('<');
    pos = inner == std::string_view::npos ? close + 1 : open + 1 + inner;
  }
}

bool LineTags::Has(std::string_view startTag) const {
  if (overflow_) return line_.find(startTag) != std::string_view::npos;
  const std::string_view name = startTag.substr(1, startTag.size() - 2);
  for (int i = 0; i < count_; ++i) {
    if (names_[i] == name) return true;
  }
  return false;
}

void StartBoringPass(XmlPassState& state, XmlElementTable headingTable) {
  state.currentGroup = xml_group::kHeading;
  state.elements = headingTable;
  state.elementCursor = 0;
  state.rowCount = 0;
  state.fieldCount = 0;
  state.inSituAppendBase = 0;
  state.classTableKind = -1;
  state.classDataKind = -1;
  state.readingJudgementTable = false;
  state.scratchWidth = 100;
  state.missingTableCount = 0;
  state.lugeonPairs.fill(0);
  state.valueMayContinue = false;
}

void EnterGroup(XmlPassState& state, const XmlGroup& group, int rowCountOnChange) {
  if (group.code != state.currentGroup) {
    state.currentGroup = group.code;
    state.rowCount = rowCountOnChange;
    state.maxRows = group.maxRows;
    state.scratchWidth = group.scratchWidth;
  }
  state.elements = group.elements;
  state.readingJudgementTable = false;
  state.elementCursor = 0;
  state.fieldCount = 0;
}

void CheckContinuedValue(XmlPassState& state, LoadContext& context, std::string_view line) {
  if (!state.valueMayContinue) return;
  const std::string_view text = TrimBlanks(line);
  if (text.empty()) return;  // blank lines between do not tell
  if (text.front() != '<') context.Notice(msg::kTryFormatAndOpen);
  state.valueMayContinue = false;
}

void ReadLineElements(XmlPassState& state, XmlPass& pass, LoadContext& context, std::string_view line) {
  const bool heading = state.currentGroup == xml_group::kHeading;
  const int limit = heading ? kHeadingElementsPerLine : kRecordElementsPerLine;
  std::size_t pos = 0;
  for (int n = 0; n < limit && pos + 2 <= line.size(); ++n) {
    XmlTag tag;
    if (!FindTag(line, pos, tag)) return;  // no tag (a blank or text line): nothing to do
    const int index = FindElement(state, tag.name, heading);
    const XmlElement* element = index >= 0 ? &state.elements[static_cast<std::size_t>(index)] : nullptr;

    if (element != nullptr && element->code != kRecordEnd) {
      if (element->code == kRecordStart) {
        if (!heading) ClearScratch(state);
      } else {
        state.elementCursor = index + 1;
        const std::string value = tag.selfClosing ? std::string() : DecodeXmlText(RawValueAt(line, tag.end));
        if (heading) {
          pass.StoreHeading(element->code, value);
        } else if (element->code >= 1 && element->code <= 10 && !value.empty()) {
          state.scratch[static_cast<std::size_t>(element->code)] = value;
          ++state.fieldCount;
        }
      }
    } else if (!heading && !(element == nullptr && tag.isEndTag() && !TableHolds(state, tag.name))) {
      // The record's end, an element the table does not hold, or one that comes
      // before the cursor: the record ends here. End tags the record does not know
      // are passed over.
      const bool readOn = pass.Commit();
      state.elementCursor = 0;
      state.fieldCount = 0;
      if (!readOn) return;
    }

    // Advance past the tag, and past its end tag when the value stands on this line.
    if (tag.selfClosing) {
      pos = tag.end;
      continue;
    }
    const std::size_t next = line.find('<', tag.end);
    if (next == std::string_view::npos) {
      if (element != nullptr && KeepsValue(*element, heading)) {
        // The value runs on to the next lines and is read as empty.
        if (TrimBlanks(line.substr(tag.end)).empty()) {
          state.valueMayContinue = true;
        } else {
          context.Notice(msg::kTryFormatAndOpen);
        }
      }
      return;
    }
    std::size_t after = 0;
    pos = EndTagAt(line, next, tag.name, &after) ? after : next;
  }
}

bool NextRow(XmlPassState& state, int limit, int& row) {
  if (state.rowCount <= limit) ++state.rowCount;
  if (state.rowCount > limit) return false;
  row = state.rowCount;
  return true;
}

bool RecordHasDepth(const XmlPassState& state) {
  return state.fieldCount > 0 && StartsLikeNumber(state.scratch[1]) > 0;
}

}  // namespace tesmor

