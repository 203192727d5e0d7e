#include "app/PatternLegendOutput.h"

#include <cstdio>
#include <numeric>
#include <vector>

#include "app/CommandLine.h"
#include "app/ExportCommand.h"
#include "app/PageOutput.h"
#include "draw/Canvas.h"
#include "draw/PatternCatalogue.h"
#include "settings/SettingsStore.h"

namespace tesmor {

bool WritePatternLegend(const QString& path, PageFileType type, int dpi,
                        std::span<const PatternLegendEntry> entries, QString* error) {
  std::vector<int> pages(static_cast<std::size_t>(PatternLegendPageCount(entries)));
  std::iota(pages.begin(), pages.end(), 1);
  PageOutputOptions options;
  options.pageSize = QPageSize(QPageSize::A4);
  options.orientation = QPageLayout::Portrait;
  options.dpi = dpi;
  const PageDrawer draw = [entries](Surface& surface, int page) {
    PageTransform transform;
    SharedTextFont font;
    Canvas dc{surface, transform, font};
    DrawPatternLegendPage(dc, entries, page);
  };
  return WritePageFiles(type, path, pages, draw, options, error);
}

int RunPatternLegend(const CommandLine& cl, const SettingsStore& settings) {
  const QString path = QString::fromLocal8Bit(cl.output.c_str());
  PageFileType type = PageFileType::Pdf;
  if (!ChooseOutputType(cl, type)) return 2;
  const std::vector<PatternLegendEntry> entries = PatternLegendEntries(
      PatternCatalogueForDialog(settings.location.patternFilePath), settings.patternColours);
  QString error;
  if (!WritePatternLegend(path, type, cl.exportDpi, entries, &error)) {
    std::fprintf(stderr, "tesmor: %s\n", qPrintable(error));
    return 1;
  }
  return 0;
}

}  // namespace tesmor
