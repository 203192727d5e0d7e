// Any bytes through the XML reformatter and the load of its result: no crash, no
// undefined behaviour, and a text whose every line ends in CR LF.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "readers/ReformattedLoad.h"
#include "readers/XmlReformatter.h"
#include "record/TextCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = tesmor::DecodeFileText(bytes);
  tesmor::ReformatReport report;
  const std::string out = tesmor::ReformatXmlText(text, report);
  if (!out.empty() && out.back() != '\n') std::abort();
  for (std::size_t i = out.find('\n'); i != std::string::npos; i = out.find('\n', i + 1)) {
    if (i == 0 || out[i - 1] != '\r') std::abort();
  }
  tesmor::BoringRecord record;
  tesmor::ShellState shell;
  tesmor::LoadReformattedText(out, report, record, shell);
  return 0;
}
