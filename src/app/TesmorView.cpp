#include "app/TesmorView.h"

#include <QKeyEvent>
#include <QPainter>

#include "app/AppMessages.h"
#include "record/TextUtil.h"
#include "settings/SettingsStore.h"

namespace tesmor {

CTesmorView::CTesmorView(Workspace& workspace, QWidget* parent) : QAbstractScrollArea(parent), workspace_(workspace) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
}

void CTesmorView::OnUpdate() {
  LoadSettings(workspace_.settingsStore, false);
  pageNumber_ = 1;
  BoringRecord& record = workspace_.record;
  bool rolesEmpty = true;
  for (int s = slot::kRoleLabel1; s < slot::kRoleLabel1 + 4; ++s) rolesEmpty = rolesEmpty && record.heading(s).empty();
  if (rolesEmpty) {
    record.setHeading(41, "主任技師");
    record.setHeading(42, "現　場代理人");
    record.setHeading(43, "コ　ア鑑定者");
    record.setHeading(44, "ボーリング責任者");
  }
  viewport()->update();
}

void CTesmorView::NextPage() {
  ++pageNumber_;
  viewport()->update();
}

void CTesmorView::PreviousPage() {
  if (pageNumber_ > 1) --pageNumber_;
  viewport()->update();
}

void CTesmorView::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_PageDown:
    case Qt::Key_Down: NextPage(); break;
    case Qt::Key_PageUp:
    case Qt::Key_Up: PreviousPage(); break;
    default: QAbstractScrollArea::keyPressEvent(event);
  }
}

void CTesmorView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const BoringRecord& record = workspace_.record;
  if (workspace_.currentPath.empty()) return;
  painter.setPen(Qt::black);
  QStringList lines;
  lines << ToQString(record.heading(1)) << ToQString(record.heading(5))
        << ToQString(Format("表示様式 %d   %s   %.2f m", workspace_.shell.FileKind,
                            workspace_.shell.FormSelector == 0 ? "JACIC版柱状図" : "岩盤柱状図", TotalDepth(record)));
  painter.drawText(viewport()->rect().adjusted(20, 20, -20, -20), Qt::AlignLeft | Qt::AlignTop, lines.join('\n'));
}

}  // namespace tesmor
