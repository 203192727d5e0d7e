// libFuzzer harness of the command-line parser: the input's NUL-separated parts are
// the arguments. Beyond "no crash, no undefined behaviour": a command line that
// parses without an error is complete for its mode, and its resolution is in range.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/CommandLine.h"

namespace {
void Require(bool condition) {
  if (!condition) std::abort();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> args;
  while (!bytes.empty()) {
    const std::size_t cut = bytes.find('\0');
    args.emplace_back(bytes.substr(0, cut));
    if (cut == std::string_view::npos) break;
    bytes.remove_prefix(cut + 1);
  }
  const tesmor::CommandLine cl = tesmor::ParseCommandLine(args);
  if (!cl.error.empty()) return 0;
  using tesmor::RunMode;
  switch (cl.mode) {
    case RunMode::Export: Require(!cl.output.empty() && !cl.file.empty()); break;
    case RunMode::Dump: Require(!cl.file.empty()); break;
    case RunMode::Reformat: Require(!cl.output.empty() && !cl.file.empty()); break;
    case RunMode::PatternLegend: Require(!cl.output.empty()); break;
    case RunMode::Gui: break;
    case RunMode::Help:
    case RunMode::Version: return 0;  // they win over whatever else was given
  }
  Require(cl.exportDpi >= 10 && cl.exportDpi <= 2400);
  Require(cl.form.empty() || cl.form == "soil" || cl.form == "rock");
  return 0;
}
