#include "record/GeologyMasterFile.h"

#include <gtest/gtest.h>

#include "record/GeologyClassTable.h"
#include "record/TextCodec.h"
#include "support/TestSupport.h"

namespace tesmor {
namespace {

void ExpectSameTables(const GeologyClassTable& a, const GeologyClassTable& b) {
  EXPECT_EQ(a.first, b.first);
  EXPECT_EQ(a.last, b.last);
  EXPECT_EQ(a.name, b.name);
  EXPECT_EQ(a.symbol, b.symbol);
  EXPECT_EQ(a.pattern, b.pattern);
  EXPECT_EQ(a.subCode, b.subCode);
}

TEST(GeologyMasterFile, BuiltInMasterRoundTripsThroughTheFile) {
  const std::vector<GeologyMasterRow> rows = DefaultGeologyMasterRows();
  ASSERT_EQ(rows.size(), 116u);  // up to the "[終了]" row
  const std::string path = test::MakeTempFolder() + "/WdtvxTesmor.mst";
  ASSERT_TRUE(SaveGeologyMaster(rows, path));

  // CP932 with CR LF; entry rows end with a comma, section rows are their text alone.
  const std::string bytes = test::ReadAll(path);
  const std::string head = EncodeCp932("[第１分類]\r\n礫質土,GF,200.1,\r\n");
  EXPECT_EQ(bytes.substr(0, head.size()), head);
  EXPECT_NE(bytes.find(EncodeCp932("\r\n{第１分類 岩石材料その他}\r\n表土,Ss,10000.0,\r\n")), std::string::npos);
  EXPECT_NE(bytes.find(EncodeCp932("\r\n[第３分類]\r\n礫質,G,10.0,\r\n")), std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(DecodeCp932(EncodeCp932(DecodeFileText(bytes))), DecodeFileText(bytes));

  GeologyClassTable fromFile;
  LoadGeologyClassification(fromFile, path);
  ExpectSameTables(fromFile, BuiltInGeologyClassTable());

  std::vector<GeologyMasterRow> readBack;
  ASSERT_TRUE(ReadGeologyMasterRows(path, readBack));
  EXPECT_EQ(readBack, rows);
}

TEST(GeologyMasterFile, CodesAreWrittenAsPatternPointSubCode) {
  const std::vector<GeologyMasterRow> rows = {
      {"[第１分類]", "", ""}, {"粘性土", "C", "600.3"}, {"砂", "S", "300"},
      {"謎", "", "abc"},      {"a,b", "x", "5.2"},
  };
  const std::string path = test::MakeTempFolder() + "/m.mst";
  ASSERT_TRUE(SaveGeologyMaster(rows, path));
  EXPECT_EQ(test::ReadAll(path), EncodeCp932("[第１分類]\r\n粘性土,C,600.3,\r\n砂,S,300.0,\r\n謎,,0.0,\r\n\"a,b\",x,5.2,\r\n"));
  std::vector<GeologyMasterRow> readBack;
  ASSERT_TRUE(ReadGeologyMasterRows(path, readBack));
  ASSERT_EQ(readBack.size(), 5u);
  EXPECT_EQ(readBack[4].name, "a,b");  // a name with a comma comes back whole
  GeologyClassTable t;
  LoadGeologyClassification(t, path);
  EXPECT_EQ(t.subCode[1], 3);
  EXPECT_EQ(t.name[4], "a,b");
}

TEST(GeologyMasterFile, AnEndRowInAFileIsAnEntryOfTheThirdSection) {
  // The file loader knows no "[終" rule: "[終了]" holds no "[第", so it is an entry.
  std::vector<GeologyMasterRow> rows = DefaultGeologyMasterRows();
  rows.push_back({"[終了]", "", ""});
  const std::string path = test::MakeTempFolder() + "/m.mst";
  ASSERT_TRUE(SaveGeologyMaster(rows, path));
  GeologyClassTable t;
  LoadGeologyClassification(t, path);
  EXPECT_EQ(t.last[3], 114);
  EXPECT_EQ(t.name[114], "[終了]");
  EXPECT_EQ(t.pattern[114], 0);
}

TEST(GeologyMasterFile, ReadingRowsOfBadFiles) {
  std::vector<GeologyMasterRow> rows;
  EXPECT_FALSE(ReadGeologyMasterRows(test::MakeTempFolder() + "/none.mst", rows));
  const std::string path = test::MakeTempFolder() + "/m.mst";
  ASSERT_TRUE(test::WriteAll(path, "\n\nx\n[第１分類]\n\"砂,S\n" + std::string(200, 'z') + "\n"));
  ASSERT_TRUE(ReadGeologyMasterRows(path, rows));
  // "x\n" is 2 bytes: a row; the 200-byte line is three pieces.
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[0].name, "x");
  EXPECT_EQ(rows[1].name, "[第１分類]");
  EXPECT_EQ(rows[2].name, "砂,S");
  EXPECT_EQ(rows[3].name, std::string(80, 'z'));
  EXPECT_EQ(rows[5].name, std::string(40, 'z'));
}

TEST(GeologyMasterFile, SaveFailsWhenTheFileCannotBeWritten) {
  const std::string folder = test::MakeTempFolder();
  EXPECT_FALSE(SaveGeologyMaster(DefaultGeologyMasterRows(), folder + "/missing/m.mst"));
  EXPECT_FALSE(SaveGeologyMaster(DefaultGeologyMasterRows(), folder));  // a folder
}

}  // namespace
}  // namespace tesmor
