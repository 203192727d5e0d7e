#include "readers/FileKind.h"

#include <array>

#include "record/SjisText.h"

namespace tesmor {

namespace {
struct KindRule {
  std::string_view needle;
  int kind;
};

constexpr std::string_view kDtdMarker = "ボーリング情報 DTD";

// Versions directly after the DTD marker, in the order they are tested.
constexpr std::array<KindRule, 6> kXmlVersions = {{
    {"ボーリング情報 DTD_version=\"3.00\"", kind::kXml300},
    {"ボーリング情報 DTD_version=\"2.10\"", kind::kXml210},
    {"ボーリング情報 DTD_version=\"2.01\"", kind::kXml201},
    {"ボーリング情報 DTD_version=\"2.00\"", kind::kXml200},
    {"ボーリング情報 DTD_version=\"1.10\"", kind::kXml110},
    {"ボーリング情報 DTD_version='1.10'", kind::kXml110},
}};

constexpr std::array<KindRule, 6> kTokenKinds = {{
    {"$$_JTOKEN5", kind::kTokenSoil},
    {"$$_PGTOKEN5", kind::kTokenRock},
    {"$$_BTOKEN1", kind::kTokenSlide},
    {"TPJ", kind::kJacicSoil},
    {"GTJ", kind::kRockLog},
    {"$Z36", kind::kZ36},
}};

}  // namespace

bool IsXmlKind(int fileKind) {
  return fileKind == kind::kXml110 || (fileKind >= kind::kXmlOther && fileKind <= kind::kXml300);
}

int DetectFileKind(std::string_view line) {
  const int width = SjisWidth(line);
  if (width < 4 || width > 2000) return kind::kNone;
  if (width >= 200) line = SjisPrefix(line, 200);
  for (const KindRule& rule : kXmlVersions) {
    if (line.find(rule.needle) != std::string_view::npos) return rule.kind;
  }
  if (line.find(kDtdMarker) != std::string_view::npos) return kind::kXmlOther;
  for (const KindRule& rule : kTokenKinds) {
    if (line.find(rule.needle) != std::string_view::npos) return rule.kind;
  }
  return kind::kNone;
}

}  // namespace tesmor
