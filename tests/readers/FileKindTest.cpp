#include "readers/FileKind.h"

#include <gtest/gtest.h>

#include <string>

namespace tesmor {
namespace {

TEST(FileKind, DetectionTableInItsOrder) {
  struct Case {
    std::string line;
    int kind;
  };
  const Case cases[] = {
      {"<ボーリング情報 DTD_version=\"3.00\">", 203},
      {"<ボーリング情報 DTD_version=\"2.10\">\r\n", 202},
      {"<ボーリング情報 DTD_version=\"2.01\">", 201},
      {"<ボーリング情報 DTD_version=\"2.00\">", 200},
      {"<ボーリング情報 DTD_version=\"1.10\">", 110},
      {"<ボーリング情報 DTD_version='1.10'>", 110},
      {"<ボーリング情報 DTD_version=\"2.50\">", 199},
      {"<ボーリング情報 DTD_version=\"4.00\">", 199},
      {"<ボーリング情報  DTD_version=\"3.00\">", 0},  // two blanks: not the marker
      {"$$_JTOKEN5,x", 500},
      {"$$_PGTOKEN500", 480},
      {"$$_BTOKEN1", 490},
      {"GTJ and TPJ", 2},
      {"xxGTJ", 3},
      {"$Z36 header", 400},
      {"TPJ", 0},  // shorter than 4
      {"<?xml version=\"1.0\"?>", 0},
      {"", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(DetectFileKind(c.line), c.kind) << c.line;
}

TEST(FileKind, LongLinesAreSearchedInTheirFirst200Bytes) {
  const std::string marker = "<ボーリング情報 DTD_version=\"3.00\">";
  EXPECT_EQ(DetectFileKind(marker + std::string(1500, 'x')), 203);
  EXPECT_EQ(DetectFileKind(std::string(180, ' ') + marker), 199);  // version cut off
  EXPECT_EQ(DetectFileKind(std::string(200, ' ') + marker), 0);
  EXPECT_EQ(DetectFileKind(marker + std::string(2001, 'x')), 0);   // wider than 2000
  // Width counts Shift_JIS bytes: 100 double-byte characters are 200 bytes.
  std::string wide;
  for (int i = 0; i < 95; ++i) wide += "砂";
  EXPECT_EQ(DetectFileKind(wide + "GTJ"), 3);
  EXPECT_EQ(DetectFileKind(wide + "砂砂砂砂GTJ"), 0);
}

}  // namespace
}  // namespace tesmor
