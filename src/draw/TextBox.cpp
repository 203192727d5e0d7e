#include "draw/TextBox.h"

#include <algorithm>

#include "record/SjisText.h"

namespace tesmor {

namespace {

constexpr std::size_t kNone = std::string_view::npos;

// Characters that never start a line (closing marks, small kana, prolonged sound).
constexpr std::u32string_view kNoLineStart =
    U"、。，．・：；？！ー）」』】〕］｝〉》’”ぁぃぅぇぉっゃゅょゎァィゥェォッャュョヮヵヶ々ゝゞヽヾ"
    U")]},.!?:;";
// Characters that never end a line (opening marks).
constexpr std::u32string_view kNoLineEnd = U"（「『【〔［｛〈《‘“";

bool Contains(std::u32string_view set, char32_t c) { return set.find(c) != std::u32string_view::npos; }

// Start of the character before pos (pos > 0).
std::size_t PreviousCharStart(std::string_view text, std::size_t pos) {
  std::size_t p = pos - 1;
  while (p > 0 && (static_cast<unsigned char>(text[p]) & 0xC0) == 0x80 && pos - p < 4) --p;
  return Utf8SequenceLength(text, p) == pos - p ? p : pos - 1;
}

// May a line break fall just before the character at pos?
bool MayBreakBefore(std::string_view text, std::size_t pos) {
  const std::size_t prev = PreviousCharStart(text, pos);
  if (SjisCharWidthAt(text, pos) < 2 && SjisCharWidthAt(text, prev) < 2) return false;
  return !Contains(kNoLineStart, Utf8CodePointAt(text, pos)) &&
         !Contains(kNoLineEnd, Utf8CodePointAt(text, prev));
}

std::string_view TrimTrailingBlanks(std::string_view s) {
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

// Splits one paragraph (no line ends) into lines no wider than maxWidth where a
// break is allowed; a word wider than the box stays whole, a closing mark hangs.
void WrapParagraph(const Surface& surface, std::string_view para, int maxWidth,
                   std::vector<std::string_view>& out) {
  std::size_t start = 0;
  while (true) {
    int width = 0;
    std::size_t breakEnd = kNone;   // the line may end here ...
    std::size_t breakNext = kNone;  // ... and the next line start here
    std::size_t i = start;
    bool broke = false;
    while (i < para.size()) {
      const std::size_t len = Utf8SequenceLength(para, i);
      if (para[i] == ' ') {
        breakEnd = i;
        breakNext = i;
        while (breakNext < para.size() && para[breakNext] == ' ') ++breakNext;
        width += surface.TextExtent(para.substr(i, breakNext - i)).cx;
        i = breakNext;
        continue;
      }
      if (i > start && MayBreakBefore(para, i)) {
        breakEnd = i;
        breakNext = i;
      }
      const int cw = surface.TextExtent(para.substr(i, len)).cx;
      // A mark that may not start a line hangs past the edge instead.
      const bool hangs = Contains(kNoLineStart, Utf8CodePointAt(para, i));
      if (!hangs && width + cw > maxWidth && i > start && breakEnd != kNone && breakEnd > start) {
        out.push_back(TrimTrailingBlanks(para.substr(start, breakEnd - start)));
        start = breakNext;
        broke = true;
        break;
      }
      width += cw;
      i += len;
    }
    if (!broke) {
      out.push_back(para.substr(start));
      return;
    }
    if (start >= para.size()) return;
  }
}

// The text split at CR LF, CR or LF.
std::vector<std::string_view> Paragraphs(std::string_view text) {
  std::vector<std::string_view> paras;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    paras.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) paras.push_back(text.substr(start));
  return paras;
}

std::string WithoutLineEnds(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (c != '\r' && c != '\n') s.push_back(c);
  }
  return s;
}

}  // namespace

TextBoxLayout LayoutTextBox(const Surface& surface, const PxRect& box, std::string_view text,
                            unsigned format) {
  TextBoxLayout layout;
  const TextMetrics tm = surface.Metrics();
  const int lineHeight = tm.height + ((format & DT_EXTERNALLEADING) ? tm.externalLeading : 0);
  const bool singleLine = (format & DT_SINGLELINE) != 0;

  if (text.empty()) {
    layout.bounds = PxRect{box.left, box.top, box.left, box.top + (singleLine ? lineHeight : 0)};
    layout.result = lineHeight;
    return layout;
  }

  std::vector<std::string> texts;
  if (singleLine) {
    texts.push_back(WithoutLineEnds(text));
  } else {
    std::vector<std::string_view> pieces;
    for (std::string_view para : Paragraphs(text)) {
      if (format & DT_WORDBREAK) {
        WrapParagraph(surface, para, box.right - box.left, pieces);
      } else {
        pieces.push_back(para);
      }
    }
    for (std::string_view piece : pieces) texts.emplace_back(piece);
  }

  const int textHeight = lineHeight * static_cast<int>(texts.size());
  int y = box.top;
  if (singleLine && (format & DT_VCENTER)) {
    y = box.top + (box.bottom - box.top - lineHeight) / 2;
  } else if (singleLine && (format & DT_BOTTOM)) {
    y = box.bottom - lineHeight;
  }
  const int firstY = y;
  int widest = 0;
  for (std::string& lineText : texts) {
    const int w = surface.TextExtent(lineText).cx;
    widest = std::max(widest, w);
    int x = box.left;
    if (format & DT_CENTER) {
      x = box.left + (box.right - box.left - w) / 2;
    } else if (format & DT_RIGHT) {
      x = box.right - w;
    }
    layout.lines.push_back(TextBoxLine{std::move(lineText), x, y, w});
    y += lineHeight;
  }
  layout.bounds = PxRect{box.left, box.top, box.left + widest, box.top + textHeight};
  layout.result = (singleLine && (format & (DT_VCENTER | DT_BOTTOM))) ? firstY + textHeight - box.top
                                                                      : textHeight;
  return layout;
}

}  // namespace tesmor
