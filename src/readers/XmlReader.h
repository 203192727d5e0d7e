// The boring-information reader (DTD 2.00 to 3.00, and the elements DTD 1.10 shares
// with them): a line-driven, table-driven tag matcher that fills the boring record
// one line at a time.
#pragma once

#include <string_view>

#include "readers/LoadContext.h"

namespace tesmor {

// Reads one line of a boring-information file of the given kind (line end already
// removed). Returns 201 when the boring is drawn on the rock form with its class
// symbols converted, 202 on the rock form as written, 200 on the soil form.
int ReadXmlLine(LoadContext& context, std::string_view line, int fileKind);

// A 柱状図様式 (or 地質柱状図様式) value: 1 soil, 2 rock, 3 rock without class
// symbol conversion; any other value reads the boring as rock and draws it on the
// form its data calls for. Text that is not a number counts as such another value
// when textIsOtherStyle is set and is ignored otherwise.
void ApplyStyleValue(XmlBoringFacts& facts, std::string_view value, bool textIsOtherStyle);

// The heading conversions both passes share: hammer code, angles cut before ".0",
// the joined location code.
void StoreCommonHeading(BoringRecord& record, int slot, std::string_view value);

}  // namespace tesmor
