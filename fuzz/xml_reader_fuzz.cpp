// libFuzzer harness of the boring-information reader: the input's first byte picks
// the XML kind, the rest is decoded and fed line by line (in the File menu's pieces)
// through the reader and the completion; the same text also goes through the whole
// load with kind detection.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "readers/DataLoader.h"
#include "readers/FileKind.h"
#include "readers/LoadContext.h"
#include "readers/ReaderDispatch.h"
#include "record/BoringRecord.h"
#include "record/TextCodec.h"
#include "record/TextFile.h"

namespace {
constexpr int kKinds[] = {tesmor::kind::kXml110, tesmor::kind::kXmlOther, tesmor::kind::kXml200,
                          tesmor::kind::kXml201, tesmor::kind::kXml210,   tesmor::kind::kXml300};
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  using namespace tesmor;
  const int fileKind = kKinds[data[0] % (sizeof(kKinds) / sizeof(kKinds[0]))];
  const std::string text = DecodeFileText(std::string_view(reinterpret_cast<const char*>(data + 1), size - 1));

  BoringRecord record;
  {
    ClearBoringData(record);
    LoadContext context(record);
    LineSource source(text);
    std::string_view piece;
    int last = 0;
    while (source.NextPiece(piece, kFileMenuPieceWidth)) last = ReadDataLine(context, fileKind, piece);
    FinishLoad(context, last);
  }
  ShellState shell;
  LoadBoringText(text, OpenPath::FileMenu, record, shell);
  return 0;
}
