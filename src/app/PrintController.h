// Printing, print preview and printer setup of the boring on screen.
#pragma once

#include <QObject>
#include <QPrinter>
#include <memory>
#include <vector>

#include "app/Workspace.h"

class QWidget;

namespace tesmor {

class PrintController : public QObject {
  Q_OBJECT

 public:
  PrintController(Workspace& workspace, QWidget* window);
  ~PrintController() override;

  // "印刷(&P)...": the print dialog with the page range 1 to the page count.
  void Print();
  // "印刷ﾌﾟﾚﾋﾞｭｰ(&V)": every page in the preview.
  void Preview();
  // "ﾌﾟﾘﾝﾀの設定(&R)...": printer and paper, kept for the next run.
  void Setup();

  // Pages 1 .. the page count of the boring.
  std::vector<int> AllPages();

 signals:
  // Printing ended: the view shows its page again.
  void printingEnded();

 private:
  bool PrintOn(QPrinter& printer, const std::vector<int>& pages);
  void RestorePrinterSetup();
  void StorePrinterSetup();

  Workspace& workspace_;
  QWidget* window_;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace tesmor
