#include "app/ProcessSetup.h"

#include <clocale>

#include "app/FontSetup.h"

namespace tesmor {

void SetUpQtProcess() {
  std::setlocale(LC_NUMERIC, "C");
  InstallJapaneseFontSubstitutes();
}

}  // namespace tesmor
