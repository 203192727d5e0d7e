#include "app/PrintController.h"

#include <QApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QProgressDialog>

#include "app/AppMessages.h"
#include "app/PageOutput.h"
#include "app/PageRenderer.h"
#include "app/Registry.h"

namespace tesmor {

PrintController::PrintController(Workspace& workspace, QWidget* window)
    : workspace_(workspace), window_(window), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  RestorePrinterSetup();
}

PrintController::~PrintController() = default;

std::vector<int> PrintController::AllPages() {
  workspace_.page.TotalDepth = TotalDepth(workspace_.record);
  const int count = PageCount(workspace_.page);
  std::vector<int> pages;
  pages.reserve(static_cast<std::size_t>(count));
  for (int n = 1; n <= count; ++n) pages.push_back(n);
  return pages;
}

bool PrintController::PrintOn(QPrinter& printer, const std::vector<int>& pages) {
  QProgressDialog progress(QStringLiteral("印刷中..."), QString(), 0, static_cast<int>(pages.size()), window_);
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(500);
  int done = 0;
  QString error;
  const bool ok = PrintPages(
      printer, pages,
      [&](Surface& surface, int pageNumber) {
        RenderPage(surface, workspace_, true, pageNumber);
        progress.setValue(++done);
      },
      &error);
  progress.reset();
  if (!ok && !error.isEmpty()) ShowMessageText(window_, error);
  emit printingEnded();
  return ok;
}

void PrintController::Print() {
  const std::vector<int> all = AllPages();
  QPrintDialog dialog(printer_.get(), window_);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
  dialog.setMinMax(1, static_cast<int>(all.size()));
  dialog.setFromTo(1, static_cast<int>(all.size()));
  if (dialog.exec() != QDialog::Accepted) return;
  std::vector<int> pages = all;
  if (printer_->printRange() == QPrinter::PageRange) {
    pages.clear();
    const int last = std::min(printer_->toPage(), static_cast<int>(all.size()));
    for (int n = std::max(1, printer_->fromPage()); n <= last; ++n) pages.push_back(n);
  }
  if (!pages.empty()) PrintOn(*printer_, pages);
  StorePrinterSetup();
}

void PrintController::Preview() {
  QPrintPreviewDialog dialog(printer_.get(), window_);
  dialog.setWindowTitle(QStringLiteral("印刷ﾌﾟﾚﾋﾞｭｰ"));
  connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
          [this](QPrinter* printer) { PrintOn(*printer, AllPages()); });
  dialog.exec();
}

void PrintController::Setup() {
  QPageSetupDialog dialog(printer_.get(), window_);
  if (dialog.exec() == QDialog::Accepted) StorePrinterSetup();
}

void PrintController::RestorePrinterSetup() {
  QSettings store = ProgramRegistry();
  store.beginGroup(QStringLiteral("Printer"));
  const QString name = store.value(QStringLiteral("Name")).toString();
  if (!name.isEmpty()) printer_->setPrinterName(name);
  const int pageSize = store.value(QStringLiteral("PageSize"), -1).toInt();
  if (pageSize >= 0 && pageSize < QPageSize::LastPageSize) {
    printer_->setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(pageSize)));
  }
  const int orientation = store.value(QStringLiteral("Orientation"), -1).toInt();
  if (orientation == QPageLayout::Landscape) printer_->setPageOrientation(QPageLayout::Landscape);
}

void PrintController::StorePrinterSetup() {
  QSettings store = ProgramRegistry();
  store.beginGroup(QStringLiteral("Printer"));
  store.setValue(QStringLiteral("Name"), printer_->printerName());
  store.setValue(QStringLiteral("PageSize"), static_cast<int>(printer_->pageLayout().pageSize().id()));
  store.setValue(QStringLiteral("Orientation"), static_cast<int>(printer_->pageLayout().orientation()));
}

}  // namespace tesmor
