// A page of a real boring of the fixtures drawn on the form its file chose, with the
// default settings and fonts: into an A3 image at 96 dpi, into an A3 PDF page at 300
// dpi (counter "pdf bytes" per page), and into a recording surface for the cost of
// the sheet code alone (counter "primitives").
#pragma once

#ifdef TESMOR_BENCH_WITH_APP

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <string>

#include "BenchApp.h"
#include "app/PageOutput.h"
#include "app/QtSurface.h"
#include "draw/Canvas.h"
#include "draw/RecordingSurface.h"
#include "forms/Sheet.h"
#include "readers/DataLoader.h"
#include "readers/ShellState.h"
#include "settings/Settings.h"

namespace tesmor {

struct BoringPageInputs {
  // The file under tests/fixtures/real, loaded as the File menu opens it; page
  // `pageNumber` of DepthPerPage metres.
  BoringPageInputs(const char* fixture, int pageNumber) {
    ApplyDefaultSettings(settings);
    for (std::size_t i = 0; i < settings.fonts.size(); ++i) {
      settings.fonts[i] = FontSetting{kFontDefaults[i].size, std::string(kDefaultFontFace), 0, 0};
    }
    LoadBuiltInPatternColours(colours);
    ShellState shell;
    const std::string path = std::string(TESMOR_FIXTURES_DIR "/real/") + fixture;
    loaded = LoadBoringFile(path, OpenPath::FileMenu, record, shell).loaded();
    form = shell.FormSelector;
    page.PageTopDepth = (pageNumber - 1) * page.DepthPerPage;
  }

  void Draw(Surface& surface) {
    PageTransform transform;
    SharedTextFont font;
    Canvas dc{surface, transform, font};
    SheetContext sheet{record, form, settings, colours, page};
    DrawPage(dc, sheet);
  }

  bool loaded = false;
  int form = kSoilForm;
  BoringRecord record;
  Settings settings;
  PatternColourTable colours;
  PageModel page;
};

inline void RunPageImage96(benchmark::State& state, BoringPageInputs& inputs) {
  EnsureBenchApp();
  if (!inputs.loaded) state.SkipWithError("fixture not loaded");
  PageOutputOptions options;
  options.dpi = 96;
  QImage image(PagePixels(options), QImage::Format_RGB32);
  QPainter painter(&image);
  for (auto _ : state) {
    image.fill(Qt::white);
    QtSurface surface(painter, 96, 96);
    inputs.Draw(surface);
  }
}

inline void RunPagePdf300(benchmark::State& state, BoringPageInputs& inputs) {
  EnsureBenchApp();
  if (!inputs.loaded) state.SkipWithError("fixture not loaded");
  qint64 bytes = 0;
  for (auto _ : state) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
      QPdfWriter pdf(&buffer);
      pdf.setResolution(300);
      pdf.setPageSize(QPageSize(QPageSize::A3));
      QPainter painter(&pdf);
      QtSurface surface(painter, 300, 300);
      inputs.Draw(surface);
    }
    bytes = buffer.size();
  }
  state.counters["pdf bytes"] = static_cast<double>(bytes);
}

inline void RunPageRecording(benchmark::State& state, BoringPageInputs& inputs) {
  if (!inputs.loaded) state.SkipWithError("fixture not loaded");
  std::size_t ops = 0;
  for (auto _ : state) {
    RecordingSurface recording;
    inputs.Draw(recording);
    ops = recording.ops.size();
    benchmark::DoNotOptimize(recording.ops.data());
  }
  state.counters["primitives"] = static_cast<double>(ops);
}

}  // namespace tesmor

#endif  // TESMOR_BENCH_WITH_APP
