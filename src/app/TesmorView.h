// The view: one page of the columnar section at a time.
#pragma once

#include <QAbstractScrollArea>

#include "app/Workspace.h"

namespace tesmor {

class CTesmorView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  CTesmorView(Workspace& workspace, QWidget* parent = nullptr);

  // After the first document and after every load: back to page 1 at depth 0.
  void OnUpdate();

 public slots:
  void NextPage();
  void PreviousPage();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Workspace& workspace_;
  int pageNumber_ = 1;
};

}  // namespace tesmor
