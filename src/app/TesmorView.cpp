#include "app/TesmorView.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QScrollBar>

#include "app/AppMessages.h"
#include "app/PageRenderer.h"
#include "app/QtSurface.h"
#include "record/Messages.h"
#include "settings/SettingsStore.h"

namespace tesmor {

namespace {
constexpr double kScreenPixelsPerMm = 3.779527559055118;  // 96 per inch
constexpr int kScreenDpi = 96;

int ScreenPixels(double mm) { return static_cast<int>(mm * kScreenPixelsPerMm); }
}  // namespace

CTesmorView::CTesmorView(Workspace& workspace, QWidget* parent) : QAbstractScrollArea(parent), workspace_(workspace) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) workspace_.page.ScreenWidth = screen->geometry().width();
}

void CTesmorView::OnInitialUpdate() {
  OnUpdate();
  PageModel& page = workspace_.page;
  double widthMm = 300.0;
  page.ScreenSheetWidthMm = 290.0;
  if (page.ScreenWidth >= 1000) {
    widthMm = 354.0;
    page.ScreenSheetWidthMm = 350.0;
  }
  double heightMm = 2400.0;
  if (page.DepthPerPage < 38) heightMm = 600.0;
  else if (page.DepthPerPage < 78) heightMm = 900.0;
  else if (page.DepthPerPage < 108) heightMm = 1200.0;
  else if (page.DepthPerPage < 188) heightMm = 2000.0;
  sheetSize_ = QSize(ScreenPixels(widthMm), ScreenPixels(heightMm));
  UpdateScrollBars();
}

void CTesmorView::OnUpdate() {
  for (const int id : LoadSettings(workspace_.settingsStore, false)) ShowMessage(this, id);
  SyncPageSettings(workspace_);
  QueryPrinter();
  ResetToFirstPage(workspace_.page);
  BoringRecord& record = workspace_.record;
  bool rolesEmpty = true;
  for (int s = slot::kRoleLabel1; s < slot::kRoleLabel1 + slot::kEngineers; ++s) {
    rolesEmpty = rolesEmpty && record.heading(s).empty();
  }
  if (rolesEmpty) {
    record.setHeading(slot::kRoleLabel1, "主任技師");
    record.setHeading(slot::kRoleLabel2, "現　場代理人");
    record.setHeading(slot::kRoleLabel3, "コ　ア鑑定者");
    record.setHeading(slot::kRoleLabel4, "ボーリング責任者");
  }
  viewport()->update();
  emit pageChanged();
}

void CTesmorView::QueryPrinter() {
  PageModel& page = workspace_.page;
  UseDefaultPaper(page);
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (!info.isNull()) {
    QPrinter printer(info, QPrinter::HighResolution);
    const QRectF full = printer.pageLayout().fullRect(QPageLayout::Millimeter);
    if (full.width() >= 1.0 && full.height() >= 1.0) {
      ApplyPrinterPaper(page, static_cast<int>(full.width()), static_cast<int>(full.height()));
    }
  }
  Settings& settings = workspace_.settingsStore.settings;
  FillUnsetDepthPerPage(page, settings.depthScale);
  settings.depthPerPage = page.DepthPerPage;
}

void CTesmorView::NextPage() {
  tesmor::NextPage(workspace_.page);
  viewport()->update();
  emit pageChanged();
}

void CTesmorView::PreviousPage() {
  tesmor::PreviousPage(workspace_.page);
  viewport()->update();
  emit pageChanged();
}

void CTesmorView::keyPressEvent(QKeyEvent* event) {
  PageModel& page = workspace_.page;
  const int key = event->key();
  const bool pageKey = key == Qt::Key_PageDown || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_Up;
  if (!pageKey || page.Printing) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  page.TotalDepth = TotalDepth(workspace_.record);
  CheckPageNumberBeforeKey(page);
  if (key == Qt::Key_PageUp || key == Qt::Key_Up) PageUpKey(page);
  else tesmor::NextPage(page);
  viewport()->update();
  emit pageChanged();
  event->accept();
}

void CTesmorView::paintEvent(QPaintEvent*) {
  if (!workspace_.settingsStore.settingsLoaded) return;
  QPainter painter(viewport());
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.fillRect(viewport()->rect(), Qt::white);
  painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
  QtSurface surface(painter, kScreenDpi, kScreenDpi);
  const std::vector<int> notices = RenderPage(surface, workspace_, false, workspace_.page.PageNumber);
  painter.end();
  for (const int id : notices) {
    if (shownNotices_.contains(id)) continue;  // once per run, not at every repaint
    shownNotices_.insert(id);
    // Not from inside the paint event: the box would paint over a half-drawn page.
    QMetaObject::invokeMethod(this, [this, id] { ShowMessage(this, id); }, Qt::QueuedConnection);
  }
}

void CTesmorView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void CTesmorView::scrollContentsBy(int, int) { viewport()->update(); }

void CTesmorView::UpdateScrollBars() {
  const QSize area = viewport()->size();
  horizontalScrollBar()->setRange(0, std::max(0, sheetSize_.width() - area.width()));
  verticalScrollBar()->setRange(0, std::max(0, sheetSize_.height() - area.height()));
  horizontalScrollBar()->setPageStep(std::max(1, sheetSize_.width() / 8));
  verticalScrollBar()->setPageStep(std::max(1, sheetSize_.height() / 8));
  horizontalScrollBar()->setSingleStep(std::max(1, sheetSize_.width() / 32));
  verticalScrollBar()->setSingleStep(std::max(1, sheetSize_.height() / 32));
}

}  // namespace tesmor
