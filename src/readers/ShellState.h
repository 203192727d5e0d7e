// What the last load decided: the file kind, the last line's reader result and the
// form (soil or rock) in which the boring is drawn.
#pragma once

#include "record/FormKind.h"

namespace tesmor {

struct ShellState {
  int FileKind = 0;
  int LastLineResult = 0;
  int FormSelector = kSoilForm;
};

}  // namespace tesmor
