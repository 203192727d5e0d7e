#include "readers/ReformattedLoad.h"

#include <vector>

#include "readers/FileKind.h"
#include "record/Messages.h"

namespace tesmor {

int ReformattedKind(std::string_view text, const ReformatReport& report) {
  return report.stoppedEarly ? kind::kNone : DetectKindOfText(text, OpenPath::FileMenu).kind;
}

LoadResult LoadReformattedText(std::string_view text, const ReformatReport& report, BoringRecord& record,
                               ShellState& shell, const GeologyClassTable* geology) {
  const int fileKind = ReformattedKind(text, report);
  if (!IsXmlKind(fileKind)) {
    LoadResult refused;
    refused.kind = fileKind;
    refused.status = LoadStatus::NotBoringExchangeFile;
    return refused;
  }
  LoadResult result = LoadBoringText(text, OpenPath::FileMenu, record, shell, geology);
  std::erase(result.notices, msg::kTryFormatAndOpen);
  return result;
}

LoadResult LoadBoringFileReformatted(const std::string& filePath, BoringRecord& record, ShellState& shell,
                                     const GeologyClassTable* geology) {
  const ReformattedXml reformatted = ReformatXmlSource(filePath);
  if (!reformatted.ok()) {
    LoadResult failed;
    failed.status = reformatted.status == ReformatStatus::SourceTooLarge ? LoadStatus::TooLarge
                                                                         : LoadStatus::FileNotFound;
    return failed;
  }
  LoadResult result = LoadReformattedText(reformatted.text, reformatted.report, record, shell, geology);
  std::vector<int> found;
  if (reformatted.report.longLines > 0) found.push_back(msg::kLineTooLong);
  if (reformatted.report.brokenTags > 0) found.push_back(msg::kBrokenLine);
  result.notices.insert(result.notices.begin(), found.begin(), found.end());
  return result;
}

}  // namespace tesmor
