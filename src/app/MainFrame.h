// The main frame window: menus, tool bar, status bar, the view, the recent-file list
// and dropped files.
#pragma once

#include <QHash>
#include <QMainWindow>

class QDialog;

#include "app/Workspace.h"

class QAction;
class QMenu;
class QToolBar;

namespace tesmor {

class CTesmorDoc;
class CTesmorView;
class PrintController;

class CMainFrame : public QMainWindow {
  Q_OBJECT

 public:
  explicit CMainFrame(Workspace& workspace, QWidget* parent = nullptr);
  ~CMainFrame() override;

  CTesmorDoc& document() { return *doc_; }
  CTesmorView& view() { return *view_; }
  QToolBar* toolBar() const { return toolBar_; }
  PrintController& printing() { return *print_; }

  // The action of a command id (nullptr when the program has none).
  QAction* action(int id) const { return actions_.value(id, nullptr); }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateActions();
  void CreateMenus();
  void CreateToolBar();
  void CreateStatusBar();
  void RebuildRecentFiles();
  void SwitchForm(int form);
  void UpdateFormChecks();
  void OnDocumentLoaded(const QString& path);
  void OnDocumentClosed();
  void RunDataDialog(QDialog* dialog);

  Workspace& workspace_;
  CTesmorDoc* doc_ = nullptr;
  CTesmorView* view_ = nullptr;
  PrintController* print_ = nullptr;
  QToolBar* toolBar_ = nullptr;
  QMenu* fileMenu_ = nullptr;
  QAction* recentAnchor_ = nullptr;
  QList<QAction*> recentActions_;
  QHash<int, QAction*> actions_;
};

}  // namespace tesmor
