#include "record/GeologyComposer.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

#include "record/SjisText.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

constexpr std::string_view kRi = "り";
constexpr std::string_view kAlternation = "互層";

// Fixed order: "高有機質土" is tried before "有機質土", which it contains.
constexpr std::array<std::string_view, 8> kSoilClasses = {
    "火山灰質粘性土", "高有機質土", "有機質土", "礫質土", "砂質土", "硬質粘土", "炭質頁岩", "砂質頁岩",
};

// Entry numbers of a section, first to last inclusive, kept inside the arrays. An
// empty section (0, 0) is entry 0, whose empty name matches nothing.
struct Section {
  int first;
  int last;
};

Section SectionOf(const GeologyClassTable& table, int section) {
  const auto s = static_cast<std::size_t>(section);
  return {std::clamp(table.first[s], 0, GeologyClassTable::kMaxEntries),
          std::clamp(table.last[s], 0, GeologyClassTable::kMaxEntries)};
}

std::size_t At(int entry) { return static_cast<std::size_t>(entry); }

// Whether an entry's name occurs in text; an empty name matches nothing.
bool Contains(std::string_view text, std::string_view name) {
  return !name.empty() && text.find(name) != std::string_view::npos;
}

int ClampToInt(long long value) {
  return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// The alternation rule (互層): name holds "互層".
int ComposeAlternation(const GeologyClassTable& table, int& subCode, std::string& symbol, std::string_view name,
                       bool codeGiven) {
  const std::string_view pair = name.substr(0, name.find(kAlternation));
  std::string_view first;
  std::string_view second;
  bool split = false;
  for (const std::string_view separator : {std::string_view("・"), std::string_view("･")}) {
    const std::size_t at = pair.find(separator);
    if (at == std::string_view::npos) continue;
    first = pair.substr(0, at);
    second = pair.substr(at + separator.size());
    split = true;
    break;
  }
  if (!split) return 90000;

  int c1 = 0;
  int c2 = 0;
  std::string s1;
  std::string s2;
  std::string before;
  const int found1 = FindLongestMainName(table, c1, s1, before, first);
  const long long p1 = static_cast<long long>(100.0 * std::floor(found1 / 100.0 + 0.0000001));
  const long long p2 = FindLongestMainName(table, c2, s2, before, second);

  long long pattern = 0;
  if (p1 > 9900) {
    pattern = p1;
  } else if (p2 > 9900) {
    pattern = 90000 + p1;
  } else {
    pattern = 90000 + p1 + p2 / 100;
  }

  long long combined = 0;
  if (c1 == 0 || c2 == 0) {
    combined = static_cast<long long>(c1) + c2;
  } else {
    combined = c1 != c2 ? 3 : c1;
  }
  if (!codeGiven) {
    subCode = ClampToInt(combined);
    symbol = s1 + "/" + s2;
  }
  return ClampToInt(pattern);
}

}  // namespace

