#include "readers/DataLoader.h"

#include "readers/FileKind.h"
#include "readers/ReaderDispatch.h"
#include "record/Messages.h"
#include "record/SjisText.h"
#include "record/TextCodec.h"
#include "record/TextFile.h"

namespace tesmor {

int LoadResult::errorMessageId() const {
  switch (status) {
    case LoadStatus::Loaded: return 0;
    case LoadStatus::FileNotFound: return msg::kFileNotFound;
    case LoadStatus::NotReadable: return msg::kNotReadable;
    case LoadStatus::NotYetReadable: return msg::kKindNotYetReadable;
    case LoadStatus::TooLarge: return msg::kFileTooLarge;
    case LoadStatus::NotBoringExchangeFile: return msg::kNotBoringExchangeFile;
  }
  return msg::kNotReadable;
}

std::string LoadResult::noticeText(int id) const {
  const auto detail = noticeDetails.find(id);
  return MessageText(id, detail == noticeDetails.end() ? std::string_view() : std::string_view(detail->second));
}

std::string LoadResult::errorMessage(const std::string& path) const {
  const int id = errorMessageId();
  return id == 0 ? std::string() : MessageText(id, path);
}

namespace {

// Where detection stopped, for the framework path that starts reading there.
struct DetectionStop {
  KindDetection detection;
  std::size_t kindLineStart = 0;
  std::size_t kindLineEnd = 0;
};

DetectionStop Detect(std::string_view text, OpenPath path) {
  DetectionStop stop;
  LineSource source(text);
  std::string_view line;
  for (int n = 0; n < kDetectionLines; ++n) {
    const std::size_t start = source.position();
    const bool got = path == OpenPath::FileMenu ? source.NextPiece(line, kFileMenuPieceWidth)
                                                : source.NextLine(line);
    if (!got) break;
    ++stop.detection.linesExamined;
    if (SjisWidth(line) > kLongLineWidth) ++stop.detection.longLines;
    stop.detection.kind = DetectFileKind(line);
    if (stop.detection.kind > 0) {
      stop.kindLineStart = start;
      stop.kindLineEnd = source.position();
      break;
    }
  }
  return stop;
}

// What the user must know of a loaded boring: the tables that could not take all the
// rows of the file, and a depth that cannot be drawn.
void NoticeLimits(LoadContext& context) {
  const BoringRecord& record = context.record;
  for (int t = 0; t < kTableCount; ++t) {
    const TextTable& table = record.table(static_cast<TableId>(t));
    if (table.refusedRows() == 0) continue;
    context.Notice(msg::kRowLimitReached, std::string(table.layout().listLabel) + " " +
                                              std::to_string(table.maxRows()) + "行まで");
  }
  if (const std::string depth = UnusableTotalDepthText(record); !depth.empty()) {
    context.Notice(msg::kUnusableDepth, depth);
  }
}

}  // namespace

KindDetection DetectKindOfText(std::string_view text, OpenPath path) { return Detect(text, path).detection; }

LoadResult LoadBoringText(std::string_view text, OpenPath path, BoringRecord& record, ShellState& shell,
                          const GeologyClassTable* geology) {
  LoadResult result;
  const DetectionStop stop = Detect(text, path);
  const int fileKind = stop.detection.kind;
  result.kind = fileKind;
  if (fileKind <= 0 || fileKind == kind::kZ36) {
    result.status = LoadStatus::NotReadable;
    return result;
  }
  if (!KindHasReader(fileKind)) {
    result.status = LoadStatus::NotYetReadable;
    return result;
  }

  LoadContext context(record, geology);
  if (IsXmlKind(fileKind) && fileKind != kind::kXmlOther && stop.detection.longLines > 0) {
    context.Notice(msg::kTryFormatAndOpen);
  }
  if (fileKind == kind::kXmlOther) context.Notice(msg::kUnknownDtdVersion);

  ClearBoringData(record);
  int lastLineResult = 0;
  if (path == OpenPath::FileMenu) {
    LineSource source(text);
    std::string_view piece;
    while (source.NextPiece(piece, kFileMenuPieceWidth)) {
      lastLineResult = ReadDataLine(context, fileKind, piece);
    }
  } else {
    const std::string_view kindLine = text.substr(stop.kindLineStart, stop.kindLineEnd - stop.kindLineStart);
    lastLineResult = ReadDataLine(context, fileKind, kindLine);
    LineSource source(text.substr(stop.kindLineEnd));
    std::string_view piece;
    while (source.NextPiece(piece, kFrameworkPieceWidth)) {
      lastLineResult = ReadDataLine(context, fileKind, piece);
    }
  }

  result.lastLineResult = lastLineResult;
  result.formSelector = FinishLoad(context, lastLineResult);
  NoticeLimits(context);
  record.setHeading(slot::kFileKind, std::to_string(fileKind));
  shell.FileKind = fileKind;
  shell.LastLineResult = lastLineResult;
  shell.FormSelector = result.formSelector;
  result.notices = std::move(context.notices);
  result.noticeDetails = std::move(context.noticeDetails);
  result.status = LoadStatus::Loaded;
  return result;
}

LoadResult LoadBoringFile(const std::string& filePath, OpenPath path, BoringRecord& record, ShellState& shell,
                          const GeologyClassTable* geology) {
  std::string bytes;
  const ReadStatus read = ReadFileBytes(filePath, bytes);
  if (read != ReadStatus::Ok) {
    LoadResult result;
    result.status = read == ReadStatus::TooLarge ? LoadStatus::TooLarge : LoadStatus::FileNotFound;
    return result;
  }
  const std::string text = DecodeFileText(bytes);
  bytes.clear();
  bytes.shrink_to_fit();
  return LoadBoringText(text, path, record, shell, geology);
}

}  // namespace tesmor
