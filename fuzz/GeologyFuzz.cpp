// libFuzzer harness: geology-name composition, the master file and the pattern
// catalogue file on arbitrary bytes. The first byte chooses what the rest feeds.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "draw/PatternCatalogue.h"
#include "record/GeologyComposer.h"
#include "record/GeologyMasterFile.h"
#include "record/TextCodec.h"

namespace {

// The scratch file of this process, removed at exit (a plain array outlives the
// exit handlers, a std::string would not).
const char* ScratchFile() {
  static char path[64] = {};
  if (path[0] == '\0') {
    std::snprintf(path, sizeof path, "/tmp/tesmor-geology-fuzz-%ld", static_cast<long>(::getpid()));
    std::atexit([] { std::remove(path); });
  }
  return path;
}

bool WriteScratch(std::string_view bytes) {
  std::FILE* f = std::fopen(ScratchFile(), "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
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
