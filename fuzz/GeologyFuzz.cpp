// libFuzzer harness: geology-name composition, the master file and the pattern
// catalogue file on arbitrary bytes. The first byte chooses what the rest feeds.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "draw/PatternCatalogue.h"
#include "record/GeologyComposer.h"
#include "record/GeologyMasterFile.h"
#include "record/TextCodec.h"

namespace {

const std::string& ScratchFile() {
  static const std::string path = tesmor::fuzz::ScratchPath("geology");
  return path;
}

bool WriteScratch(std::string_view bytes) {
  tesmor::fuzz::WriteBytes(ScratchFile(), bytes);
  return true;
}

void Compose(const tesmor::GeologyClassTable& table, std::string_view name) {
  int subCode = 0;
  std::string symbol(name.substr(0, 8));
  const std::size_t cut = name.find('\n');
  const std::string_view code = cut == std::string_view::npos ? std::string_view() : name.substr(cut + 1);
  tesmor::ComposeGeologyCode(table, subCode, symbol, name.substr(0, cut), code);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  switch (data[0] % 3) {
    case 0:
      Compose(tesmor::BuiltInGeologyClassTable(), tesmor::DecodeFileText(bytes));
      break;
    case 1: {
      if (!WriteScratch(bytes)) break;
      tesmor::GeologyClassTable table;
      tesmor::LoadGeologyClassification(table, ScratchFile());
      for (const char* name : {"礫混じりシルト質砂", "砂岩・泥岩互層", "砂質土", "り", "互層"}) Compose(table, name);
      std::vector<tesmor::GeologyMasterRow> rows;
      tesmor::ReadGeologyMasterRows(ScratchFile(), rows);
      break;
    }
    default: {
      if (!WriteScratch(bytes)) break;
      tesmor::PatternColourTable table;
      tesmor::LoadPatternColours(table, ScratchFile());
      tesmor::FindPatternColour(table, 300);
      std::vector<tesmor::PatternCatalogueRow> rows;
      tesmor::ReadPatternCatalogueRows(ScratchFile(), rows);
      tesmor::CatalogueVersion(rows);
      break;
    }
  }
  return 0;
}
