#include "record/GeologyComposer.h"

#include <gtest/gtest.h>

#include <string>

namespace tesmor {
namespace {

// What ComposeGeologyCode gives for one name against the built-in master.
struct Composition {
  const char* name;
  const char* explicitCode;
  int pattern;
  const char* symbol;
  int subCode;
};

constexpr const char* kIncomingSymbol = "XY";
constexpr int kIncomingSubCode = 7;  // shows where subCode is left untouched

void ExpectComposition(const GeologyClassTable& table, const Composition& c) {
  std::string symbol = kIncomingSymbol;
  int subCode = kIncomingSubCode;
  const int pattern = ComposeGeologyCode(table, subCode, symbol, c.name, c.explicitCode);
  EXPECT_EQ(pattern, c.pattern) << c.name << " code \"" << c.explicitCode << '"';
  EXPECT_EQ(symbol, c.symbol) << c.name << " code \"" << c.explicitCode << '"';
  EXPECT_EQ(subCode, c.subCode) << c.name << " code \"" << c.explicitCode << '"';
}

TEST(GeologyComposer, ComposesNamesAgainstTheBuiltInMaster) {
  const Composition cases[] = {
      // Exact matches win over every longer composition.
      {"砂", "", 300, "S", 1},
      {"礫質土", "", 200, "GF", 1},
      {"砂質土", "", 400, "SF", 1},  // the class, not the qualifier 砂質 + 土
      {"砂礫", "", 1600, "Gl", 1},   // not 砂 + 礫
      {"有機質土", "", 700, "O", 2},
      {"高有機質土", "", 900, "Pt", 0},
      {"黒ボク", "", 8600, "Kb", 2},
      {"火山灰", "", 1200, "As", 0},  // the first of the two equal names
      {"表土", "", 10000, "Ss", 0},
      {"空洞", "", 9900, "CV", 0},
      {"砂岩等の互層", "", 4600, "Al", 0},  // exact before the alternation rule
      // じり is read as り.
      {"礫混じり砂", "", 302, "S-G", 1},
      {"礫混り砂", "", 302, "S-G", 1},
      {"砂混じりシルト", "", 503, "M-S", 2},
      // Qualifiers (tens) with the main name after "質".
      {"シルト質砂", "", 320, "SM", 1},
      {"砂質シルト", "", 510, "MS", 2},
      {"粘土質シルト", "", 530, "MC", 2},
      {"礫混りシルト質砂", "", 322, "SM-G", 1},
      // Class split: a qualifier is looked for only before the soil-class name.
      {"礫混り砂質土", "", 402, "SF-G", 1},
      {"砂混り有機質土", "", 703, "O-S", 2},
      {"砂混り高有機質土", "", 903, "Pt-S", 0},
      {"シルト質有機質土", "", 720, "OM", 2},
      // Longest main name; on equal length the later entry (火山灰 8400) wins.
      {"褐色火山灰", "", 8400, "VA", 0},
      {"風化花崗岩質", "", 2200, "WG", 0},
      // Admixture term without a section-2 entry: "-".
      {"木片混り砂", "", 300, "S-", 1},
      {"ほげり", "", 0, "-", kIncomingSubCode},
      {"りんご", "", 0, "-", kIncomingSubCode},
      // Nothing matches: pattern 0, empty symbol, subCode untouched.
      {"不明", "", 0, "", kIncomingSubCode},
      {"", "", 0, "", kIncomingSubCode},
      // Alternations.
      {"砂岩・泥岩互層", "", 94443, "Ss/Ms", 0},
      {"砂岩･泥岩互層", "", 94443, "Ss/Ms", 0},  // half-width middle dot
      {"泥岩・砂岩互層", "", 94344, "Ms/Ss", 0},
      {"砂岩泥岩互層", "", 90000, "", kIncomingSubCode},
      {"表土・砂互層", "", 10000, "Ss/S", 1},   // first member 10000 or more
      {"硬岩・軟岩互層", "", 10000, "HR/WR", 0},  // 10091 rounded down to 10000
      {"砂・盛土互層", "", 90300, "S/BB", 1},    // second member 10000 or more
      {"砂・粘土互層", "", 90313, "S/CL", 3},    // subCodes 1 and 2
      {"砂・砂岩互層", "", 90344, "S/Ss", 1},    // subCodes 1 and 0
      {"シルト・粘土互層", "", 90513, "M/CL", 2},  // subCodes 2 and 2
      {"不明・不明互層", "", 90000, "/", 0},
      // An explicit code: the pattern still comes from the name.
      {"砂", "123.4", 300, kIncomingSymbol, 4},
      {"砂", "123", 300, "", kIncomingSubCode},
      {"シルト質砂", "123.4", 320, kIncomingSymbol, 4},
      {"シルト質砂", " 9", 320, "", kIncomingSubCode},
      {"砂岩・泥岩互層", "123.4", 94443, kIncomingSymbol, 4},
      {"砂岩泥岩互層", "123", 90000, "", kIncomingSubCode},
      {"砂", "abc", 300, "S", 1},  // not numeric-looking: no code
  };
  for (const Composition& c : cases) ExpectComposition(BuiltInGeologyClassTable(), c);
}

// A small table of entries, filled as the loader would.
GeologyClassTable SmallTable() {
  GeologyClassTable t;
  auto put = [&t](int n, std::string name, std::string symbol, int pattern, int subCode) {
    const auto i = static_cast<std::size_t>(n);
    t.name[i] = std::move(name);
    t.symbol[i] = std::move(symbol);
    t.pattern[i] = pattern;
    t.subCode[i] = subCode;
  };
  put(1, "特殊", "X", -5, 9);
  put(2, "砂", "S", 300, 1);
  put(3, "ゼロ", "Z", 0, 4);
  put(4, "礫混り", "-G", 2, 0);
  t.first = {0, 1, 4, 0};
  t.last = {0, 3, 4, 0};  // section 3 empty
  return t;
}

TEST(GeologyComposer, NegativeExactPatternGoesOnComposing) {
  const GeologyClassTable t = SmallTable();
  // The exact entry's subCode stays, as no main name with a positive pattern follows.
  ExpectComposition(t, {"特殊", "", 0, "X", 9});
  ExpectComposition(t, {"礫混り特殊", "", 2, "X-G", kIncomingSubCode});
  // A main name of pattern 0 writes its symbol but not its subCode.
  ExpectComposition(t, {"ゼロだ", "", 0, "Z", kIncomingSubCode});
  ExpectComposition(t, {"ゼロ", "", 0, "Z", 4});  // exact, pattern 0 is returned as found
}

TEST(GeologyComposer, EmptySectionsMatchNothing) {
  GeologyClassTable t;  // all bounds 0: every section is entry 0, whose name is empty
  ExpectComposition(t, {"砂", "", 0, "", kIncomingSubCode});
  ExpectComposition(t, {"礫混り砂", "", 0, "-", kIncomingSubCode});
  ExpectComposition(t, {"砂・泥岩互層", "", 90000, "/", 0});
}

TEST(GeologyComposer, SplitSoilClassFindsTheFirstClassOfTheList) {
  const GeologyClassTable& t = BuiltInGeologyClassTable();
  int subCode = -1;
  std::string symbol = "old";
  std::string prefix = "old";
  EXPECT_EQ(SplitSoilClass(t, subCode, symbol, prefix, "シルト質高有機質土"), 900);
  EXPECT_EQ(prefix, "シルト質");
  EXPECT_EQ(symbol, "Pt");
  EXPECT_EQ(subCode, 0);
  EXPECT_EQ(SplitSoilClass(t, subCode, symbol, prefix, "有機質土"), 700);
  EXPECT_EQ(prefix, "");
  EXPECT_EQ(subCode, 2);
  EXPECT_EQ(SplitSoilClass(t, subCode, symbol, prefix, "砂"), 0);
  EXPECT_EQ(prefix, "砂");
  EXPECT_EQ(symbol, "");
  EXPECT_EQ(subCode, 0);
}

TEST(GeologyComposer, FindLongestMainNameGivesTheTextBeforeIt) {
  const GeologyClassTable& t = BuiltInGeologyClassTable();
  int subCode = -1;
  std::string symbol = "old";
  std::string before = "old";
  EXPECT_EQ(FindLongestMainName(t, subCode, symbol, before, "褐色細砂"), 1400);
  EXPECT_EQ(symbol, "FS");
  EXPECT_EQ(subCode, 1);
  EXPECT_EQ(before, "褐色");
  // Nothing found: before is the whole text, symbol and subCode untouched.
  EXPECT_EQ(FindLongestMainName(t, subCode, symbol, before, "不明"), 0);
  EXPECT_EQ(before, "不明");
  EXPECT_EQ(symbol, "FS");
  EXPECT_EQ(subCode, 1);
}

TEST(GeologyComposer, NamesOfAnyLengthAndContentCompose) {
  const GeologyClassTable& t = BuiltInGeologyClassTable();
  const std::string pieces[] = {"り", "互層", "・", "･", "質", "砂", "\xe3\x82", "\xff", std::string(1, '\0'),
                                "混じり", "有機質土", "a", "\x82\xe8"};
  std::string name;
  unsigned seed = 12345;
  for (int round = 0; round < 400; ++round) {
    seed = seed * 1103515245u + 12345u;
    name += pieces[(seed >> 16) % std::size(pieces)];
    if (round % 97 == 0) name.clear();
    std::string symbol = name;
    int subCode = 0;
    const int pattern = ComposeGeologyCode(t, subCode, symbol, name, round % 3 == 0 ? "1.2" : "");
    EXPECT_GE(pattern, 0);
  }
  std::string symbol;
  int subCode = 0;
  const std::string huge(100000, 'x');
  EXPECT_EQ(ComposeGeologyCode(t, subCode, symbol, huge + "砂", ""), 300);
}

}  // namespace
}  // namespace tesmor
