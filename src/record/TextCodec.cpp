#include "record/TextCodec.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

#include "record/SjisText.h"

namespace tesmor {

namespace {
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

// One iconv conversion descriptor for the duration of a call.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (ok()) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }
  void reset() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }

 private:
  iconv_t cd_;
};

bool IsSjisLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Converts as much as possible; returns the number of input bytes consumed. Stops at
// the first byte that does not convert.
std::size_t ConvertRun(Converter& conv, std::string_view in, std::string& out) {
  char* inPtr = const_cast<char*>(in.data());
  std::size_t inLeft = in.size();
  char buffer[4096];
  while (inLeft > 0) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t r = iconv(conv.get(), &inPtr, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (r == static_cast<std::size_t>(-1)) {
      if (errno == E2BIG) continue;
      break;  // EILSEQ or EINVAL: the caller handles the byte
    }
  }
  return in.size() - inLeft;
}
}  // namespace

namespace {

// The UTF-8 sequence that starts at bytes[i] (not ASCII): its length and whether it
// is well formed. An ill-formed one is its maximal subpart (the lead byte and the
// continuation bytes that still fit), at least one byte, which decodes as one U+FFFD.
struct Utf8Step {
  std::size_t length;
  bool wellFormed;
};

Utf8Step Utf8StepAt(std::string_view bytes, std::size_t i) {
  const auto c = static_cast<unsigned char>(bytes[i]);
  std::size_t need = 0;
  unsigned char lo = 0x80;
  unsigned char hi = 0xBF;
  if (c >= 0xC2 && c <= 0xDF) {
    need = 1;
  } else if (c == 0xE0) {
    need = 2;
    lo = 0xA0;
  } else if ((c >= 0xE1 && c <= 0xEC) || c == 0xEE || c == 0xEF) {
    need = 2;
  } else if (c == 0xED) {
    need = 2;
    hi = 0x9F;
  } else if (c == 0xF0) {
    need = 3;
    lo = 0x90;
  } else if (c >= 0xF1 && c <= 0xF3) {
    need = 3;
  } else if (c == 0xF4) {
    need = 3;
    hi = 0x8F;
  } else {
    return {1, false};
  }
  for (std::size_t k = 1; k <= need; ++k) {
    if (i + k >= bytes.size()) return {k, false};
    const auto ck = static_cast<unsigned char>(bytes[i + k]);
    if (k == 1 ? (ck < lo || ck > hi) : (ck < 0x80 || ck > 0xBF)) return {k, false};
  }
  return {need + 1, true};
}

// The end of the ASCII run from i, eight bytes at a time.
std::size_t SkipAscii(std::string_view bytes, std::size_t i) {
  const std::size_t n = bytes.size();
  while (i + 8 <= n) {
    std::uint64_t word;
    std::memcpy(&word, bytes.data() + i, sizeof word);
    if ((word & 0x8080808080808080ULL) != 0) break;
    i += 8;
  }
  while (i < n && static_cast<unsigned char>(bytes[i]) < 0x80) ++i;
  return i;
}

struct Utf8Census {
  std::size_t wellFormed = 0;  // multi-byte sequences
  std::size_t damaged = 0;     // ill-formed subparts
};

Utf8Census CountUtf8(std::string_view bytes) {
  Utf8Census census;
  std::size_t i = SkipAscii(bytes, 0);
  while (i < bytes.size()) {
    const Utf8Step step = Utf8StepAt(bytes, i);
    ++(step.wellFormed ? census.wellFormed : census.damaged);
    i = SkipAscii(bytes, i + step.length);
  }
  return census;
}

// UTF-8 on the whole: well formed, or with at most one damaged place per this many
// good multi-byte characters. Shift_JIS text read as UTF-8 has about one good
// sequence per six or more damaged places, so the two cannot be mistaken.
constexpr std::size_t kGoodPerDamaged = 8;

bool IsUtf8OnTheWhole(const Utf8Census& census) {
  return census.damaged == 0 || census.wellFormed >= kGoodPerDamaged * census.damaged;
}

// UTF-8 with each ill-formed subpart replaced by U+FFFD.
std::string RepairUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + 16);
  std::size_t i = 0;
  while (i < bytes.size()) {
    const std::size_t run = SkipAscii(bytes, i);
    out.append(bytes.substr(i, run - i));
    i = run;
    if (i >= bytes.size()) break;
    const Utf8Step step = Utf8StepAt(bytes, i);
    if (step.wellFormed) out.append(bytes.substr(i, step.length));
    else out.append(kReplacementUtf8);
    i += step.length;
  }
  return out;
}

}  // namespace

