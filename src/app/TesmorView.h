// The view: one page of the columnar section at a time, on a scrolling sheet.
#pragma once

#include <QAbstractScrollArea>
#include <QSet>

#include "app/Workspace.h"

namespace tesmor {

class CTesmorView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  CTesmorView(Workspace& workspace, QWidget* parent = nullptr);

  // Scroll sizes of the sheet: its width by the screen, its height by the depth per
  // page.
  void OnInitialUpdate();

  // After the first document and after every load: settings, printer paper, page 1
  // at depth 0, the default role labels.
  void OnUpdate();

 public slots:
  void NextPage();
  void PreviousPage();

 signals:
  // The page shown changed (the status bar and the frame listen).
  void pageChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  void UpdateScrollBars();
  void QueryPrinter();

  Workspace& workspace_;
  QSize sheetSize_{1338, 2268};
  QSet<int> shownNotices_;
};

}  // namespace tesmor
