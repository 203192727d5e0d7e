// The element loop shared by both passes of the boring-information reader: group
// entry, the matching of a line's elements against the current element table, the
// scratch row and the cursor. What a record commit or a heading value does is the
// pass's own.
#pragma once

#include <string_view>

#include "readers/LoadContext.h"
#include "readers/XmlElement.h"
#include "readers/XmlReaderState.h"

namespace tesmor {

inline constexpr int kHeadingElementsPerLine = 9;
inline constexpr int kRecordElementsPerLine = 249;
inline constexpr int kElementSearchLimit = 100;

class XmlPass {
 public:
  // Stores one heading value into a heading slot.
  virtual void StoreHeading(int slot, std::string_view value) = 0;
  // Commits the record in the scratch row (the pass checks its conditions). False
  // when the rest of the line is not to be read.
  virtual bool Commit() = 0;

 protected:
  ~XmlPass() = default;
};

// The start tags present in one line, for the group start tests ("<色調>" is present
// when some "<" of the line is followed by "色調>").
class LineTags {
 public:
  explicit LineTags(std::string_view line);
  bool Has(std::string_view startTag) const;
  // True when the line holds no tag that could open a group.
  bool none() const { return count_ == 0 && !overflow_; }

 private:
  static constexpr int kMaxNames = 32;
  std::string_view line_;
  std::string_view names_[kMaxNames];
  int count_ = 0;
  bool overflow_ = false;
};

// Resets a pass at the start of a boring: heading group, cursor and counts.
void StartBoringPass(XmlPassState& state, XmlElementTable headingTable);

// Enters a record group (or restarts it); rowCountOnChange is the row count the
// group starts from when it differs from the current group.
void EnterGroup(XmlPassState& state, const XmlGroup& group, int rowCountOnChange = 0);

// Says whether the line continues a value that an earlier line opened but did not
// close, raising the "try format and open" notice when text of a value is lost.
void CheckContinuedValue(XmlPassState& state, LoadContext& context, std::string_view line);

// Reads the elements of one line (trailing blanks already removed) under the current group.
void ReadLineElements(XmlPassState& state, XmlPass& pass, LoadContext& context, std::string_view line);

// New row of the current group's count; false (row dropped) beyond limit.
bool NextRow(XmlPassState& state, int limit, int& row);

// True when the scratch row may be committed: values were stored and column 1 is
// numeric-looking.
bool RecordHasDepth(const XmlPassState& state);

}  // namespace tesmor
