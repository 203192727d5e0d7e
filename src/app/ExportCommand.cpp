#include "app/ExportCommand.h"

#include <QPageSize>
#include <algorithm>
#include <cstdio>

#include "app/AppMessages.h"
#include "app/PageOutput.h"
#include "app/PageRenderer.h"
#include "readers/ShellState.h"
#include "record/BoringRecord.h"
#include "record/TextUtil.h"

namespace tesmor {

namespace {

struct PaperName {
  const char* name;
  QPageSize::PageSizeId id;
};

// Paper names of the command line; B sizes are the Japanese (JIS) ones.
constexpr PaperName kPapers[] = {
    {"A0", QPageSize::A0},         {"A1", QPageSize::A1},         {"A2", QPageSize::A2},
    {"A3", QPageSize::A3},         {"A4", QPageSize::A4},         {"A5", QPageSize::A5},
    {"B3", QPageSize::JisB3},      {"B4", QPageSize::JisB4},      {"B5", QPageSize::JisB5},
    {"JISB4", QPageSize::JisB4},   {"ISOB4", QPageSize::B4},      {"LETTER", QPageSize::Letter},
    {"LEGAL", QPageSize::Legal},   {"TABLOID", QPageSize::Tabloid},
};

bool PaperFromName(const std::string& name, QPageSize::PageSizeId& id) {
  const QString wanted = QString::fromStdString(name).toUpper().remove(QLatin1Char('-'));
  for (const PaperName& paper : kPapers) {
    if (wanted == QLatin1String(paper.name)) {
      id = paper.id;
      return true;
    }
  }
  return false;
}

bool ParsePageNumber(const std::string& text, int& value) {
  if (text.empty() || text.size() > 9) return false;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
  }
  value = TextToInt(text);
  return value >= 1;
}

}  // namespace

std::vector<int> ChoosePages(const std::string& choice, int pageCount, std::string& error) {
  std::vector<int> pages;
  int first = 1;
  int last = pageCount;
  if (!choice.empty() && choice != "all") {
    const std::size_t dash = choice.find('-');
    const bool ok = dash == std::string::npos
                        ? ParsePageNumber(choice, first) && ParsePageNumber(choice, last)
                        : ParsePageNumber(choice.substr(0, dash), first) &&
                              ParsePageNumber(choice.substr(dash + 1), last);
    if (!ok || first > last) {
      error = "--export-page takes N, A-B or all";
      return pages;
    }
    if (first > pageCount) {
      error = Format("the boring has %d page%s", pageCount, pageCount == 1 ? "" : "s");
      return pages;
    }
    if (last > pageCount) last = pageCount;
  }
  for (int n = first; n <= last; ++n) pages.push_back(n);
  return pages;
}

bool ChooseOutputType(const CommandLine& cl, PageFileType& type) {
  if (ChoosePageFileType(QString::fromStdString(cl.exportType), QString::fromLocal8Bit(cl.output.c_str()), type)) {
    return true;
  }
  std::fprintf(stderr, "tesmor: cannot tell the output type of %s; use --export-type pdf|svg|png\n",
               cl.output.c_str());
  return false;
}

int ExportPages(const CommandLine& cl, Workspace& ws) {
  if (cl.form == "soil") ws.shell.FormSelector = kSoilForm;
  if (cl.form == "rock") ws.shell.FormSelector = kRockForm;

  SyncPageSettings(ws);
  PageModel& page = ws.page;
  UseDefaultPaper(page);
  FillUnsetDepthPerPage(page, ws.settingsStore.settings.depthScale);
  ResetToFirstPage(page);
  page.TotalDepth = TotalDepth(ws.record);

  std::string error;
  const std::vector<int> pages = ChoosePages(cl.exportPages, DataPageCount(page), error);
  if (pages.empty()) {
    std::fprintf(stderr, "tesmor: %s\n", error.c_str());
    return 2;
  }

  const QString output = QString::fromLocal8Bit(cl.output.c_str());
  PageFileType type = PageFileType::Pdf;
  if (!ChooseOutputType(cl, type)) return 2;

  PageOutputOptions options;
  QPageSize::PageSizeId paper = QPageSize::A3;
  if (!PaperFromName(cl.paper, paper)) {
    std::fprintf(stderr, "tesmor: unknown paper %s (A0-A5, B3-B5, Letter, Legal, Tabloid)\n", cl.paper.c_str());
    return 2;
  }
  options.pageSize = QPageSize(paper);
  options.dpi = cl.exportDpi;
  options.title = QString::fromStdString(ws.record.heading(slot::kBoringName)).trimmed();

  const bool progress = pages.size() > 1;
  int done = 0;
  std::vector<int> notices;
  const PageDrawer draw = [&](Surface& surface, int pageNumber) {
    for (const int id : RenderPage(surface, ws, true, pageNumber)) {
      if (std::find(notices.begin(), notices.end(), id) == notices.end()) notices.push_back(id);
    }
    ++done;
    if (progress) std::fprintf(stderr, "page %d (%d of %zu)\n", pageNumber, done, pages.size());
  };

  QString writeError;
  const bool ok = WritePageFiles(type, output, pages, draw, options, &writeError);

  for (const int id : notices) PrintMessage(id);
  if (!ok) {
    std::fprintf(stderr, "tesmor: %s\n", writeError.isEmpty() ? "the output could not be written"
                                                               : writeError.toLocal8Bit().constData());
    return 1;
  }
  return 0;
}

}  // namespace tesmor
