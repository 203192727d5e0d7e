// The document: turns a data file chosen by the user into the boring record.
// It never edits or saves boring data; the only file it writes is FileV.ndx.
#pragma once

#include <QObject>
#include <QString>
#include <string>

#include "app/RecentFiles.h"
#include "app/Workspace.h"
#include "readers/DataLoader.h"

class QWidget;

namespace tesmor {

class CTesmorDoc : public QObject {
  Q_OBJECT

 public:
  CTesmorDoc(Workspace& workspace, QWidget* window);

  Workspace& workspace() { return workspace_; }

  // The File menu's Open command: dialog in the last folder, every line read.
  void OnFileOpen();

  // Loading through the framework (recent files, command line, drag and drop):
  // detection on whole lines, reading from the kind line on. False when the file
  // was not loaded (the user has been told why).
  bool OpenThroughFramework(const QString& path);

  // Loads a file by the given path, shows the load's messages and, when loaded,
  // announces it. Shared by both ways of opening.
  bool LoadFile(const std::string& path, OpenPath how);

  // The last-folder file of the Open command.
  std::string lastFolderFilePath() const;

  RecentFiles& recentFiles() { return recent_; }

 signals:
  // A new boring is in the record.
  void documentLoaded(const QString& path);
  void recentFilesChanged();

 private:
  void ShowNotices(const LoadResult& result);

  Workspace& workspace_;
  QWidget* window_;
  RecentFiles recent_;
};

}  // namespace tesmor
