#include "readers/ReaderDispatch.h"

#include <algorithm>
#include <string>

#include "readers/FileKind.h"
#include "record/TextFile.h"
#include "record/TextUtil.h"

namespace tesmor {

bool KindHasReader(int /*fileKind*/) {
  // The readers register here as they arrive.
  return false;
}

int ReadDataLine(LoadContext& /*context*/, int fileKind, std::string_view line) {
  line = StripLineEnd(line);
  switch (fileKind) {
    case kind::kJacicSoil: return 3;
    case kind::kRockLog: return 4;
    case kind::kTokenRock: return 1;
    case kind::kTokenSlide: return 2;
    default: return 0;
  }
}

int FinishLoad(LoadContext& context, int lastLineResult) {
  switch (lastLineResult) {
    case 1:
    case 2:
    case 4:
      return 1;
    case 200:
      FillObservationTopDepths(context.record);
      return 0;
    case 201:
    case 202:
      FillObservationTopDepths(context.record);
      return 1;
    default:
      return 0;
  }
}

void FillObservationTopDepths(BoringRecord& record) {
  TextTable& obs = record.ObservationTable;
  const int byTop = obs.RowCountBy(1);
  const int byBottom = obs.RowCountBy(2);
  const int n = std::max(byTop, byBottom);
  std::string running = "0.0";
  for (int row = 1; row <= n; ++row) {
    if (StartsLikeNumber(obs.get(row, 1)) <= 0) obs.set(row, 1, running);
    if (StartsLikeNumber(obs.get(row, 2)) > 0) running = obs.get(row, 2);
  }
}

}  // namespace tesmor