int ComposeGeologyCode(const GeologyClassTable& table, int& subCode, std::string& symbol,
                       std::string_view geologyName, std::string_view explicitCode) {
  // 1. 砂混じり and 砂混り are alike.
  const std::string name = ReplaceAll(geologyName, "じり", "り");

  // 2. Reset the outputs.
  const std::string incomingSymbol = symbol;
  symbol.clear();
  bool codeGiven = false;

  // 3. A code given by the data file: its sub-code and the file's symbol stand.
  if (StartsLikeNumber(explicitCode) > 0) {
    codeGiven = true;
    const std::size_t dot = explicitCode.find('.');
    if (dot != std::string_view::npos) {
      subCode = TextToInt(explicitCode.substr(dot + 1));
      symbol = incomingSymbol;
    }
  }

  // 4. Exact match in section 1.
  const Section main = SectionOf(table, 1);
  for (int i = main.first; i <= main.last; ++i) {
    const std::string& entryName = table.name[At(i)];
    if (entryName.empty() || entryName != name) continue;
    if (!codeGiven) {
      subCode = table.subCode[At(i)];
      symbol = table.symbol[At(i)];
    }
    if (table.pattern[At(i)] >= 0) return table.pattern[At(i)];
    break;  // a negative pattern: go on composing
  }

  // 5. Alternations.
  if (name.find(kAlternation) != std::string::npos) {
    return ComposeAlternation(table, subCode, symbol, name, codeGiven);
  }

  // 6. Admixture (…混り).
  std::string admixSymbol;
  long long admixPattern = 0;
  std::string_view rest = name;
  const std::size_t ri = name.find(kRi);
  if (ri != std::string::npos) {
    const std::string_view head = ri > 0 ? std::string_view(name).substr(0, ri) : std::string_view(name);
    rest = std::string_view(name).substr(ri + kRi.size());
    admixSymbol = "-";
    const std::string probe = std::string(head) + std::string(kRi);
    const Section admix = SectionOf(table, 2);
    for (int i = admix.first; i <= admix.last; ++i) {
      if (!Contains(probe, table.name[At(i)])) continue;
      admixPattern = table.pattern[At(i)];
      admixSymbol = table.symbol[At(i)];
      break;
    }
  }

  // 7. Class split: qualifiers are looked for only before a soil-class name.
  int mainSubCode = 0;
  std::string mainSymbol;
  std::string classPrefix;
  SplitSoilClass(table, mainSubCode, mainSymbol, classPrefix, rest);

  // 8. Qualifier (…質).
  std::string qualSymbol;
  long long qualPattern = 0;
  std::string_view mainText = rest;
  const Section qualifier = SectionOf(table, 3);
  for (int i = qualifier.first; i <= qualifier.last; ++i) {
    if (!Contains(classPrefix, table.name[At(i)])) continue;
    qualPattern = table.pattern[At(i)];
    qualSymbol = table.symbol[At(i)];
    const std::size_t quality = rest.find("質");
    if (quality != std::string_view::npos) mainText = rest.substr(quality + std::string_view("質").size());
    break;
  }

  // 9. Main name.
  std::string before;
  const int mainPattern = FindLongestMainName(table, mainSubCode, mainSymbol, before, mainText);

  // 10. The sum, and the symbol main + qualifier + admixture.
  const long long result = admixPattern + qualPattern + (mainPattern > 0 ? mainPattern : 0);
  if (!codeGiven) {
    symbol = mainSymbol + qualSymbol + admixSymbol;
    if (mainPattern > 0) subCode = mainSubCode;
  }
  return ClampToInt(result);
}

int SplitSoilClass(const GeologyClassTable& table, int& subCode, std::string& symbol, std::string& prefix,
                   std::string_view text) {
  symbol.clear();
  prefix.clear();
  const Section main = SectionOf(table, 1);
  for (const std::string_view soilClass : kSoilClasses) {
    int entry = -1;  // the last section-1 entry of that exact name
    for (int i = main.first; i <= main.last; ++i) {
      if (table.name[At(i)] == soilClass) entry = i;
    }
    if (entry < 0) continue;
    const std::size_t at = text.find(soilClass);
    if (at == std::string_view::npos) continue;
    prefix.assign(text.substr(0, at));
    symbol = table.symbol[At(entry)];
    subCode = table.subCode[At(entry)];
    return table.pattern[At(entry)];
  }
  prefix.assign(text);
  subCode = 0;
  return 0;
}

int FindLongestMainName(const GeologyClassTable& table, int& subCode, std::string& symbol, std::string& before,
                        std::string_view text) {
  int best = -1;
  int longest = 0;
  std::size_t bestAt = 0;
  const Section main = SectionOf(table, 1);
  for (int i = main.first; i <= main.last; ++i) {
    const std::string& entryName = table.name[At(i)];
    if (entryName.empty()) continue;
    const std::size_t at = text.find(entryName);
    if (at == std::string_view::npos) continue;
    const int width = SjisWidth(entryName);
    if (width < longest) continue;  // on equal length the later entry wins
    longest = width;
    best = i;
    bestAt = at;
  }
  if (best < 0) {
    before.assign(text);
    return 0;
  }
  subCode = table.subCode[At(best)];
  symbol = table.symbol[At(best)];
  const int result = table.pattern[At(best)];
  before.assign(result == 0 ? text : text.substr(0, bestAt));
  return result;
}

}  // namespace tesmor
