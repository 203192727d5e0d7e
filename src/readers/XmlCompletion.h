// What follows the last line of a boring-information file drawn on the soil form.
#pragma once

#include "readers/LoadContext.h"

namespace tesmor {

// Colour tones merged into the layers (and colour-only depths added as layers), the
// layers sorted by depth, the in-situ columns shifted for the soil form, missing
// observation tops filled, and the drilling dates copied to the drilling conditions
// (unless the boring was read as rock, which put them there itself).
void CompleteXmlSoilBoring(LoadContext& context);

}  // namespace tesmor
