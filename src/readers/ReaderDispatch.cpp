#include "readers/ReaderDispatch.h"

#include <algorithm>
#include <string>

#include "readers/FileKind.h"
#include "readers/RockCompletion.h"
#include "readers/Xml110Pass.h"
#include "readers/XmlCompletion.h"
#include "readers/XmlReader.h"
#include "record/Messages.h"
#include "record/TextFile.h"
#include "record/TextUtil.h"

namespace tesmor {

bool KindHasReader(int fileKind) {
  // The readers register here as they arrive.
  return IsXmlKind(fileKind);
}

int ReadDataLine(LoadContext& context, int fileKind, std::string_view line) {
  line = StripLineEnd(line);
  switch (fileKind) {
    case kind::kXml110:
      ReadXmlLine(context, line, fileKind);
      return ReadXmlLine110(context, line, fileKind);
    case kind::kXmlOther:
    case kind::kXml200:
    case kind::kXml201:
    case kind::kXml210:
    case kind::kXml300: return ReadXmlLine(context, line, fileKind);
    case kind::kJacicSoil: return 3;
    case kind::kRockLog: return 4;
    case kind::kTokenRock: return 1;
    case kind::kTokenSlide: return 2;
    default: return 0;
  }
}

int FinishLoad(LoadContext& context, int lastLineResult) {
  if (lastLineResult >= 200 && lastLineResult <= 202 && context.xmlBoring.gradeTableMissing) {
    context.Notice(msg::kNoRockClassTable);
  }
  switch (lastLineResult) {
    case 1:
    case 2:
    case 4:
      return 1;
    case 200:
      CompleteXmlSoilBoring(context);
      return 0;
    case 201:
      RockCompletion(context.record);
      RockClassSymbols(context.record);
      return 1;
    case 202:
      RockCompletion(context.record);
      return 1;
    default:
      return 0;
  }
}

void FillObservationTopDepths(BoringRecord& record) {
  TextTable& obs = record.ObservationTable;
  const int byTop = obs.RowCountBy(observation::kTopDepth);
  const int byBottom = obs.RowCountBy(observation::kBottomDepth);
  const int n = std::max(byTop, byBottom);
  std::string running = "0.0";
  for (int row = 1; row <= n; ++row) {
    if (StartsLikeNumber(obs.get(row, observation::kTopDepth)) <= 0) obs.set(row, observation::kTopDepth, running);
    if (StartsLikeNumber(obs.get(row, observation::kBottomDepth)) > 0) {
      running = obs.get(row, observation::kBottomDepth);
    }
  }
}

}  // namespace tesmor
