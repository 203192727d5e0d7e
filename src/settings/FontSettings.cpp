#include "settings/FontSettings.h"

#include <cstdint>
#include <vector>

#include "record/SjisText.h"
#include "record/TextFile.h"
#include "record/TextUtil.h"
#include "settings/SettingRanges.h"
#include "settings/SettingsLineFile.h"

namespace tesmor {

namespace {

constexpr int kFontFileLines = 4;

}  // namespace

void LoadFontFile(FontSetting& font, const std::string& path, double defaultSize) {
  font.colour = 0;
  font.underline = 0;
  std::vector<std::string> lines;
  ReadSettingLines(path, kFontReadWidth, kFontFileLines, lines);
  if (lines.size() > 0) font.size = TextToDouble(lines[0]);
  if (lines.size() > 1) font.face = lines[1];
  // The colour is a 32-bit value kept in a long: larger numbers wrap as they did there.
  if (lines.size() > 2) font.colour = static_cast<ColourRef>(static_cast<unsigned long>(TextToLong(lines[2])));
  if (lines.size() > 3) font.underline = kUnderlineRange.Clamp(TextToInt(lines[3]));
  // Written so that "nan" also takes the default.
  if (!(font.size > kMinFontSizeExclusive && font.size <= kMaxFontSize)) font.size = defaultSize;
  if (SjisWidth(font.face) <= 1) font.face = std::string(kDefaultFontFace);
}

void LoadFonts(FontSettings& fonts, const std::string& folder) {
  for (std::size_t i = 0; i < fonts.size(); ++i) {
    LoadFontFile(fonts[i], JoinPath(folder, std::string(kFontDefaults[i].fileName)), kFontDefaults[i].size);
  }
}

bool SaveFontFile(const FontSetting& font, const std::string& path) {
  const std::array<std::string, kFontFileLines> lines = {
      FormatOneDecimal(font.size),
      SettingLineText(font.face, kFontReadWidth),
      std::to_string(static_cast<std::int32_t>(font.colour)),
      std::to_string(font.underline),
  };
  return WriteSettingLines(path, lines);
}

bool SaveFonts(const FontSettings& fonts, const std::string& folder) {
  bool all = true;
  for (std::size_t i = 0; i < fonts.size(); ++i) {
    all = SaveFontFile(fonts[i], JoinPath(folder, std::string(kFontDefaults[i].fileName))) && all;
  }
  return all;
}

}  // namespace tesmor
