// The document: turns a data file chosen by the user into the boring record.
// It never edits or saves boring data; the only file it writes is FileV.ndx.
#pragma once

#include <QObject>
#include <QString>
#include <string>
#include <utility>

#include "app/FileChooser.h"
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

  // 整形して開く: choose an XML file, reformat it into TesmorTmp.xml and load that
  // under the chosen file's name.
  void OnFormatAndOpen();

  // 整形し名前をつけて保存: the dialog that reformats a file and saves the result
  // under a new name.
  void OnFormatAndSaveAs();

  // Reformats a file into TesmorTmp.xml and loads that under the file's own path;
  // shows what the reformatter found. False when nothing was loaded (the user has
  // been told why).
  bool FormatAndOpenFile(const std::string& path);

  // Ctrl+W: empties the boring record and forgets the file; the view shows the empty
  // sheet.
  void CloseBoring();

  // The last-folder file of the Open command.
  std::string lastFolderFilePath() const;
  // A file of the install folder.
  std::string installFile(const char* name) const;

  // The file dialogs the commands use.
  void setFileChooser(FileChooser chooser) { chooser_ = std::move(chooser); }

  RecentFiles& recentFiles() { return recent_; }

 signals:
  // A new boring is in the record.
  void documentLoaded(const QString& path);
  void recentFilesChanged();
  // The record was emptied by CloseBoring.
  void documentClosed();

 private:
  // Shows the notices of a load; true when the user accepted the offer of notice
  // 204 to open the file again through the reformatter.
  bool ShowNotices(const LoadResult& result);
  // The path becomes the document's and the new boring is announced.
  void AcceptLoad(const std::string& path);

  Workspace& workspace_;
  QWidget* window_;
  RecentFiles recent_;
  FileChooser chooser_;
};

}  // namespace tesmor
