#include "record/GeologyClassTable.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "record/DefaultGeologyMaster.h"
#include "record/GeologyComposer.h"
#include "record/TextCodec.h"
#include "support/TestSupport.h"

namespace tesmor {
namespace {

// Loads a master file holding the given bytes.
GeologyClassTable LoadFromBytes(std::string_view bytes) {
  const std::string path = test::MakeTempFolder() + "/WdtvxTesmor.mst";
  EXPECT_TRUE(test::WriteAll(path, bytes));
  GeologyClassTable table;
  LoadGeologyClassification(table, path);
  return table;
}

TEST(GeologyClassTable, BuiltInMasterHasTheSpecsRowsInOrder) {
  const auto rows = DefaultGeologyMaster();
  ASSERT_EQ(rows.size(), 117u);
  EXPECT_EQ(rows[1].name, "礫質土");
  EXPECT_EQ(rows[86].name, "{第１分類 岩石材料その他}");
  EXPECT_EQ(rows[115].name, "火山灰質");
  EXPECT_EQ(rows[115].code, "50.0");
  EXPECT_EQ(rows.back().name, "[終了]");
}

TEST(GeologyClassTable, BuiltInTableHasThreeSections) {
  const GeologyClassTable& t = BuiltInGeologyClassTable();
  // Section 1 runs through the rock-material rows: "{第１分類 岩石材料その他}" holds no
  // "[第" and is itself an entry (pattern 0).
  EXPECT_EQ(t.first[1], 1);
  EXPECT_EQ(t.last[1], 97);
  EXPECT_EQ(t.first[2], 98);
  EXPECT_EQ(t.last[2], 107);
  EXPECT_EQ(t.first[3], 108);
  EXPECT_EQ(t.last[3], 113);
  EXPECT_EQ(t.name[1], "礫質土");
  EXPECT_EQ(t.symbol[1], "GF");
  EXPECT_EQ(t.pattern[1], 200);
  EXPECT_EQ(t.subCode[1], 1);
  EXPECT_EQ(t.name[86], "{第１分類 岩石材料その他}");
  EXPECT_EQ(t.pattern[86], 0);
  EXPECT_EQ(t.symbol[86], "");
  EXPECT_EQ(t.name[97], "風化岩");
  EXPECT_EQ(t.pattern[97], 10093);
  EXPECT_EQ(t.name[107], "貝殻混り");
  EXPECT_EQ(t.symbol[107], "-Sh");
  EXPECT_EQ(t.pattern[107], 8);
  EXPECT_EQ(t.name[113], "火山灰質");
  EXPECT_EQ(t.pattern[113], 50);
  EXPECT_EQ(t.name[114], "");

  GeologyClassTable loaded;
  LoadBuiltInGeologyClassification(loaded);
  EXPECT_EQ(loaded.name, t.name);
  EXPECT_EQ(loaded.pattern, t.pattern);
}

TEST(GeologyClassTable, CodeConversions) {
  struct Case {
    const char* code;
    int pattern;
    int subCode;
  };
  const Case cases[] = {
      {"8600.2", 8600, 2}, {"100.1", 100, 1},   {"300", 300, 0},          {"4400.0", 4400, 0},
      {"100.9", 100, 9},   {"", 0, 0},          {"abc", 0, 0},            {"-5.5", -5, 5},
      {" 12.3x", 12, 3},   {"1e3", 1, 0},       {"99999999999", INT_MAX, 0}, {"nan", 0, 0},
      {"1e999", 1, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PatternOfCode(c.code), c.pattern) << c.code;
    EXPECT_EQ(SubCodeOfCode(c.code), c.subCode) << c.code;
  }
}

TEST(GeologyClassTable, MissingFileGivesTheBuiltInTable) {
  GeologyClassTable t;
  LoadGeologyClassification(t, test::MakeTempFolder() + "/none.mst");
  EXPECT_EQ(t.name, BuiltInGeologyClassTable().name);
  EXPECT_EQ(t.last, BuiltInGeologyClassTable().last);
  LoadGeologyClassification(t, "");
  EXPECT_EQ(t.last, BuiltInGeologyClassTable().last);
  LoadGeologyClassification(t, test::MakeTempFolder());  // a folder does not open as a file
  EXPECT_EQ(t.last, BuiltInGeologyClassTable().last);
}

TEST(GeologyClassTable, ReadsSectionsFromACp932FileWithCrLf) {
  const std::string text =
      "地質名マスタ\r\n"           // before the first section: ignored
      "[第１分類]\r\n"
      "砂,S,300.1,\r\n"
      "粘土,CL,1300.2,\r\n"
      "X\r\n"                      // shorter than 3 bytes: skipped
      "ab\r\n"                     // an entry named "ab"
      "{第１分類 岩石材料その他}\r\n"  // no "[第": an entry of section 1
      "[第２分類]\r\n"
      "礫混り,-G,2.0,\r\n"
      "[第３分類]\r\n"
      "シルト質,M,20.0,\r\n"
      "[第４分類]\r\n"
      "ignored,I,9.0,\r\n"
      "[第５分類]\r\n"
      "ignored,I,9.0,";
  const GeologyClassTable t = LoadFromBytes(EncodeCp932(text));
  EXPECT_EQ(t.first[1], 1);
  EXPECT_EQ(t.last[1], 4);
  EXPECT_EQ(t.first[2], 5);
  EXPECT_EQ(t.last[2], 5);
  EXPECT_EQ(t.first[3], 6);
  EXPECT_EQ(t.last[3], 6);
  EXPECT_EQ(t.name[1], "砂");
  EXPECT_EQ(t.symbol[2], "CL");
  EXPECT_EQ(t.pattern[2], 1300);
  EXPECT_EQ(t.subCode[2], 2);
  EXPECT_EQ(t.name[3], "ab");
  EXPECT_EQ(t.name[4], "{第１分類 岩石材料その他}");
  EXPECT_EQ(t.name[7], "");

  std::string symbol;
  int subCode = 0;
  EXPECT_EQ(ComposeGeologyCode(t, subCode, symbol, "礫混りシルト質砂", ""), 322);
  EXPECT_EQ(symbol, "SM-G");
}

TEST(GeologyClassTable, KeepsEntriesOneToTwoHundredOnly) {
  // 150 entries in section 1, 100 in section 2 (151 .. 250), 50 in section 3 (251 .. 300).
  std::string text = "[第１分類]\n";
  for (int i = 1; i <= 300; ++i) {
    if (i == 151) text += "[第２分類]\n";
    if (i == 251) text += "[第３分類]\n";
    text += "名" + std::to_string(i) + ",s," + std::to_string(i * 100) + ".1,\n";
  }
  const GeologyClassTable t = LoadFromBytes(text);
  EXPECT_EQ(t.first[1], 1);
  EXPECT_EQ(t.last[1], 150);
  EXPECT_EQ(t.first[2], 151);
  EXPECT_EQ(t.last[2], 200);
  EXPECT_EQ(t.first[3], 0);
  EXPECT_EQ(t.last[3], 0);
  EXPECT_EQ(t.name[200], "名200");
  EXPECT_EQ(t.pattern[200], 20000);
  EXPECT_EQ(t.subCode[200], 1);
}

TEST(GeologyClassTable, LongLinesAreReadInPiecesOfEightyBytes) {
  // 5000 bytes: 62 pieces of 80 and one of 40 plus the line end; each piece loses its
  // last byte and is an entry.
  const std::string text = "[第１分類]\n" + std::string(5000, 'A') + "\n砂,S,300.1,\n";
  const GeologyClassTable t = LoadFromBytes(text);
  EXPECT_EQ(t.last[1], 64);
  EXPECT_EQ(t.name[1], std::string(79, 'A'));
  EXPECT_EQ(t.name[63], std::string(40, 'A'));
  EXPECT_EQ(t.name[64], "砂");
  EXPECT_EQ(t.pattern[64], 300);
  // Double-byte characters are never split: 40 of them fill a piece.
  std::string wide;
  for (int i = 0; i < 100; ++i) wide += "砂";
  const GeologyClassTable w = LoadFromBytes("[第１分類]\n" + wide + "\n");
  EXPECT_EQ(w.last[1], 3);
  EXPECT_EQ(w.name[1].size(), 39u * 3u);
}

TEST(GeologyClassTable, BadFilesLoadByTheRulesAndNeverCrash) {
  // Empty: no sections, nothing matches.
  GeologyClassTable t = LoadFromBytes("");
  EXPECT_EQ(t.first[1], 0);
  EXPECT_EQ(t.last[1], 0);
  std::string symbol;
  int subCode = 5;
  EXPECT_EQ(ComposeGeologyCode(t, subCode, symbol, "砂", ""), 0);

  // Missing fields, unbalanced quotes, non-numeric codes.
  t = LoadFromBytes("[第１分類]\n砂\n\"礫,G,100.1,\n粘土,CL,abc,\n泥岩,Ms,-4300.5,\n");
  EXPECT_EQ(t.last[1], 4);
  EXPECT_EQ(t.name[1], "砂");
  EXPECT_EQ(t.symbol[1], "");
  EXPECT_EQ(t.pattern[1], 0);
  EXPECT_EQ(t.name[2], "礫,G,100.1,");
  EXPECT_EQ(t.symbol[2], "");
  EXPECT_EQ(t.pattern[3], 0);
  EXPECT_EQ(t.subCode[3], 0);
  EXPECT_EQ(t.pattern[4], -4300);
  EXPECT_EQ(t.subCode[4], 5);

  // Binary content, NULs included.
  std::string binary;
  for (int i = 0; i < 20000; ++i) binary.push_back(static_cast<char>((i * 7919) % 256));
  t = LoadFromBytes("[第１分類]\n" + binary);
  EXPECT_LE(t.last[1], 200);
  for (int i = 0; i < 50; ++i) ComposeGeologyCode(t, subCode, symbol, binary.substr(i * 100, 300), "");

  // A last line without its line end loses its last byte like any other.
  t = LoadFromBytes("[第１分類]\n砂,S,300.1,\n礫,G,100.1");
  EXPECT_EQ(t.subCode[1], 1);
  EXPECT_EQ(t.pattern[2], 100);
  EXPECT_EQ(t.subCode[2], 0);  // "100." is what is left
}

TEST(GeologyClassTable, ALaterShorterLoadLeavesNoOldEntries) {
  GeologyClassTable t;
  LoadBuiltInGeologyClassification(t);
  const std::string path = test::MakeTempFolder() + "/m.mst";
  ASSERT_TRUE(test::WriteAll(path, "[第１分類]\n砂,S,300.1,\n"));
  LoadGeologyClassification(t, path);
  EXPECT_EQ(t.last[1], 1);
  EXPECT_EQ(t.name[2], "");
  EXPECT_EQ(t.first[2], 0);
}

}  // namespace
}  // namespace tesmor
