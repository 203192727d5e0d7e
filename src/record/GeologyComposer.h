// Composition of a lithology pattern number, a sub-code and a symbol from a
// free-text geology name.
#pragma once

#include <string>
#include <string_view>

#include "record/GeologyClassTable.h"

namespace tesmor {

// Composes the pattern number of a geology name. symbol is in/out (the layer's
// current symbol in, the composed symbol out); subCode is out and left unchanged on
// some paths; explicitCode is the code the data file gave for the layer, or empty.
int ComposeGeologyCode(const GeologyClassTable& table, int& subCode, std::string& symbol,
                       std::string_view geologyName, std::string_view explicitCode);

// The class split used by the composer.
int SplitSoilClass(const GeologyClassTable& table, int& subCode, std::string& symbol, std::string& prefix,
                   std::string_view text);

// The longest section-1 name contained in text.
int FindLongestMainName(const GeologyClassTable& table, int& subCode, std::string& symbol, std::string& before,
                        std::string_view text);

}  // namespace tesmor
