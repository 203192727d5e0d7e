#include "settings/Settings.h"

#include <array>
#include <cmath>
#include <vector>

#include "record/TextUtil.h"
#include "settings/SettingRanges.h"
#include "settings/SettingsLineFile.h"
#include "settings/SettingsLines.h"

namespace tesmor {

namespace {

void ApplyMarginRule(int& margin) {
  if (margin < 1 || margin > 100) margin = kDefaultMarginMm;
}

void ReadSettingLine(Settings& settings, const SettingLine& entry, const std::string& text) {
  switch (entry.type) {
    case SettingType::Int: {
      const int value = StartsLikeNumber(text) > 0 ? TextToInt(text) : 0;
      const SettingRange* range = FindSettingRange(entry.intValue);
      settings.*entry.intValue = range != nullptr ? range->intRange.Clamp(value) : value;
      break;
    }
    case SettingType::Real: {
      // "1e999" or "nan" would carry an infinite or undefined factor into every
      // later computation; such a number reads as 0 like any other that does not
      // convert.
      double value = TextToDouble(text);
      if (!std::isfinite(value)) value = 0.0;
      const SettingRange* range = FindSettingRange(entry.realValue);
      settings.*entry.realValue = range != nullptr ? range->realRange.Clamp(value) : value;
      break;
    }
    case SettingType::Text: settings.*entry.textValue = text; break;
  }
}

std::string SettingLineFor(const Settings& settings, int line) {
  if (line == 0) return std::string(kSettingsFormatTag);
  const SettingLine* entry = FindSettingLine(line);
  if (entry == nullptr) return {};
  switch (entry->type) {
    case SettingType::Int: return std::to_string(settings.*entry->intValue);
    case SettingType::Real: return FormatGeneral(settings.*entry->realValue);
    case SettingType::Text: return SettingLineText(settings.*entry->textValue, kSettingsReadWidth);
  }
  return {};
}

}  // namespace

void ApplyDefaultSettings(Settings& settings) {
  for (const SettingLine& entry : kSettingLines) {
    switch (entry.type) {
      case SettingType::Int: settings.*entry.intValue = entry.intDefault; break;
      case SettingType::Real: settings.*entry.realValue = entry.realDefault; break;
      case SettingType::Text: settings.*entry.textValue = std::string(entry.textDefault); break;
    }
  }
}

bool ReadSettingsFile(Settings& settings, const std::string& path) {
  std::vector<std::string> lines;
  const bool opened = ReadSettingLines(path, kSettingsReadWidth, kLastSettingLine + 1, lines);
  if (!opened) {
    ApplyDefaultSettings(settings);
  } else {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      if (const SettingLine* entry = FindSettingLine(static_cast<int>(i)); entry != nullptr) {
        ReadSettingLine(settings, *entry, lines[i]);
      }
    }
  }
  ApplyMarginRule(settings.leftMarginMm);
  ApplyMarginRule(settings.topMarginMm);
  return opened;
}

bool SaveSettings(const Settings& settings, const std::string& path) {
  std::array<std::string, kSettingsFileLines> lines;
  for (int i = 0; i < kSettingsFileLines; ++i) lines[static_cast<std::size_t>(i)] = SettingLineFor(settings, i);
  return WriteSettingLines(path, lines);
}

}  // namespace tesmor