bool IsWellFormedUtf8(std::string_view bytes) {
  std::size_t i = SkipAscii(bytes, 0);
  while (i < bytes.size()) {
    const Utf8Step step = Utf8StepAt(bytes, i);
    if (!step.wellFormed) return false;
    i = SkipAscii(bytes, i + step.length);
  }
  return true;
}

bool IsMostlyUtf8(std::string_view bytes) { return IsUtf8OnTheWhole(CountUtf8(bytes)); }

TextEncoding DetectEncoding(std::string_view bytes) {
  if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) return TextEncoding::Utf8;
  return IsMostlyUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Cp932;
}

std::string DecodeCp932(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 2);
  Converter conv("UTF-8", "CP932");
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    // ASCII runs need no conversion.
    const auto c = static_cast<unsigned char>(bytes[pos]);
    if (c < 0x80) {
      std::size_t end = pos;
      while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) < 0x80) ++end;
      out.append(bytes.substr(pos, end - pos));
      pos = end;
      continue;
    }
    std::size_t end = pos;
    while (end < bytes.size() && static_cast<unsigned char>(bytes[end]) >= 0x80) {
      // keep a lead byte with its trail byte, whatever the trail byte is
      end += IsSjisLeadByte(static_cast<unsigned char>(bytes[end])) && end + 1 < bytes.size() ? 2 : 1;
    }
    if (end > bytes.size()) end = bytes.size();
    std::string_view run = bytes.substr(pos, end - pos);
    if (!conv.ok()) {
      for (std::size_t i = 0; i < run.size(); ++i) out.append(kReplacementUtf8);
      pos = end;
      continue;
    }
    while (!run.empty()) {
      const std::size_t used = ConvertRun(conv, run, out);
      run.remove_prefix(used);
      if (run.empty()) break;
      conv.reset();
      // One undecodable character: a lead byte with its trail, or a lone byte.
      const auto b = static_cast<unsigned char>(run.front());
      const std::size_t skip = IsSjisLeadByte(b) && run.size() >= 2 &&
                                       static_cast<unsigned char>(run[1]) >= 0x40
                                   ? 2
                                   : 1;
      out.append(kReplacementUtf8);
      run.remove_prefix(skip);
    }
    pos = end;
  }
  return out;
}

std::string DecodeFileText(std::string_view bytes, TextEncoding* detected) {
  const bool bom = bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom;
  if (bom) bytes.remove_prefix(kUtf8Bom.size());
  const Utf8Census census = CountUtf8(bytes);
  const TextEncoding enc = bom || IsUtf8OnTheWhole(census) ? TextEncoding::Utf8 : TextEncoding::Cp932;
  if (detected != nullptr) *detected = enc;
  if (enc == TextEncoding::Cp932) return DecodeCp932(bytes);
  if (census.damaged == 0) return std::string(bytes);
  return RepairUtf8(bytes);
}

std::string EncodeCp932(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  Converter conv("CP932", "UTF-8");
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const auto c = static_cast<unsigned char>(utf8[pos]);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      ++pos;
      continue;
    }
    const std::size_t len = Utf8SequenceLength(utf8, pos);
    const std::string_view seq = utf8.substr(pos, len);
    pos += len;
    if (!conv.ok() || !IsWellFormedUtf8(seq)) {
      out.push_back('?');
      continue;
    }
    const std::size_t before = out.size();
    const std::size_t used = ConvertRun(conv, seq, out);
    if (used != seq.size()) {
      out.resize(before);
      conv.reset();
      out.push_back('?');
    }
  }
  return out;
}

std::string EncodeText(std::string_view utf8, TextEncoding encoding) {
  return encoding == TextEncoding::Utf8 ? std::string(utf8) : EncodeCp932(utf8);
}

}  // namespace tesmor
