#include "record/TextModeFile.h"

#include "record/TextCodec.h"
#include "record/TextFile.h"
#include "record/TextUtil.h"

namespace tesmor {

bool ReadTextModeFile(const std::string& path, std::string& text) {
  text.clear();
  std::string bytes;
  if (ReadFileBytes(path, bytes) != ReadStatus::Ok) return false;
  text = ReplaceAll(DecodeFileText(bytes), "\r\n", "\n");
  return true;
}

bool WriteCp932File(const std::string& path, std::string_view utf8Text) {
  return WriteFileAtomic(path, EncodeCp932(utf8Text));
}

std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

std::string_view DropLastCharacter(std::string_view text) {
  if (text.empty()) return text;
  std::size_t i = text.size() - 1;
  while (i > 0 && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) --i;
  return text.substr(0, i);
}

std::string_view DropLineFeed(std::string_view text) {
  if (!text.empty() && text.back() == '\n') text.remove_suffix(1);
  return text;
}

std::string CsvFieldText(std::string_view field) {
  std::string out;
  out.reserve(field.size() + 2);
  for (const char c : field) out.push_back(c == '\r' || c == '\n' ? ' ' : c);
  if (out.find(',') != std::string::npos) out = "\"" + out + "\"";
  return out;
}

}  // namespace tesmor
