#include "readers/ReformattedLoad.h"

#include <gtest/gtest.h>

#include <string>

#include "readers/BoringDump.h"
#include "record/Messages.h"
#include "support/TestSupport.h"

namespace tesmor {
namespace {

// The record of a load as JSON, notices left out.
std::string RecordJson(const LoadResult& result, const BoringRecord& record, const ShellState& shell) {
  EXPECT_TRUE(result.loaded()) << result.errorMessageId();
  return DumpBoringJson(record, shell, {});
}

TEST(ReformattedLoad, RealFilesWithBrokenValuesOrOneLineLoadAsTheirOnePerLineCopies) {
  // Element text broken over lines (headings, descriptions, other values, an empty
  // element closed on the next line), and documents held on one line of up to
  // 14,000 bytes. The copies hold the same elements, one per line, each value on
  // one line.
  struct Case {
    const char* name;
    bool longLine;
  };
  const Case cases[] = {
      {"BOREHOLE_FUKUI_18000230811204408-BED0003", false},
      {"BOREHOLE_FUKUI_BED10418000012622", false},
      {"BOREHOLE_SHIGA_BED-020601-0001", false},
      {"BOREHOLE_FUKUI_18000234901802986-BED0001", false},
      {"BOREHOLE_KIK-NET_BED10118000020002", true},
      {"BOREHOLE_KIK-NET_BED10121000020005", true},
  };
  for (const Case& c : cases) {
    BoringRecord copyRecord;
    ShellState copyShell;
    const std::string copy = test::FixturePath("reformat/real/" + std::string(c.name) + ".one-per-line.xml");
    const LoadResult copyLoad = LoadBoringFile(copy, OpenPath::FileMenu, copyRecord, copyShell);
    const std::string expected = RecordJson(copyLoad, copyRecord, copyShell);
    for (const char* encoding : {".utf8.xml", ".sjis.xml"}) {
      SCOPED_TRACE(std::string(c.name) + encoding);
      BoringRecord record;
      ShellState shell;
      const LoadResult load =
          LoadBoringFileReformatted(test::FixturePath("real/" + std::string(c.name) + encoding), record, shell);
      EXPECT_EQ(RecordJson(load, record, shell), expected);
      EXPECT_EQ(load.notices, c.longLine ? std::vector<int>{msg::kLineTooLong} : std::vector<int>{});
    }
  }
}

}  // namespace
}  // namespace tesmor
