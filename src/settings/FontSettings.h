// The five fonts of the columnar section and their files Font1.ndx to Font5.ndx
// in the install folder.
//
// Each file has four lines: size in points ("%.1f"), face name, colour (the
// 0x00BBGGRR value as a decimal long integer) and underline flag ("%d").
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "draw/PatternCatalogue.h"

namespace tesmor {

struct FontSetting {
  double size = 0.0;  // points
  std::string face;
  ColourRef colour = 0;
  int underline = 0;  // kept and saved; the drawing does not underline

  bool operator==(const FontSetting&) const = default;
};

inline constexpr int kFontCount = 5;

// Indices into Settings::fonts; font index i lives in the file Font<i+1>.ndx.
inline constexpr int kHeadingFont = 0;  // "　見出し": heading block and footer
inline constexpr int kItemFont = 1;     // "　項目部": item names in the upper frame
inline constexpr int kBodyFont = 2;     // "　柱状図": column body except the notes
inline constexpr int kNoteFont = 3;     // "　記事": observation notes
inline constexpr int kPageFont = 4;     // "　ページ": page number

using FontSettings = std::array<FontSetting, kFontCount>;

struct FontDefault {
  std::string_view fileName;
  std::string_view buttonLabel;
  double size;
};

inline constexpr std::array<FontDefault, kFontCount> kFontDefaults = {{
    {"Font1.ndx", "　見出し", 10.0},
    {"Font2.ndx", "　項目部", 9.0},
    {"Font3.ndx", "　柱状図", 8.0},
    {"Font4.ndx", "　記事", 7.0},
    {"Font5.ndx", "　ページ", 9.0},
}};

inline constexpr std::string_view kDefaultFontFace = "ＭＳ 明朝";

// Sizes outside this range (also when a file has no size) fall back to the default.
inline constexpr double kMinFontSizeExclusive = 1.0;
inline constexpr double kMaxFontSize = 100.0;

// Font files are read in pieces of at most this many Shift_JIS bytes.
inline constexpr int kFontReadWidth = 79;

// Reads one font file into font. Colour and underline start at 0; a missing file or
// missing lines leave the size and face as they were; then a size outside (1, 100]
// becomes defaultSize and a face of at most 1 byte becomes "ＭＳ 明朝".
void LoadFontFile(FontSetting& font, const std::string& path, double defaultSize);

// Reads Font1.ndx to Font5.ndx of the folder.
void LoadFonts(FontSettings& fonts, const std::string& folder);

// Writes one font file atomically; false when it cannot be written (the old file is
// then unchanged).
bool SaveFontFile(const FontSetting& font, const std::string& path);

// Writes Font1.ndx to Font5.ndx of the folder, creating the folder when missing. A
// file that cannot be written is skipped (the program shows no message for it);
// false when any was skipped.
bool SaveFonts(const FontSettings& fonts, const std::string& folder);

}  // namespace tesmor
