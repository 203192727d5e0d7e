#include "app/PatternLegendOutput.h"

#include <QFileInfo>
#include <cstdio>
#include <numeric>
#include <vector>

#include "app/CommandLine.h"
#include "app/PageOutput.h"
#include "draw/Canvas.h"
#include "draw/PatternCatalogue.h"
#include "settings/SettingsStore.h"

namespace tesmor {

bool WritePatternLegend(const QString& path, const QString& type, int dpi,
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
  if (type == QLatin1String("png")) return WritePngPages(path, pages, draw, options, error);
  if (type == QLatin1String("svg")) return WriteSvgPages(path, pages, draw, options, error);
  return WritePdf(path, pages, draw, options, error);
}

int RunPatternLegend(const CommandLine& cl, const SettingsStore& settings) {
  const QString path = QString::fromLocal8Bit(cl.output.c_str());
  const QString type = cl.exportType.empty() ? QFileInfo(path).suffix().toLower()
                                             : QString::fromStdString(cl.exportType);
  if (type != QLatin1String("pdf") && type != QLatin1String("png") &&
      type != QLatin1String("svg")) {
    std::fprintf(stderr, "tesmor: cannot tell the output type of %s; use --export-type pdf|png|svg\n",
                 cl.output.c_str());
    return 2;
  }
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
