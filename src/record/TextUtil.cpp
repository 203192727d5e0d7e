#include "record/TextUtil.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "record/SjisText.h"

namespace tesmor {

namespace {
bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view SkipBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  return text.substr(i);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

int StartsLikeNumber(std::string_view text) {
  const std::string_view rest = SkipBlanks(text);
  if (rest.empty()) return -1;
  constexpr std::string_view kNumberStart = "1234567890.+-";
  return kNumberStart.find(rest.front()) != std::string_view::npos ? 1 : 0;
}

int GetCsvField(std::string& dst, std::string_view line, int n) {
  dst.clear();
  if (line.empty()) return -1;
  int field = 1;
  bool quoted = false;
  for (const char c : line) {
    if (c == '\n') break;
    if (c == '"') {
      quoted = !quoted;
      continue;
    }
    if (c == ',' && !quoted) {
      if (field == n) return 1;
      ++field;
      continue;
    }
    if (field == n) dst.push_back(c);
  }
  if (field == n) return 1;
  dst.clear();
  return 0;
}

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replacement) {
  if (find.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (true) {
    const std::size_t hit = text.find(find, pos);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(pos, hit - pos));
    out.append(replacement);
    pos = hit + find.size();
  }
  out.append(text.substr(pos));
  return out;
}

int CharacterCount(std::string_view text) {
  int count = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    pos += Utf8SequenceLength(text, pos);
    ++count;
  }
  return count;
}

int FloorToMultiple(double value, int step) {
  if (step == 0) return 0;
  const double q = std::floor(value / step + 1e-7);
  if (!(q > INT_MIN && q < INT_MAX)) return 0;
  const long long r = static_cast<long long>(q) * step;
  if (r > INT_MAX || r < INT_MIN) return 0;
  return static_cast<int>(r);
}

int DecimalDigit(double value, int place) {
  if (!(value > 0.0 && value <= 99999.9)) return 0;
  if (place != 1 && place != 10 && place != 100 && place != 1000 && place != 10000) return 0;
  const int whole = static_cast<int>(value);
  return (whole / place) % 10 * place;
}

int Sign(double n) { return n > 0 ? 1 : (n < 0 ? -1 : 0); }

double TextToDouble(std::string_view text) {
  std::string_view rest = SkipBlanks(text);
  bool negative = false;
  if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
    negative = rest.front() == '-';
    rest.remove_prefix(1);
  }
  // from_chars does not take a sign after the one we removed, nor a leading blank.
  if (rest.empty() || !(IsDigit(rest.front()) || rest.front() == '.' || rest.front() == 'i' ||
                        rest.front() == 'I' || rest.front() == 'n' || rest.front() == 'N')) {
    return 0.0;
  }
  double value = 0.0;
  const auto result = std::from_chars(rest.data(), rest.data() + rest.size(), value);
  if (result.ec == std::errc::invalid_argument) return 0.0;
  if (result.ec == std::errc::result_out_of_range) {
    // Like strtod: overflow gives infinity, underflow zero. Tell them apart by the exponent.
    const std::string_view num(rest.data(), static_cast<std::size_t>(result.ptr - rest.data()));
    const std::size_t e = num.find_first_of("eE");
    const bool smallExponent = e != std::string_view::npos && e + 1 < num.size() && num[e + 1] == '-';
    value = smallExponent ? 0.0 : HUGE_VAL;
  }
  return negative ? -value : value;
}

long TextToLong(std::string_view text) {
  std::string_view rest = SkipBlanks(text);
  bool negative = false;
  if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
    negative = rest.front() == '-';
    rest.remove_prefix(1);
  }
  long value = 0;
  for (const char c : rest) {
    if (!IsDigit(c)) break;
    const int d = c - '0';
    if (value > (LONG_MAX - d) / 10) return negative ? LONG_MIN : LONG_MAX;
    value = value * 10 + d;
  }
  return negative ? -value : value;
}

int TextToInt(std::string_view text) {
  const long v = TextToLong(text);
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

std::string Format(const char* format, ...) {
  char buffer[256];
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int n = std::vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  std::string out;
  if (n < 0) {
    va_end(copy);
    return out;
  }
  if (static_cast<std::size_t>(n) < sizeof buffer) {
    out.assign(buffer, static_cast<std::size_t>(n));
  } else {
    out.resize(static_cast<std::size_t>(n) + 1);
    std::vsnprintf(out.data(), out.size(), format, copy);
    out.resize(static_cast<std::size_t>(n));
  }
  va_end(copy);
  return out;
}

std::string_view TrimBlanks(std::string_view text) {
  std::size_t b = 0;
  std::size_t e = text.size();
  while (b < e && IsBlank(text[b])) ++b;
  while (e > b && IsBlank(text[e - 1])) --e;
  return text.substr(b, e - b);
}

}  // namespace tesmor
