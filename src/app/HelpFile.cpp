#include "app/HelpFile.h"

#include "app/HelpLines.h"
#include "record/TextFile.h"
#include "record/TextUtil.h"
#include "settings/SettingsLineFile.h"

namespace tesmor {

std::string HelpFilePath(const std::string& installFolder) { return JoinPath(installFolder, "HelpTesmor.txt"); }

GuideText LoadGuideText(const std::string& installFolder) {
  const std::string path = HelpFilePath(installFolder);
  GuideText guide;
  std::vector<std::string> lines;
  if (ReadSettingLines(path, kHelpReadWidth, kGuideListLimit + 1, lines) && !lines.empty() &&
      TextToInt(lines.front()) >= kHelpVersion) {
    guide.tooManyLines = static_cast<int>(lines.size()) > kGuideListLimit;
    if (guide.tooManyLines) lines.resize(kGuideListLimit);
    guide.lines = std::move(lines);
    guide.fromFile = true;
    return guide;
  }
  for (const std::string_view line : HelpLines()) {
    if (static_cast<int>(guide.lines.size()) >= kBuiltInHelpLimit) break;
    guide.lines.emplace_back(line);
    if (line.find("EOF") != std::string_view::npos) break;
  }
  WriteSettingLines(path, guide.lines);  // a folder that cannot be written keeps the text on screen only
  return guide;
}

}  // namespace tesmor
