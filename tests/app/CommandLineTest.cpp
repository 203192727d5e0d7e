#include "app/CommandLine.h"

#include <gtest/gtest.h>

namespace tesmor {
namespace {

TEST(CommandLine, ModesAndOptions) {
  struct Case {
    std::vector<std::string> args;
    RunMode mode;
    bool ok;
  };
  const Case cases[] = {
      {{}, RunMode::Gui, true},
      {{"a.xml"}, RunMode::Gui, true},
      {{"--dump", "a.xml"}, RunMode::Dump, true},
      {{"--dump"}, RunMode::Dump, false},
      {{"-o", "out.pdf", "a.xml"}, RunMode::Export, true},
      {{"--export-filename=out.png", "a.xml", "--export-dpi", "150"}, RunMode::Export, true},
      {{"-o", "out.pdf"}, RunMode::Export, false},
      {{"--reformat", "in.xml", "-o", "out.xml"}, RunMode::Reformat, true},
      {{"--reformat", "in.xml", "-o", "out.pdf"}, RunMode::Export, true},
      {{"--reformat", "--dump", "in.xml"}, RunMode::Dump, true},
      {{"--pattern-legend", "-o", "legend.pdf"}, RunMode::PatternLegend, true},
      {{"--help"}, RunMode::Help, true},
      {{"--version"}, RunMode::Version, true},
      {{"--bogus"}, RunMode::Gui, false},
      {{"a.xml", "b.xml"}, RunMode::Gui, false},
      {{"-o"}, RunMode::Gui, false},
      {{"--form", "clay", "a.xml"}, RunMode::Gui, false},
      {{"--export-dpi", "abc", "-o", "x.png", "a.xml"}, RunMode::Gui, false},
      {{"--export-type", "bmp", "-o", "x.bmp", "a.xml"}, RunMode::Gui, false},
  };
  for (const Case& c : cases) {
    const CommandLine cl = ParseCommandLine(c.args);
    std::string joined;
    for (const auto& a : c.args) joined += a + " ";
    EXPECT_EQ(cl.error.empty(), c.ok) << joined << cl.error;
    if (c.ok) {
      EXPECT_EQ(cl.mode, c.mode) << joined;
    }
  }
  const CommandLine full = ParseCommandLine({"-o", "o.svg", "--export-page", "2-3", "--paper", "A4", "--form", "rock",
                                             "--settings-dir", "/tmp/s", "--export-dpi=600", "b.xml"});
  EXPECT_EQ(full.output, "o.svg");
  EXPECT_EQ(full.exportPages, "2-3");
  EXPECT_EQ(full.paper, "A4");
  EXPECT_EQ(full.form, "rock");
  EXPECT_EQ(full.settingsDir, "/tmp/s");
  EXPECT_EQ(full.exportDpi, 600);
  EXPECT_EQ(full.file, "b.xml");
}

}  // namespace
}  // namespace tesmor
