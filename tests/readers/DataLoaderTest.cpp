#include "readers/DataLoader.h"

#include <gtest/gtest.h>

#include <string>

#include "readers/BoringDump.h"
#include "readers/ReaderDispatch.h"
#include "record/Messages.h"
#include "support/TestSupport.h"

namespace tesmor {
namespace {

const std::string kXml300 =
    "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n"
    "<!DOCTYPE ボーリング情報 SYSTEM \"BED0300.DTD\">\r\n"
    "<ボーリング情報 DTD_version=\"3.00\">\r\n";

TEST(DataLoader, DetectionStopsAtTheKindLineOrAfterSixLines) {
  std::string sixth;
  for (int i = 0; i < 5; ++i) sixth += "<!-- comment -->\r\n";
  EXPECT_EQ(DetectKindOfText(sixth + "GTJ,1\r\n", OpenPath::FileMenu).kind, 3);
  EXPECT_EQ(DetectKindOfText(sixth + "<!-- -->\r\nGTJ,1\r\n", OpenPath::FileMenu).kind, 0);
  const KindDetection d = DetectKindOfText(kXml300 + "<a/>\r\n", OpenPath::FileMenu);
  EXPECT_EQ(d.kind, 203);
  EXPECT_EQ(d.linesExamined, 3);
  EXPECT_EQ(d.longLines, 0);
}

TEST(DataLoader, OneLineDocumentIsRecognisedOnlyThroughTheFileMenu) {
  std::string oneLine = "<ボーリング情報 DTD_version=\"3.00\">";
  while (oneLine.size() < 12000) oneLine += "<標準貫入試験><標準貫入試験_開始深度>1.15</標準貫入試験_開始深度></標準貫入試験>";
  const KindDetection menu = DetectKindOfText(oneLine, OpenPath::FileMenu);
  EXPECT_EQ(menu.kind, 203);
  EXPECT_EQ(menu.longLines, 1);
  EXPECT_EQ(DetectKindOfText(oneLine, OpenPath::Framework).kind, 0);
  // A DTD line between 501 and 2000 bytes is read after the long-line notice.
  const std::string midLine = "<ボーリング情報 DTD_version=\"3.00\">" + std::string(600, ' ') + "\r\n";
  const KindDetection mid = DetectKindOfText(midLine, OpenPath::Framework);
  EXPECT_EQ(mid.kind, 203);
  EXPECT_EQ(mid.longLines, 1);
}

TEST(DataLoader, FailedLoadsLeaveTheBoringOnScreen) {
  BoringRecord record;
  ShellState shell;
  record.setHeading(1, "previous");
  record.LayerTable.set(1, 1, "2.00");
  shell.FileKind = 203;

  struct Case {
    std::string text;
    LoadStatus status;
  };
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 37) & 0xFF));
  const Case cases[] = {
      {"", LoadStatus::NotReadable},
      {binary, LoadStatus::NotReadable},
      {"\x81\x82\xff\xfe\r\n", LoadStatus::NotReadable},
      {"$Z36 data\r\n", LoadStatus::NotReadable},
      {"TPJ,header\r\n", LoadStatus::NotYetReadable},
      {std::string(10 * 1024 * 1024, 'x'), LoadStatus::NotReadable},
  };
  for (const Case& c : cases) {
    const LoadResult r = LoadBoringText(c.text, OpenPath::FileMenu, record, shell);
    EXPECT_EQ(r.status, c.status);
    EXPECT_NE(r.errorMessageId(), 0);
    EXPECT_EQ(record.heading(1), "previous");
    EXPECT_EQ(record.LayerTable.get(1, 1), "2.00");
    EXPECT_EQ(shell.FileKind, 203);
  }
}

TEST(DataLoader, MissingFilesAndFoldersAreReportedWithTheirPath) {
  BoringRecord record;
  ShellState shell;
  const std::string folder = test::MakeTempFolder();
  for (const std::string& path : {folder + "/none.xml", folder}) {
    const LoadResult r = LoadBoringFile(path, OpenPath::FileMenu, record, shell);
    EXPECT_EQ(r.status, LoadStatus::FileNotFound);
    EXPECT_EQ(r.errorMessage(path), "ファイルが見つかりません\n（" + path + "）");
  }
}

TEST(ReaderDispatch, ObservationTopDepthsComeFromTheRowAbove) {
  BoringRecord record;
  TextTable& obs = record.ObservationTable;
  obs.set(1, 2, "1.20");
  obs.set(2, 1, "1.20");
  obs.set(2, 2, "3.00");
  obs.set(3, 2, "4.50");
  obs.set(4, 1, "x");
  obs.set(4, 2, "6.00");
  FillObservationTopDepths(record);
  EXPECT_EQ(obs.get(1, 1), "0.0");
  EXPECT_EQ(obs.get(2, 1), "1.20");
  EXPECT_EQ(obs.get(3, 1), "3.00");
  EXPECT_EQ(obs.get(4, 1), "4.50");
}

TEST(BoringDump, IsValidJsonWithEveryTable) {
  BoringRecord record;
  ShellState shell{203, 200, 0};
  record.setHeading(5, "B-1 \"quoted\"\\\t");
  record.LayerTable.set(1, 1, "1.50");
  record.LayerTable.set(1, 2, "表土");
  record.Density.depth[1] = 1.5;
  record.Density.density[1] = 2;
  record.Density.consistency[1] = -9;
  const std::string json = DumpBoringJson(record, shell, {4019});
  EXPECT_NE(json.find("\"kind\": 203"), std::string::npos);
  EXPECT_NE(json.find("\"notices\": [4019]"), std::string::npos);
  EXPECT_NE(json.find("\"5\": \"B-1 \\\"quoted\\\"\\\\\\t\""), std::string::npos);
  EXPECT_NE(json.find("[\"\", \"1.50\", \"表土\", \"\""), std::string::npos);
  EXPECT_NE(json.find("\"LugeonTable\": []"), std::string::npos);
  EXPECT_NE(json.find("{\"depth\": 1.5, \"density\": 2, \"consistency\": -9}"), std::string::npos);
  EXPECT_EQ(JsonNumber(1.0 / 0.0), "null");
}

}  // namespace
}  // namespace tesmor
