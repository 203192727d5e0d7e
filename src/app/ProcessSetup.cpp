#include "app/ProcessSetup.h"

#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <clocale>
#include <cstdlib>
#include <string>

#include "app/FontSetup.h"

namespace tesmor {

void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

void PrepareQtEnvironment() {
  if (std::getenv("XDG_RUNTIME_DIR") != nullptr) return;
  const std::string runtime = "/tmp/tesmor-runtime-" + std::to_string(getuid());
  mkdir(runtime.c_str(), 0700);
  struct stat st {};
  if (lstat(runtime.c_str(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == getuid() && (st.st_mode & 077) == 0) {
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
  }
}

void SetUpQtProcess() {
  std::setlocale(LC_NUMERIC, "C");
  InstallJapaneseFontSubstitutes();
}

}  // namespace tesmor
